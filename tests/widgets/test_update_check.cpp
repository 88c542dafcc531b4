// "Check for updates..." from the main window's menu, through the real
// downloader, against a local HTTPS server.
#include "app_fixture.h"
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

    online::CurlDownloader curl{{std::chrono::seconds(5), std::chrono::seconds(10), Server::dir->str() + "/cert.pem"}};
    TempDir docs;

    void check(const std::string& path)
    {
        ASSERT_NE(Server::port, 0) << "the test server did not come up";
        folders.dir = docs.str();
        auto a = online::defaultAddresses();
        a.update = "https://127.0.0.1:" + std::to_string(Server::port) + path;
        realDownloader = &curl;
        ASSERT_TRUE(startApp(QStringLiteral(NUMORA_PICTURES_DIR), a));
        notifier.shown.clear();
        choose(mainForm(), kUpdatesItem);
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

}  // namespace
}  // namespace numora::test
