// The gate, the welcome page, the web links and the update check, on fakes;
// and where the documents folder comes from.
#include <gtest/gtest.h>

#include "fakes.h"
#include "services_real.h"

namespace numora::online::testing {
namespace {

class Load : public OnlineFixture {
protected:
    int setups = 0, unloads = 0;
    LoadOutcome load()
    {
        return mainLoadStep(services, state, addresses, [&] { ++setups; }, [&] { ++unloads; });
    }
};

// Any non-zero result passes the gate; only 1 counts as connected elsewhere.
class Result : public Load, public ::testing::WithParamInterface<int> {};

TEST_P(Result, GateDownloadItemAndUpdateCheck)
{
    const int r = GetParam();
    connectivity.result = r;

    const LoadOutcome outcome = load();
    EXPECT_EQ(state.cnctState, r);
    EXPECT_EQ(state.cnctName, "eth0" + std::string(251, ' '));
    if (r == 0) {
        EXPECT_EQ(outcome, LoadOutcome::ClosedOffline);
        EXPECT_EQ(notifier.shown, std::vector{message(msg::kNeedInternet, msg::kNeedInternetTitle)});
        EXPECT_EQ(setups, 0);
        EXPECT_EQ(unloads, 1);
        EXPECT_TRUE(opener.opened.empty());
    } else {
        EXPECT_EQ(outcome, LoadOutcome::Passed);
        EXPECT_TRUE(notifier.shown.empty());
        EXPECT_EQ(setups, 1);
        EXPECT_EQ(unloads, 0);
        EXPECT_EQ(opener.opened, std::vector<std::string>{addresses.welcome});
    }

    opener.opened.clear();
    notifier.shown.clear();
    downloadItem(services, state, addresses);
    checkForUpdates(services, state, addresses, "212");
    const Shown noConnection = message(msg::kNeedInternetIs, msg::kNeedInternetIsTitle);
    if (r == 1) {
        EXPECT_EQ(opener.opened, std::vector<std::string>{addresses.installer});
        EXPECT_EQ(notifier.shown, std::vector{message(msg::kNoUpdates, msg::kNoUpdatesTitle)});
    } else {
        EXPECT_TRUE(opener.opened.empty());
        EXPECT_TRUE(downloader.calls.empty());
        EXPECT_EQ(notifier.shown, (std::vector{noConnection, noConnection}));
    }
    EXPECT_EQ(cursor.transitions, (std::vector{true, false, true, false}));
}

INSTANTIATE_TEST_SUITE_P(Online, Result, ::testing::Values(0, 1, 2));

TEST_F(Load, WelcomePageOncePerRunWhileTheGateRunsAtEveryLoad)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(load(), LoadOutcome::Passed);
    EXPECT_EQ(connectivity.calls, 3);
    EXPECT_EQ(setups, 3);
    EXPECT_EQ(opener.opened.size(), 1u);

