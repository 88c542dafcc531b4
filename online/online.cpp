#include "online.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "online_config.h"

namespace numora::online {

namespace {

// The connection-name buffer the query fills is one character shorter than the slot.
constexpr std::size_t kNameSlot = 255;
constexpr std::size_t kNameBuffer = kNameSlot - 1;

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw std::runtime_error("cannot read " + path);
    return text;
}

// A file that is already gone is not an error; one that cannot be removed is.
void deleteIfPresent(const std::string& path)
{
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (ec)
        throw std::runtime_error("cannot delete " + path + ": " + ec.message());
}

using Message = std::pair<const char*, const char*>;  // prompt, title

}  // namespace

Addresses defaultAddresses()
{
    const std::string web = std::string("https://") + NUMORA_WEB_HOST;
    return {
        web + "/_private/numora.htm",
        std::string("https://") + NUMORA_FILE_HOST + NUMORA_FILE_PATH + "/GlimmerquizSetup.exe",
        std::string("https://") + NUMORA_PAY_HOST + "/KORVELLAN",
        web + "/cgi-bin/games_korvellan/updates/chkupdate_Numora.txt",
    };
}

int queryConnectivity(Services& s, OnlineSlots& slots)
{
    std::string name;
    const int result = s.connectivity.query(name);
    if (name.size() > kNameBuffer)
        name.resize(kNameBuffer);
    name.resize(kNameSlot, ' ');
    slots.cnctName = std::move(name);
    // The slot held the query's flags a moment ago; only the result is kept.
    slots.cnctState = result;
    return result;
}

LoadOutcome mainLoadStep(Services& s, OnlineSlots& slots, const Addresses& a,
                         const std::function<void()>& levelSetup,
                         const std::function<void()>& unloadForms)
{
    try {
        if (queryConnectivity(s, slots) == 0) {
            s.notifier.inform(msg::kNeedInternet, msg::kNeedInternetTitle);
            unloadForms();
            return LoadOutcome::ClosedOffline;
        }
        levelSetup();
        if (slots.webPgShown == 0) {
            // Set first, so that a page that fails to open is not tried again this run.
            slots.webPgShown = 1;
            if (!s.opener.open(a.welcome))
                throw std::runtime_error("no handler took the welcome page");
        }
        return LoadOutcome::Passed;
    } catch (const std::exception&) {
        s.notifier.inform(msg::kInstalledFilesMissing, msg::kTitle);
        return LoadOutcome::Failed;
    }
}

void downloadItem(Services& s, OnlineSlots& slots, const Addresses& a)
{
    BusyCursor busy(s.cursor);
    Message failure{msg::kPageNotOpened, msg::kTitle};
    // This item has no failure message of its own; a query that cannot run means
    // the page was not opened, and the program must not end over it.
    try {
        if (queryConnectivity(s, slots) != 1)
            failure = {msg::kNeedInternetIs, msg::kNeedInternetIsTitle};
        else if (s.opener.open(a.installer))
            return;
    } catch (const std::exception&) {
    }
    busy.release();
    s.notifier.inform(failure.first, failure.second);
}

void donation(Services& s, const Addresses& a)
{
    bool opened = false;
    try {
        opened = s.opener.open(a.donation);
    } catch (const std::exception&) {
    }
    if (!opened)
        s.notifier.inform(msg::kPageNotOpened, msg::kTitle);
}

void checkForUpdates(Services& s, OnlineSlots& slots, const Addresses& a, const std::string& verKey)
{
    BusyCursor busy(s.cursor);
    Message outcome;
    try {
        if (queryConnectivity(s, slots) != 1) {
            outcome = {msg::kNeedInternetIs, msg::kNeedInternetIsTitle};
        } else {
            const std::string path = s.folders.documents() + "/chkupdate2.txt";
            if (s.downloader.download(a.update, path) != 0)
                return;  // a failed download ends the check without a word
            const std::string line = firstLine(readWholeFile(path));
            deleteIfPresent(path);
            outcome = ordersAfter(line, verKey)
                          ? Message{msg::kUpdatesAvailable, msg::kTitle}
                          : Message{msg::kNoUpdates, msg::kNoUpdatesTitle};
        }
    } catch (const std::exception&) {
        // The local copy stays as it is: the next check overwrites it.
        outcome = {msg::kServerDown, msg::kTitle};
    }
    busy.release();
    s.notifier.inform(outcome.first, outcome.second);
}

std::string versionKey(int major, int minor, int revision)
{
    return std::to_string(major) + std::to_string(minor) + std::to_string(revision);
}

bool ordersAfter(const std::string& line, const std::string& key)
{
    // Bytes compare as unsigned, so a byte above 127 orders after every ASCII one.
    const auto byteLess = [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    };
    return std::lexicographical_compare(key.begin(), key.end(), line.begin(), line.end(), byteLess);
}

std::string firstLine(const std::string& text)
{
    if (text.empty())
        throw std::runtime_error("no line to read");
    return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace numora::online
