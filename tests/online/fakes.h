// Scripted stand-ins for the platform services, and a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "online.h"

namespace numora::online::testing {

struct FakeConnectivity : Connectivity {
    int result = 1;
    bool fail = false;
    int calls = 0;
    int query(std::string& name) override
    {
        ++calls;
        if (fail)
            throw std::runtime_error("connectivity unavailable");
        name = "eth0";
        return result;
    }
};

struct FakeOpener : UrlOpener {
    bool succeed = true;
    std::vector<std::string> opened;
    bool open(const std::string& url) override
    {
        opened.push_back(url);
        return succeed;
    }
};

// Writes `body` to the target when it reports success; nullopt writes nothing.
struct FakeDownloader : Downloader {
    int result = 0;
    std::optional<std::string> body = "212\n";
    std::vector<std::string> calls;  // "url -> path"
    int download(const std::string& url, const std::string& path) override
    {
        calls.push_back(url + " -> " + path);
        if (result == 0 && body)
            std::ofstream(path, std::ios::binary) << *body;
        return result;
    }
};

struct FakeFolders : Folders {
    std::string dir;
    bool missing = false;
    std::string documents() override
    {
        if (missing)
            throw std::runtime_error("no documents folder");
        return dir;
    }
};

struct FakeCursor : Cursor {
    bool busy = false;
    std::vector<bool> transitions;
    void setBusy(bool b) override
    {
        busy = b;
        transitions.push_back(b);
    }
};

struct Shown {
    std::string prompt, title;
    bool cursorBusy;
    bool operator==(const Shown&) const = default;
};

struct FakeNotifier : Notifier {
    explicit FakeNotifier(const FakeCursor& c) : cursor(c) {}
    const FakeCursor& cursor;
    std::vector<Shown> shown;
    void inform(const std::string& prompt, const std::string& title) override
    {
        shown.push_back({prompt, title, cursor.busy});
    }
};

inline void PrintTo(const Shown& s, std::ostream* os)
{
    *os << '"' << s.prompt << "\" / \"" << s.title << '"' << (s.cursorBusy ? " under the hourglass" : "");
}

inline Shown message(const char* prompt, const char* title) { return {prompt, title, false}; }

class TempDir {
public:
    TempDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "numora-online-XXXXXX").string();
        if (!mkdtemp(tmpl.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = tmpl;
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// All fakes wired together. Every test ends with the cursor back at default,
// and no message may ever be shown under the hourglass.
class OnlineFixture : public ::testing::Test {
protected:
    FakeConnectivity connectivity;
    FakeOpener opener;
    FakeDownloader downloader;
    FakeFolders folders;
    FakeCursor cursor;
    FakeNotifier notifier{cursor};
    Services services{connectivity, opener, downloader, folders, notifier, cursor};
    OnlineSlots state;
    Addresses addresses{"https://w/welcome", "https://f/installer", "https://p/donate", "https://w/update"};
    TempDir docs;

    OnlineFixture() { folders.dir = docs.str(); }
    void TearDown() override
    {
        EXPECT_FALSE(cursor.busy) << "cursor left busy";
        for (const Shown& s : notifier.shown)
            EXPECT_FALSE(s.cursorBusy) << "shown under the hourglass: " << s.prompt;
    }
    std::string localCopy() const { return docs.str() + "/chkupdate2.txt"; }
};

}  // namespace numora::online::testing