    connectivity.result = 0;  // the connection is lost before the next visit
    EXPECT_EQ(load(), LoadOutcome::ClosedOffline);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(notifier.shown, std::vector{message(msg::kNeedInternet, msg::kNeedInternetTitle)});
}

TEST_F(Load, FailuresShowOneMessageAndSkipTheRemainingSteps)
{
    const Shown missing = message(msg::kInstalledFilesMissing, msg::kTitle);

    connectivity.fail = true;
    EXPECT_EQ(load(), LoadOutcome::Failed);
    EXPECT_EQ(setups, 0);
    EXPECT_EQ(unloads, 0);
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(state.webPgShown, 0);

    connectivity.fail = false;
    opener.succeed = false;
    EXPECT_EQ(load(), LoadOutcome::Failed);
    EXPECT_EQ(setups, 1);
    EXPECT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(notifier.shown, (std::vector{missing, missing}));

    // The failed page is not tried again this run.
    EXPECT_EQ(load(), LoadOutcome::Passed);
    EXPECT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(notifier.shown.size(), 2u);

    const LoadOutcome o = mainLoadStep(
        services, state, addresses, [] { throw std::runtime_error("level set-up"); }, [] {});
    EXPECT_EQ(o, LoadOutcome::Failed);
    EXPECT_EQ(notifier.shown.back(), missing);
}

using WebLinks = OnlineFixture;

TEST_F(WebLinks, ReportAPageThatCouldNotBeOpened)
{
    const Shown notOpened = message(msg::kPageNotOpened, msg::kTitle);

    connectivity.result = 0;
    donation(services, addresses);  // no connection needed, no query, no cursor
    EXPECT_EQ(opener.opened, std::vector<std::string>{addresses.donation});
    EXPECT_EQ(connectivity.calls, 0);
    EXPECT_TRUE(cursor.transitions.empty());
    EXPECT_TRUE(notifier.shown.empty());

    opener.succeed = false;
    donation(services, addresses);
    EXPECT_EQ(notifier.shown, std::vector{notOpened});
    EXPECT_TRUE(cursor.transitions.empty());

    connectivity.result = 1;
    downloadItem(services, state, addresses);
    EXPECT_EQ(opener.opened.back(), addresses.installer);
    EXPECT_EQ(notifier.shown, (std::vector{notOpened, notOpened}));

    connectivity.fail = true;
    downloadItem(services, state, addresses);
    EXPECT_EQ(opener.opened.size(), 3u);
    EXPECT_EQ(notifier.shown.size(), 3u);
    EXPECT_EQ(notifier.shown.back(), notOpened);
}

struct Row {
    const char* file;
    bool newer;
};

void PrintTo(const Row& r, std::ostream* os) { *os << ::testing::PrintToString(std::string(r.file)); }

class Compare : public OnlineFixture, public ::testing::WithParamInterface<Row> {};

TEST_P(Compare, FirstLineAgainstTheKeyAsBytes)
{
    downloader.body = GetParam().file;
    checkForUpdates(services, state, addresses, "212");
    EXPECT_EQ(notifier.shown, std::vector{GetParam().newer ? message(msg::kUpdatesAvailable, msg::kTitle)
                                                           : message(msg::kNoUpdates, msg::kNoUpdatesTitle)});
    EXPECT_EQ(downloader.calls, std::vector<std::string>{addresses.update + " -> " + localCopy()});
    EXPECT_TRUE(docs.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(Online, Compare,
                         ::testing::Values(Row{"213\n", true}, Row{"212\n", false}, Row{"2120\n", true},
                                           Row{"3\n", true}, Row{"1000\n", false}, Row{"\n", false},
                                           Row{" 213\n", false}, Row{"212\n999\n", false},
                                           Row{"212\r\n999\r\n", false}, Row{"212\r999", false},
                                           Row{"213", true}, Row{"21\xC3\n", true}));

using UpdateCheck = OnlineFixture;

TEST_F(UpdateCheck, FailuresEndItWithServerDownOrSilently)
{
    const Shown serverDown = message(msg::kServerDown, msg::kTitle);

    // Nothing to read: the empty copy stays behind.
    downloader.body = "";
    checkForUpdates(services, state, addresses, "212");
    EXPECT_EQ(notifier.shown, std::vector{serverDown});
    EXPECT_EQ(docs.entries(), std::vector<std::string>{"chkupdate2.txt"});

    // A failed download ends silently and reads no earlier copy.
    std::ofstream(localCopy()) << "999\n";
    downloader.result = 7;
    checkForUpdates(services, state, addresses, "212");
    EXPECT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(readFile(localCopy()), "999\n");

    // Reported success without a file.
    std::filesystem::remove(localCopy());
    downloader.result = 0;
    downloader.body.reset();
    checkForUpdates(services, state, addresses, "212");
    EXPECT_EQ(notifier.shown.back(), serverDown);

    folders.missing = true;
    checkForUpdates(services, state, addresses, "212");
    EXPECT_EQ(notifier.shown.back(), serverDown);
    EXPECT_EQ(downloader.calls.size(), 3u);

    folders.missing = false;
    connectivity.fail = true;
    checkForUpdates(services, state, addresses, "212");
    EXPECT_EQ(notifier.shown.back(), serverDown);
    EXPECT_EQ(notifier.shown.size(), 4u);
    EXPECT_EQ(cursor.transitions.size(), 10u);
}

TEST(Online, VersionKey)
{
    EXPECT_EQ(versionKey(2, 1, 2), "212");
    EXPECT_EQ(versionKey(2, 1, 10), "2110");
}

TEST(Online, DocumentsFolderMustExist)
{
    TempDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(home.str()));
    qunsetenv("XDG_CONFIG_HOME");
    DocumentsFolders folders;
    EXPECT_THROW(folders.documents(), std::runtime_error);
    std::filesystem::create_directory(home.path() / "Documents");
    EXPECT_EQ(folders.documents(), home.str() + "/Documents");
    qputenv("HOME", oldHome);
}

}  // namespace
}  // namespace numora::online::testing
