// The desktop's services: the browser hand-over (at start-up it waits until a
// window of ours has been painted, then goes exactly once), the documents
// folder, and message boxes over the window that asks.
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "desktop.h"
#include "common/app_fixture.h"

namespace numora::platform {
namespace {

const std::string kWelcome = "https://w.example/welcome";
const std::string kPay = "https://p.example/pay";

// PATH is one folder, with or without an xdg-open in it, while this lives.
class PathWith {
public:
    explicit PathWith(bool xdgOpen) : saved_(qgetenv("PATH"))
    {
        if (xdgOpen) {
            QFile f(dir_.filePath(QStringLiteral("xdg-open")));
            f.open(QIODevice::WriteOnly);
            f.write("#!/bin/sh\n");
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(dir_.path()));
    }
    ~PathWith() { qputenv("PATH", saved_); }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
};

// Stands in for the desktop: records what it is given.
struct Desktop {
    bool takes = true;
    std::vector<std::string> given;
    DesktopUrlOpener::HandOver handOver()
    {
        return [this](const QUrl& u) {
            given.push_back(u.toString().toStdString());
            return takes;
        };
    }
    bool waitFor(std::size_t n) { return QTest::qWaitFor([&] { return given.size() >= n; }, 5000); }
};

class UrlOpener : public ::testing::Test {
protected:
    Desktop desktop;
    int lateFailures = 0;
    QWidget window;
    std::optional<PathWith> path;
    std::optional<DesktopUrlOpener> opener;

    // An opener that holds addresses until the first paint, with or without an
    // xdg-open on PATH, and a desktop that takes what it is given or not.
    DesktopUrlOpener& holdingOpener(bool xdgOpen, bool takes)
    {
        path.emplace(xdgOpen);
        desktop.takes = takes;
        opener.emplace(desktop.handOver());
        opener->holdUntilFirstPaint([this] { ++lateFailures; });
        return *opener;
    }
    void showWindow()
    {
        window.resize(60, 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST_F(UrlOpener, KeepsTheAddressUntilAWindowIsPaintedThenOpensAtOnce)
{
    DesktopUrlOpener& opener = holdingOpener(true, true);
    EXPECT_TRUE(opener.open(kWelcome));
    QTest::qWait(50);
    EXPECT_TRUE(desktop.given.empty()) << "handed over before any window was painted";

    showWindow();
    ASSERT_TRUE(desktop.waitFor(1));
    EXPECT_EQ(desktop.given, std::vector<std::string>{kWelcome});

    // From then on an address goes at once, and a window shown again brings
    // nothing back.
    EXPECT_TRUE(opener.open(kPay));
    EXPECT_EQ(desktop.given, (std::vector<std::string>{kWelcome, kPay}));
    window.hide();
    showWindow();
    QTest::qWait(50);
    EXPECT_EQ(desktop.given.size(), 2u);
    EXPECT_EQ(lateFailures, 0);
}

TEST_F(UrlOpener, WithoutXdgOpenTheDesktopIsAskedAtOnce)
{
    DesktopUrlOpener& opener = holdingOpener(false, false);
    EXPECT_FALSE(opener.open(kWelcome)) << "the load step must hear of the failure";
    EXPECT_EQ(desktop.given, std::vector<std::string>{kWelcome});
    EXPECT_FALSE(opener.open("not an address")) << "nothing to hand over";
    showWindow();
    QTest::qWait(50);
    EXPECT_EQ(desktop.given.size(), 1u);
    EXPECT_EQ(lateFailures, 0);
}

TEST_F(UrlOpener, AHandOverThatFailsAfterThePaintIsReportedOnce)
{
    EXPECT_TRUE(holdingOpener(true, false).open(kWelcome));
    showWindow();
    ASSERT_TRUE(desktop.waitFor(1));
    QTest::qWait(50);
    EXPECT_EQ(lateFailures, 1);
}

TEST_F(UrlOpener, WhatIsStillKeptGoesWhenTheOpenerDoes)
{
    EXPECT_TRUE(holdingOpener(true, false).open(kWelcome));
    opener.reset();
    EXPECT_EQ(desktop.given, std::vector<std::string>{kWelcome});
    EXPECT_EQ(lateFailures, 0) << "nobody is left to tell";
}

TEST(DocumentsFolder, MustExist)
{
    test::TempDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(home.str()));
    qunsetenv("XDG_CONFIG_HOME");
    DocumentsFolders folders;
    EXPECT_THROW(folders.documents(), std::runtime_error);
    std::filesystem::create_directory(home.path() / "Documents");
    EXPECT_EQ(folders.documents(), home.str() + "/Documents");
    qputenv("HOME", oldHome);
}

TEST(MessageBoxes, ReadAsDesigned)
{
    using online::Message;
    const std::tuple<Message, const char*, const char*> messages[] = {
        {Message::InternetRequiredAtStart, "Active Internet connection required.", "KORVELLAN : Internet Required."},
        {Message::InstalledFilesMissing, "Installed files missing run setup again. Contact KORVELLAN", "KORVELLAN"},
        {Message::InternetRequiredForItem, "Active Internet connection is required.", "KORVELLAN : Internet connection required."},
        {Message::UpdatesAvailable, "updates available. Send email for the link to download Updates", "KORVELLAN"},
        {Message::NoUpdates, "No updates available.", "KORVELLAN : Update"},
        {Message::ServerDown, "Server down check later.", "KORVELLAN"},
        {Message::PageNotOpened, "The web page could not be opened.", "KORVELLAN"}};
    for (const auto& [m, text, caption] : messages) EXPECT_EQ(test::boxSays(m), std::pair(QString(text), QString(caption)));
}

// The program wired as main() wires it, with a real message box.
class MessageBoxOver : public test::AppTest {
protected:
    MessageBoxNotifier boxes;
    struct Seen {
        QWidget* parent = nullptr;
        QPoint centre;
        bool modal = false;
    };
    std::vector<Seen> seen;

    bool startWithBoxes(const QString& pictures)
    {
        realNotifier = &boxes;
        return startApp(pictures);
    }
    void SetUp() override
    {
        boxes.setOwner([this] { return session ? session->dispatcher().window() : nullptr; });
    }
    // Each box, once it is up: where it stands, then OK.
    void watch()
    {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.push_back({box->parentWidget(), box->geometry().center(), box->isModal()});
            box->accept();
        });
    }
};

TEST_F(MessageBoxOver, TheWindowWhoseHandlerShowsItOrTheScreenBeforeAnyWindow)
{
    test::TempDir noPictures;
    startWithBoxes(QString::fromStdString(noPictures.str()));
    ASSERT_NE(mainForm(), nullptr);
    EXPECT_TRUE(seen.empty());
    watch();
    click(mainForm(), Control::StartButton);  // the pictures are missing: one message, after the handler
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].parent, mainForm());
    EXPECT_TRUE(seen[0].modal);
    EXPECT_LE((seen[0].centre - mainForm()->geometry().center()).manhattanLength(), 2);

    connectivity.result = 0;  // the offline start: no window on view yet
    watch();
    EXPECT_FALSE(startWithBoxes(QStringLiteral(NUMORA_PICTURES_DIR)));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].parent, nullptr);
    EXPECT_LE((seen[1].centre - QGuiApplication::primaryScreen()->availableGeometry().center()).manhattanLength(), 2);
}

}  // namespace
}  // namespace numora::platform
