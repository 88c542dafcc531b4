// "Check for updates..." from the main window's menu, through the real
// downloader, against a local HTTPS server.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>

#include "app_fixture.h"
#include "desktop.h"
#include "downloader.h"
#include "online/https_server.h"

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

TEST_F(UpdateCheck, AServerThatNeverAnswersLeavesTheWindowsAliveButDeaf)
{
    // The kernel accepts the connection; nobody speaks TLS on it.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&addr), len), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len);
    ASSERT_TRUE(begin("https://127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/ok"));

    // The event loop goes on meanwhile: a timer of its own fires on time.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longestGap = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    beat.start(100);
    // No input acts: a click, a screen reader's press, a close request (which waits).
    QTest::qWait(300);
    click(mainForm(), Control::StartButton);
    QAccessible::queryAccessibleInterface(control(mainForm(), Control::StartButton))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    mainForm()->close();
    QTest::qWait(300);
    EXPECT_TRUE(cursor.busy);
    EXPECT_TRUE(control(mainForm(), Control::StartButton)->isEnabled()) << "Start acted during the check";
    EXPECT_TRUE(mainForm()->isVisible());

    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->dispatcher().busy(); }, 15'000));
    close(listener);
    EXPECT_GT(clock.elapsed(), 1500) << "the check ended before its connect time-out";
    EXPECT_LT(longestGap, 500) << "the event loop stood still during the download";
    EXPECT_TRUE(notifier.shown.empty()) << "a download that failed ends without a word";
    EXPECT_FALSE(cursor.busy);
    EXPECT_EQ(endings, 1) << "the close request made during the check was carried out after it";
}

}  // namespace
}  // namespace numora::test
