// Scripted stand-ins for the platform services, and a temporary folder. Plain
// C++: the tests and the benchmarks share them.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "services.h"

namespace numora::test {

using online::Message;

struct FakeConnectivity : online::Connectivity {
    int result = 1;
    bool fail = false;
    int calls = 0;
    online::Connection query() override
    {
        ++calls;
        if (fail) throw std::runtime_error("connectivity unavailable");
        return {result, "eth0"};
    }
};

struct FakeOpener : online::UrlOpener {
    bool succeed = true;
    std::vector<std::string> opened;
    bool open(const std::string& url) override
    {
        opened.push_back(url);
        return succeed;
    }
};

// Writes `body` to the target when it reports success; nullopt writes nothing.
// The outcome comes at once, or, while `hold` is set, when finish() is called;
// with `cannotStart` it throws as a worker thread that cannot be had does.
struct FakeDownloader : online::Downloader {
    bool succeed = true;
    bool cannotStart = false;
    std::optional<std::string> body = "212\n";
    std::vector<std::string> calls;  // "url -> path"
    bool hold = false;
    Done pending;
    void download(const std::string& url, const std::string& path, Done done) override
    {
        calls.push_back(url + " -> " + path);
        if (cannotStart) throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        if (succeed && body) std::ofstream(path, std::ios::binary) << *body;
        pending = std::move(done);
        if (!hold) finish();
    }
    void finish()
    {
        if (pending) std::exchange(pending, {})(succeed ? online::Download::Stored : online::Download::Failed);
    }
};

struct FakeFolders : online::Folders {
    std::string dir;
    bool missing = false;
    std::string documents() override
    {
        if (missing) throw std::runtime_error("no documents folder");
        return dir;
    }
};

struct FakeCursor : online::Cursor {
    bool busy = false;
    std::vector<bool> transitions;
    void setBusy(bool b) override
    {
        busy = b;
        transitions.push_back(b);
    }
};

struct Shown {
    Message message;
    bool cursorBusy = false;
    bool operator==(const Shown&) const = default;
};

struct FakeNotifier : online::Notifier {
    explicit FakeNotifier(const FakeCursor& c) : cursor(c) {}
    const FakeCursor& cursor;
    std::vector<Shown> shown;
    void inform(Message m) override { shown.push_back({m, cursor.busy}); }
};

// Every service faked, wired together.
struct FakePlatform {
    FakeConnectivity connectivity;
    FakeOpener opener;
    FakeDownloader downloader;
    FakeFolders folders;
    FakeCursor cursor;
    FakeNotifier notifier{cursor};
    online::Services services() { return {connectivity, opener, downloader, folders, notifier, cursor}; }
};

class TempDir {
public:
    // A new folder of its own (create_directory is false for one that is
    // there): mkdtemp's guarantee, where the C library has no mkdtemp.
    TempDir()
    {
        std::random_device seed;
        std::mt19937_64 pick(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = std::filesystem::temp_directory_path() / ("numora-test-" + std::to_string(pick()));
            if (std::filesystem::create_directory(path_)) return;
        }
        throw std::runtime_error("no new temporary folder");
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
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

}  // namespace numora::test
