#include "online.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <memory>
#include <utility>

#include "online_config.h"

namespace numora::online {

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

Online::Online(Services services, Addresses addresses, std::string versionKey)
    : services_(services), addresses_(std::move(addresses)), versionKey_(std::move(versionKey))
{
}

std::int32_t Online::queryConnectivity() { return services_.connectivity.query().state; }

LoadOutcome Online::loadStep(const std::function<void()>& levelSetup, const std::function<void()>& closeForms)
{
    try {
        // Only "not connected" (0) stops the start; a stand-in's other non-zero
        // answers let it go on, where the menu items below want a plain 1.
        if (queryConnectivity() == 0) {
            services_.notifier.inform(Message::InternetRequiredAtStart);
            closeForms();
            return LoadOutcome::ClosedOffline;
        }
        levelSetup();
        if (!welcomeShown_) {
            // Set first, so that a page that fails to open is not tried again this run.
            welcomeShown_ = true;
            if (!services_.opener.open(addresses_.welcome)) {
                services_.notifier.inform(Message::InstalledFilesMissing);
                return LoadOutcome::Failed;
            }
        }
        return LoadOutcome::Passed;
    } catch (const std::exception&) {
        services_.notifier.inform(Message::InstalledFilesMissing);
        return LoadOutcome::Failed;
    }
}

void Online::downloadItem()
{
    BusyCursor busy(services_.cursor);
    // This item has no failure message of its own; a query that cannot run means
    // the page was not opened, and the program must not end over it.
    Message failure = Message::PageNotOpened;
    try {
        if (queryConnectivity() != 1)
            failure = Message::InternetRequiredForItem;
        else if (services_.opener.open(addresses_.installer))
            return;
    } catch (const std::exception&) {
    }
    busy.release();
    services_.notifier.inform(failure);
}

void Online::donation()
{
    if (!services_.opener.open(addresses_.donation)) services_.notifier.inform(Message::PageNotOpened);
}

std::optional<Message> Online::readUpdateFile(const std::string& path) const
{
    // A file that cannot be read, has no line or cannot be deleted is a server
    // fault; the local copy stays as it is, and the next check overwrites it.
    const auto text = readFile(path.c_str());
    const auto line = text ? firstLine(*text) : std::nullopt;
    if (!line || (std::remove(path.c_str()) != 0 && errno != ENOENT)) return Message::ServerDown;
    return ordersAfter(*line, versionKey_) ? Message::UpdatesAvailable : Message::NoUpdates;
}

void Online::checkForUpdates(const Wait& wait)
{
    // The hourglass stays on until the check has ended, download included.
    auto busy = std::make_shared<BusyCursor>(services_.cursor);
    const auto end = [this, busy](std::optional<Message> outcome) {
        busy->release();
        if (outcome) services_.notifier.inform(*outcome);
    };
    try {
        if (queryConnectivity() != 1) return end(Message::InternetRequiredForItem);
        const std::string path = services_.folders.documents() + "/chkupdate2.txt";
        const Resume resume = wait();
        services_.downloader.download(addresses_.update, path, [this, path, resume, end](Download outcome) {
            resume([&] {
                switch (outcome) {
                case Download::Stored: return end(readUpdateFile(path));
                case Download::Failed: return end(std::nullopt);  // ends the check without a word
                case Download::Unavailable: return end(Message::ServerDown);  // no way to download
                }
            });
        });
    } catch (const std::exception&) {
        // No documents folder, no routing table, or no thread for the download.
        // The wait (if it began) ended as the try block unwound, before this box.
        return end(Message::ServerDown);
    }
}

}  // namespace numora::online
