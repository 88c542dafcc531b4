// The gate, the welcome page, the web links and the update check, on fakes.
#include <gtest/gtest.h>

#include "common/fakes.h"
#include "online.h"
#include "online_config.h"

namespace numora::test {
namespace {

using online::LoadOutcome;

// Every test ends with the cursor back at default, and no message may ever be
// shown under the hourglass.
class Online : public ::testing::Test {
protected:
    FakePlatform platform;
    online::Addresses addresses{"https://w/welcome", "https://f/installer", "https://p/donate", "https://w/update"};
    online::Online online{platform.services(), addresses, "212"};
    TempDir docs;
    int setups = 0, closes = 0;

    Online() { platform.folders.dir = docs.str(); }
    void TearDown() override
    {
        EXPECT_FALSE(platform.cursor.busy) << "cursor left busy";
        for (const Shown& s : platform.notifier.shown) EXPECT_FALSE(s.cursorBusy) << "shown under the hourglass";
    }
    LoadOutcome load() { return online.loadStep([&] { ++setups; }, [&] { ++closes; }); }
    std::vector<Shown> shown() const { return platform.notifier.shown; }
    std::string localCopy() const { return docs.str() + "/chkupdate2.txt"; }
};

const Shown kRequiredAtStart{Message::InternetRequiredAtStart};
const Shown kRequiredForItem{Message::InternetRequiredForItem};
const Shown kMissing{Message::InstalledFilesMissing};
const Shown kNotOpened{Message::PageNotOpened};
const Shown kServerDown{Message::ServerDown};

// Any non-zero result passes the gate; only 1 counts as connected elsewhere.
class Result : public Online, public ::testing::WithParamInterface<int> {};

TEST_P(Result, GateDownloadItemAndUpdateCheck)
{
    const int r = GetParam();
    platform.connectivity.result = r;

    const LoadOutcome outcome = load();
    EXPECT_EQ(outcome, r == 0 ? LoadOutcome::ClosedOffline : LoadOutcome::Passed);
    EXPECT_EQ(shown(), r == 0 ? std::vector{kRequiredAtStart} : std::vector<Shown>{});
    EXPECT_EQ(std::pair(setups, closes), r == 0 ? std::pair(0, 1) : std::pair(1, 0));
    EXPECT_EQ(platform.opener.opened, r == 0 ? std::vector<std::string>{} : std::vector{addresses.welcome});

    platform.opener.opened.clear();
    platform.notifier.shown.clear();
    online.downloadItem();
    online.checkForUpdates();
    if (r == 1) {
        EXPECT_EQ(platform.opener.opened, std::vector{addresses.installer});
        EXPECT_EQ(shown(), std::vector{Shown{Message::NoUpdates}});
    } else {
        EXPECT_TRUE(platform.opener.opened.empty());
        EXPECT_TRUE(platform.downloader.calls.empty());
        EXPECT_EQ(shown(), (std::vector{kRequiredForItem, kRequiredForItem}));
    }
    EXPECT_EQ(platform.cursor.transitions, (std::vector{true, false, true, false}));
}

INSTANTIATE_TEST_SUITE_P(Online, Result, ::testing::Values(0, 1, 2));

TEST_F(Online, WelcomePageOncePerRunWhileTheGateRunsAtEveryLoad)
{
    for (int i = 0; i < 3; ++i) EXPECT_EQ(load(), LoadOutcome::Passed);
    EXPECT_EQ(platform.connectivity.calls, 3);
    EXPECT_EQ(setups, 3);
    EXPECT_EQ(platform.opener.opened.size(), 1u);

    platform.connectivity.result = 0;  // the connection is lost before the next visit
    EXPECT_EQ(load(), LoadOutcome::ClosedOffline);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(shown(), std::vector{kRequiredAtStart});
}

TEST_F(Online, LoadFailuresShowOneMessageAndSkipTheRemainingSteps)
{
    platform.connectivity.fail = true;
    EXPECT_EQ(load(), LoadOutcome::Failed);
    EXPECT_EQ(std::tie(setups, closes), std::make_tuple(0, 0));
    EXPECT_TRUE(platform.opener.opened.empty());

    platform.connectivity.fail = false;
    platform.opener.succeed = false;
    EXPECT_EQ(load(), LoadOutcome::Failed);
    EXPECT_EQ(setups, 1);
    EXPECT_EQ(platform.opener.opened.size(), 1u);
    EXPECT_EQ(shown(), (std::vector{kMissing, kMissing}));

    // The failed page is not tried again this run.
    EXPECT_EQ(load(), LoadOutcome::Passed);
    EXPECT_EQ(platform.opener.opened.size(), 1u);
    EXPECT_EQ(shown().size(), 2u);

    EXPECT_EQ(online.loadStep([] { throw std::runtime_error("level set-up"); }, [] {}), LoadOutcome::Failed);
    EXPECT_EQ(shown().back(), kMissing);
}

TEST_F(Online, WebLinksReportAPageThatCouldNotBeOpened)
{
    platform.connectivity.result = 0;
    online.donation();  // no connection needed, no query, no cursor
    EXPECT_EQ(platform.opener.opened, std::vector{addresses.donation});
    EXPECT_EQ(platform.connectivity.calls, 0);
    EXPECT_TRUE(platform.cursor.transitions.empty());
    EXPECT_TRUE(shown().empty());

    platform.opener.succeed = false;
    online.donation();
    EXPECT_EQ(shown(), std::vector{kNotOpened});

    platform.connectivity.result = 1;
    online.downloadItem();
    EXPECT_EQ(platform.opener.opened.back(), addresses.installer);
    EXPECT_EQ(shown(), (std::vector{kNotOpened, kNotOpened}));

    platform.connectivity.fail = true;
    online.downloadItem();
    EXPECT_EQ(platform.opener.opened.size(), 3u);
    EXPECT_EQ(shown(), (std::vector{kNotOpened, kNotOpened, kNotOpened}));
}

struct Row {
    const char* file;
    bool newer;
};

void PrintTo(const Row& r, std::ostream* os) { *os << ::testing::PrintToString(std::string(r.file)); }

class Compare : public Online, public ::testing::WithParamInterface<Row> {};

TEST_P(Compare, FirstLineAgainstTheKeyAsBytes)
{
    platform.downloader.body = GetParam().file;
    online.checkForUpdates();
    EXPECT_EQ(shown(), std::vector{Shown{GetParam().newer ? Message::UpdatesAvailable : Message::NoUpdates}});
    EXPECT_EQ(platform.downloader.calls, std::vector{addresses.update + " -> " + localCopy()});
    EXPECT_TRUE(docs.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(Online, Compare,
                         ::testing::Values(Row{"213\n", true}, Row{"212\n", false}, Row{"2120\n", true},
                                           Row{"3\n", true}, Row{"1000\n", false}, Row{"\n", false},
                                           Row{" 213\n", false}, Row{"212\n999\n", false},
                                           Row{"212\r\n999\r\n", false}, Row{"212\r999", false},
                                           Row{"213", true}, Row{"21\xC3\n", true}));

TEST_F(Online, UpdateCheckFailuresEndWithServerDownOrSilently)
{
    // Nothing to read: the empty copy stays behind.
    platform.downloader.body = "";
    online.checkForUpdates();
    EXPECT_EQ(shown(), std::vector{kServerDown});
    EXPECT_EQ(docs.entries(), std::vector<std::string>{"chkupdate2.txt"});

    // A failed download ends silently and reads no earlier copy.
    std::ofstream(localCopy(), std::ios::binary) << "999\n";
    platform.downloader.succeed = false;
    online.checkForUpdates();
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(readFile(localCopy()), "999\n");

    // Reported success without a file; then no thread for the download; then
    // no documents folder; then no query.
    std::filesystem::remove(localCopy());
    platform.downloader.succeed = true;
    platform.downloader.body.reset();
    online.checkForUpdates();
    platform.downloader.cannotStart = true;
    online.checkForUpdates();
    platform.downloader.cannotStart = false;
    platform.folders.missing = true;
    online.checkForUpdates();
    platform.folders.missing = false;
    platform.connectivity.fail = true;
    online.checkForUpdates();
    EXPECT_EQ(shown(), (std::vector{kServerDown, kServerDown, kServerDown, kServerDown, kServerDown}));
    EXPECT_EQ(platform.downloader.calls.size(), 4u);
    EXPECT_EQ(platform.cursor.transitions.size(), 12u);
}

TEST(OnlineAddresses, AsConfiguredWithTheirFixedPaths)
{
    const online::Addresses a = online::defaultAddresses();
    const std::string web = std::string("https://") + NUMORA_WEB_HOST;
    EXPECT_EQ(a.welcome, web + "/_private/numora.htm");
    EXPECT_EQ(a.installer, std::string("https://") + NUMORA_FILE_HOST + NUMORA_FILE_PATH + "/GlimmerquizSetup.exe");
    EXPECT_EQ(a.donation, std::string("https://") + NUMORA_PAY_HOST + "/KORVELLAN");
    EXPECT_EQ(a.update, web + "/cgi-bin/games_korvellan/updates/chkupdate_Numora.txt");
}

TEST(OnlineVersion, KeyIsTheThreeNumbersWritten)
{
    EXPECT_EQ(online::versionKey(2, 1, 2), "212");
    EXPECT_EQ(online::versionKey(2, 1, 10), "2110");
}

}  // namespace
}  // namespace numora::test
