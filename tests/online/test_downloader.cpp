// The real downloader against a local HTTPS server that this test starts.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "common/fakes.h"
#include "downloader.h"
#include "common/https_server.h"
#include "online.h"

namespace numora::test {
namespace {

using online::CurlDownloader;
using online::DownloadOptions;

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

[[maybe_unused]] const auto* const kServer = ::testing::AddGlobalTestEnvironment(new Server);

class Https : public ::testing::Test {
protected:
    static inline const int& port_ = Server::port;

    void SetUp() override
    {
        if (port_ == 0)
            GTEST_SKIP() << "no server";
    }

    std::string url(const std::string& path) const { return "https://127.0.0.1:" + std::to_string(port_) + path; }
    static DownloadOptions trusting(std::chrono::milliseconds connect = 5s, std::chrono::milliseconds total = 10s)
    {
        return {connect, total, Server::dir->str() + "/cert.pem"};
    }

    TempDir docs;
    std::string target() const { return docs.str() + "/chkupdate2.txt"; }

    struct Run {
        bool stored;
        Clock::duration took;
    };
    Run fetch(const std::string& address, DownloadOptions options = trusting())
    {
        CurlDownloader d(std::move(options));
        const auto start = Clock::now();
        online::Download outcome{};
        d.download(address, target(), [&](online::Download o) { outcome = o; });
        return {outcome == online::Download::Stored, Clock::now() - start};
    }
};

struct Served {
    const char* path;
    const char* body;  // nullptr: the download fails and leaves nothing
};

void PrintTo(const Served& s, std::ostream* os) { *os << s.path; }

class Responses : public Https, public ::testing::WithParamInterface<Served> {};

TEST_P(Responses, ResultAndWhatIsLeftInTheFolder)
{
    const Served& s = GetParam();
    const Run r = fetch(url(s.path));
    EXPECT_LT(r.took, 5s);
    if (s.body) {
        EXPECT_TRUE(r.stored);
        EXPECT_EQ(docs.entries(), std::vector<std::string>{"chkupdate2.txt"});
        EXPECT_EQ(readFile(target()), s.body);
    } else {
        EXPECT_FALSE(r.stored);
        EXPECT_TRUE(docs.entries().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Online, Responses,
                         ::testing::Values(Served{"/ok", "213\n"}, Served{"/crlf", "212\r\n999\r\n"},
                                           Served{"/empty", ""}, Served{"/to-https", "213\n"},
                                           Served{"/status/404", nullptr}, Served{"/status/500", nullptr},
                                           Served{"/to-http", nullptr}, Served{"/big", nullptr},
                                           Served{"/endless", nullptr}));

TEST_F(Https, UntrustedOrMismatchedCertificateFails)
{
    EXPECT_FALSE(fetch(url("/ok"), {}).stored);
    EXPECT_FALSE(fetch("https://localhost:" + std::to_string(port_) + "/ok").stored);
    EXPECT_FALSE(fetch("http://127.0.0.1:" + std::to_string(port_) + "/ok").stored);
    EXPECT_TRUE(docs.entries().empty());
}

TEST_F(Https, ServersThatNeverAnswerAreCutOffByTheTimeouts)
{
    const SilentListener listener;
    ASSERT_FALSE(listener.url.empty());
    const Run silent = fetch(listener.url, trusting(1s, 2s));
    EXPECT_FALSE(silent.stored);
    EXPECT_LT(silent.took, 1900ms);

    const Run stalled = fetch(url("/stall"), trusting(1s, 1500ms));
    EXPECT_FALSE(stalled.stored);
    EXPECT_GE(stalled.took, 1400ms);
    EXPECT_LT(stalled.took, 3s);
    EXPECT_TRUE(docs.entries().empty());
}

TEST_F(Https, SymlinkAtTheTargetIsReplacedNotWrittenThrough)
{
    TempDir elsewhere;
    const auto victim = elsewhere.path() / "victim";
    std::ofstream(victim) << "keep";
    std::filesystem::create_symlink(victim, target());

    EXPECT_FALSE(fetch(url("/status/404")).stored);
    EXPECT_TRUE(std::filesystem::is_symlink(target()));

    EXPECT_TRUE(fetch(url("/ok")).stored);
    EXPECT_FALSE(std::filesystem::is_symlink(target()));
    EXPECT_EQ(readFile(target()), "213\n");
    EXPECT_EQ(readFile(victim), "keep");
    EXPECT_EQ(docs.entries(), std::vector<std::string>{"chkupdate2.txt"});
}

TEST_F(Https, MissingLibraryIsUnavailable)
{
    DownloadOptions o = trusting();
    o.library = "libcurl-absent.so.4";
    CurlDownloader d(o);
    std::optional<online::Download> outcome;
    d.download(url("/ok"), target(), [&](online::Download r) { outcome = r; });
    EXPECT_EQ(outcome, online::Download::Unavailable);
}

// The update check from end to end, with only the server's side real.
struct Check {
    const char* path;
    const char* library;
    std::optional<Shown> shown;
};

void PrintTo(const Check& c, std::ostream* os) { *os << c.path << " with " << c.library; }

class UpdateCheck : public Https, public ::testing::WithParamInterface<Check> {};

TEST_P(UpdateCheck, MessageAndFolder)
{
    FakePlatform platform;
    platform.folders.dir = docs.str();
    DownloadOptions o = trusting();
    o.library = GetParam().library;
    CurlDownloader downloader(o);
    online::Services s = platform.services();
    online::Services real{s.connectivity, s.opener, downloader, s.folders, s.notifier, s.cursor};
    online::Addresses a = online::defaultAddresses();
    a.update = url(GetParam().path);

    online::Online(real, a, "212").checkForUpdates();
    std::vector<Shown> expected;
    if (GetParam().shown) expected.push_back(*GetParam().shown);
    EXPECT_EQ(platform.notifier.shown, expected);
    EXPECT_FALSE(platform.cursor.busy);
    const bool leftEmptyCopy = GetParam().path == std::string("/empty");
    EXPECT_EQ(docs.entries(), leftEmptyCopy ? std::vector<std::string>{"chkupdate2.txt"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Online, UpdateCheck,
    ::testing::Values(Check{"/ok", "libcurl.so.4", Shown{Message::UpdatesAvailable}},
                      Check{"/crlf", "libcurl.so.4", Shown{Message::NoUpdates}},
                      Check{"/empty", "libcurl.so.4", Shown{Message::ServerDown}},
                      Check{"/status/404", "libcurl.so.4", std::nullopt},
                      Check{"/ok", "libcurl-absent.so.4", Shown{Message::ServerDown}}));

}  // namespace
}  // namespace numora::test
