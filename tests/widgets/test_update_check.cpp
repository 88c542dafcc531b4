// "Check for updates..." from the main window's menu, through the real
// downloader, against a local HTTPS server.
#include "common/app_fixture.h"
#include "desktop.h"
#include "downloader.h"
#include "common/https_server.h"

namespace numora::test {
namespace {

class UpdateCheck : public AppTest {
protected:
    // Only this suite needs the server: the other widget tests start without it.
    static void SetUpTestSuite()
    {
        // libcurl honours proxy variables; the test server is on this machine.
        qputenv("no_proxy", "127.0.0.1");
        qputenv("NO_PROXY", "127.0.0.1");
        server().SetUp();
    }
    static void TearDownTestSuite() { server().TearDown(); }
    static Server& server()
    {
        static Server s;
        return s;
    }

    online::CurlDownloader curl{{std::chrono::seconds(2), std::chrono::seconds(10), Server::dir->str() + "/cert.pem"}};
    platform::BackgroundDownloader background{curl};
    TempDir docs;

    // Start the check against `url`; true while it runs.
    bool begin(const std::string& url)
    {
        folders.dir = docs.str();
        auto a = online::defaultAddresses();
        a.update = url;
        realDownloader = &background;
        if (!startApp(QStringLiteral(NUMORA_PICTURES_DIR), a)) return false;
        notifier.shown.clear();
        choose(mainForm(), kUpdatesItem);
        return session->dispatcher().busy();
    }
    void check(const std::string& path)
    {
        ASSERT_NE(Server::port, 0) << "the test server did not come up";
        begin("https://127.0.0.1:" + std::to_string(Server::port) + path);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !session->dispatcher().busy(); }, 15'000));
        EXPECT_FALSE(cursor.busy);
    }
};

TEST_F(UpdateCheck, ANewerVersionOnTheServer)
{
    check("/ok");  // serves 213
    EXPECT_EQ(notifier.shown, std::vector{Shown{Message::UpdatesAvailable}});
    EXPECT_TRUE(docs.entries().empty()) << "the local copy is deleted after reading";
}

TEST_F(UpdateCheck, ACrLfFileWithTheSameVersion)
{
    check("/crlf");  // serves 212 CR LF, then 999
    EXPECT_EQ(notifier.shown, std::vector{Shown{Message::NoUpdates}});
}

TEST_F(UpdateCheck, AnErrorPageIsASilentFailureAndAnEmptyFileAServerFault)
{
    check("/status/404");
    EXPECT_TRUE(notifier.shown.empty());
    EXPECT_TRUE(docs.entries().empty());
    session.reset();
    check("/empty");
    EXPECT_EQ(notifier.shown, std::vector{Shown{Message::ServerDown}});
    EXPECT_EQ(docs.entries(), std::vector<std::string>{"chkupdate2.txt"}) << "left as it was";
}

// The checks that end before any download show the real box, which takes its
// own Return; the windows then play.
TEST_F(UpdateCheck, ABoxBeforeTheDownloadClosesOnReturnAndStartThenPlays)
{
    platform::MessageBoxNotifier boxes;
    realNotifier = &boxes;
    ASSERT_TRUE(startApp());
    for (const bool noFolder : {false, true}) {
        connectivity.result = noFolder ? 1 : 0;
        folders.missing = noFolder;
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            QTest::keyClick(box, Qt::Key_Return);
            if (!box->isVisible()) return;
            ADD_FAILURE() << "Return did not close the box";
            box->close();
        });
        choose(mainForm(), kUpdatesItem);
    }
    click(mainForm(), Control::StartButton);
    EXPECT_FALSE(control(mainForm(), Control::StartButton)->isEnabled()) << "Start did not play after the boxes";
}

TEST_F(UpdateCheck, AServerThatNeverAnswersLeavesTheWindowsAliveButDeaf)
{
    const SilentListener listener;
    ASSERT_TRUE(begin(listener.url));
    // The event loop runs meanwhile, under the hourglass; no input acts, and a
    // close request waits for the end of the check.
    QTest::qWait(300);
    click(mainForm(), Control::StartButton);
    mainForm()->close();
    QTest::qWait(300);
    EXPECT_TRUE(cursor.busy);
    EXPECT_TRUE(control(mainForm(), Control::StartButton)->isEnabled()) << "Start acted during the check";
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->dispatcher().busy(); }, 15'000));
    EXPECT_TRUE(notifier.shown.empty()) << "a download that failed ends without a word";
    EXPECT_FALSE(cursor.busy);
    EXPECT_EQ(endings, 1) << "the close request made during the check was carried out after it";
}

}  // namespace
}  // namespace numora::test
