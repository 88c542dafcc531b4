// The building blocks of the windows: key codes, timers, the dispatcher and
// clickable labels.
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "controls.h"
#include "dispatcher.h"
#include "game_timer.h"
#include "keycodes.h"

namespace numora {
namespace {

TEST(KeyCodes, MainRowDigitsByPhysicalKeyKeypadByModifier)
{
    // Main row by scan code, whatever the layout made of it: "7 è" on French
    // AZERTY, "&" with Shift on US.
    EXPECT_EQ(gameKeyCode(Qt::Key_Egrave, Qt::NoModifier, 16), 55);
    EXPECT_EQ(gameKeyCode(Qt::Key_Ampersand, Qt::ShiftModifier, 16), 55);
    EXPECT_EQ(gameKeyCode(Qt::Key_1, Qt::NoModifier, 10), 49);
    EXPECT_EQ(gameKeyCode(Qt::Key_0, Qt::NoModifier, 19), 48);
    // Keypad with Num Lock on.
    EXPECT_EQ(gameKeyCode(Qt::Key_7, Qt::KeypadModifier, 79), 103);
    EXPECT_EQ(gameKeyCode(Qt::Key_0, Qt::KeypadModifier, 90), 96);
    // Synthetic events carry no scan code.
    EXPECT_EQ(gameKeyCode(Qt::Key_9, Qt::NoModifier, 0), 57);
    EXPECT_EQ(gameKeyCode(Qt::Key_Delete, Qt::NoModifier, 119), 46);
    // Qt's own codes must not leak through: '.' is 46 and '`' is 96 in Qt.
    for (int k : {int(Qt::Key_Period), int(Qt::Key_QuoteLeft), int(Qt::Key_A), int(Qt::Key_Shift),
                  int(Qt::Key_Backspace), int(Qt::Key_Home), int(Qt::Key_Ampersand)}) {
        const int code = gameKeyCode(k, Qt::NoModifier, 0);
        EXPECT_FALSE((code >= 48 && code <= 57) || (code >= 96 && code <= 105) || code == 46) << k << " -> " << code;
    }
}

TEST(GameTimer, OffAtFirstZeroPeriodNeverRunsOnTwiceKeepsItsPeriod)
{
    Dispatcher d;
    int ticks = 0;
    GameTimer t(d, [&] { ++ticks; });
    EXPECT_FALSE(t.isEnabled());
    t.setEnabled(true);
    EXPECT_FALSE(t.isRunning()) << "a period of 0 never fires";
    t.setInterval(1000);
    EXPECT_TRUE(t.isRunning());
    QTest::qWait(300);
    const int before = t.remainingMs();
    t.setEnabled(true);  // already on: nothing changes
    EXPECT_LE(t.remainingMs(), before);
    t.setEnabled(false);
    t.setEnabled(true);  // from off: a full period
    EXPECT_GT(t.remainingMs(), 900);
    t.tick();
    EXPECT_EQ(ticks, 1);
    t.setEnabled(false);
    t.tick();
    EXPECT_EQ(ticks, 1) << "a switched-off timer does not tick";
}

TEST(Dispatcher, TicksAndQueuedWorkWaitForTheRunningHandler)
{
    Dispatcher d;
    std::vector<std::string> log;
    int idle = 0;
    d.setIdleCheck([&] { ++idle; });
    GameTimer t(d, [&] { log.push_back("tick"); });
    t.setInterval(10);
    t.setEnabled(true);
    d.run([&] {
        d.afterHandler([&] { log.push_back("message"); });
        // A modal box would spin an event loop here; the timer falls due meanwhile.
        QTest::qWait(50);
        log.push_back("handler done");
    });
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "handler done");
    EXPECT_EQ(log[1], "message");
    EXPECT_EQ(log[2], "tick");
    EXPECT_EQ(idle, 1);
    t.setEnabled(false);
}

TEST(ClickLabel, ADoubleClickIsOneClick)
{
    ClickLabel l("5");
    l.resize(20, 20);
    int clicks = 0;
    QObject::connect(&l, &ClickLabel::clicked, [&] { ++clicks; });
    QTest::mouseClick(&l, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    // What a display server sends for a double-click: press, release, then
    // the second press as a double-click, and its release.
    const QPointF at(5, 5);
    QTest::mousePress(&l, Qt::LeftButton, {}, at.toPoint());
    QTest::mouseRelease(&l, Qt::LeftButton, {}, at.toPoint());
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, l.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&l, &dbl);
    QTest::mouseRelease(&l, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace numora
