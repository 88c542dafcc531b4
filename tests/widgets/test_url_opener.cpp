// The real browser hand-over: at start-up it waits until a window of ours has
// been painted, then goes exactly once.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "services_real.h"

namespace numora::online {
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

    void holdOn(DesktopUrlOpener& o) { o.holdUntilFirstPaint([this] { ++lateFailures; }); }
    void showWindow()
    {
        window.resize(60, 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST_F(UrlOpener, KeepsTheAddressUntilAWindowIsPaintedThenOpensAtOnce)
{
    PathWith path(true);
    DesktopUrlOpener opener(desktop.handOver());
    holdOn(opener);
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
    PathWith path(false);
    desktop.takes = false;
    DesktopUrlOpener opener(desktop.handOver());
    holdOn(opener);
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
    PathWith path(true);
    desktop.takes = false;
    DesktopUrlOpener opener(desktop.handOver());
    holdOn(opener);
    EXPECT_TRUE(opener.open(kWelcome));
    showWindow();
    ASSERT_TRUE(desktop.waitFor(1));
    QTest::qWait(50);
    EXPECT_EQ(lateFailures, 1);
}

TEST_F(UrlOpener, WhatIsStillKeptGoesWhenTheOpenerDoes)
{
    PathWith path(true);
    desktop.takes = false;
    {
        DesktopUrlOpener opener(desktop.handOver());
        holdOn(opener);
        EXPECT_TRUE(opener.open(kWelcome));
    }
    EXPECT_EQ(desktop.given, std::vector<std::string>{kWelcome});
    EXPECT_EQ(lateFailures, 0) << "nobody is left to tell";
}

}  // namespace
}  // namespace numora::online
