// The building blocks of the windows: what keys mean, timers, the dispatcher and
// clickable labels.
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "controls.h"
#include "dispatcher.h"
#include "game_timer.h"
#include "common/key_names.h"

namespace numora {
namespace {

TEST(KeyCodes, MainRowDigitsByPhysicalKeyKeypadByModifier)
{
    // Main row by scan code, whatever the layout made of it: "7 è" on French
    // AZERTY, "&" with Shift on US.
    using namespace keys;
    const std::tuple<int, Qt::KeyboardModifiers, quint32, Key> cases[] = {
        {Qt::Key_Egrave, Qt::NoModifier, 16, digit(7)},        // "7 è" on French AZERTY
        {Qt::Key_Ampersand, Qt::ShiftModifier, 16, digit(7)},   // "&" with Shift on US
        {Qt::Key_1, Qt::NoModifier, 10, digit(1)},
        {Qt::Key_0, Qt::NoModifier, 19, digit(0)},
        {Qt::Key_7, Qt::KeypadModifier, 79, digit(7)},          // Num Lock on
        {Qt::Key_0, Qt::KeypadModifier, 90, digit(0)},
        {Qt::Key_9, Qt::NoModifier, 0, digit(9)},               // synthetic events carry no scan code
        {Qt::Key_Delete, Qt::NoModifier, 119, kClear},
        // The keys beside the digits, by scan code and by Qt's code, are no digits.
        {Qt::Key_Escape, Qt::NoModifier, 9, kOther},
        {Qt::Key_Minus, Qt::NoModifier, 20, kOther},
        {Qt::Key_Slash, Qt::KeypadModifier, 106, kOther},
        {Qt::Key_Colon, Qt::NoModifier, 0, kOther},
        {Qt::Key_Period, Qt::NoModifier, 0, kOther},
        {Qt::Key_QuoteLeft, Qt::NoModifier, 0, kOther},
        {Qt::Key_Shift, Qt::ShiftModifier, 50, kOther},
        {Qt::Key_Backspace, Qt::NoModifier, 22, kOther}};
    for (const auto& [key, mods, scan, meaning] : cases) EXPECT_EQ(gameKey(key, mods, scan), meaning) << key;
}

TEST(GameTimer, OffAtFirstZeroPeriodNeverRunsOnTwiceKeepsItsPeriod)
{
    Dispatcher d;
    int ticks = 0;
    GameTimer t(d, nullptr, [&] { ++ticks; });
    QTimer* q = t.findChild<QTimer*>();  // what counts towards the next tick
    const auto due = [q] {  // its tick now, as its event delivers it
        QTimerEvent e(q->timerId());
        QCoreApplication::sendEvent(q, &e);
    };
    EXPECT_FALSE(q->isActive());
    t.setEnabled(true);
    EXPECT_FALSE(q->isActive()) << "a period of 0 never fires";
    t.setInterval(1000);
    EXPECT_TRUE(q->isActive());
    QTest::qWait(300);
    const int before = q->remainingTime();
    t.setEnabled(true);  // already on: nothing changes
    EXPECT_LE(q->remainingTime(), before);
    t.setEnabled(false);
    t.setEnabled(true);  // from off: a full period
    EXPECT_GT(q->remainingTime(), 900);
    due();
    EXPECT_EQ(ticks, 1);
    t.setEnabled(false);
    due();
    EXPECT_EQ(ticks, 1) << "a switched-off timer does not tick";
}

// Queued work runs as a handler of the window that queued it, and a timer's
// tick as one of the timer's window: message boxes are shown over them.
TEST(Dispatcher, TicksAndQueuedWorkWaitForTheRunningHandler)
{
    // A handler runs on while a modal box spins an event loop inside it, and
    // while it waits (for the update download) to go on from the event loop.
    for (const bool waits : {false, true}) {
        Dispatcher d;
        std::vector<std::string> log;
        int idle = 0;
        d.setIdleCheck([&] { ++idle; });
        QWidget window, timerWindow;
        GameTimer* once = nullptr;  // one tick is the case; a second, on a loaded machine, would be a handler of its own
        GameTimer t(d, &timerWindow, [&] {
            log.push_back(d.window() == &timerWindow ? "tick" : "tick elsewhere");
            once->setEnabled(false);
        });
        once = &t;
        t.setInterval(10);
        t.setEnabled(true);
        const auto rest = [&] { log.push_back(d.window() == &window ? "handler done" : "handler done elsewhere"); };
        d.run(&window, [&] {
            d.afterHandler([&] { log.push_back(d.window() == &window ? "message" : "message elsewhere"); });
            if (waits) {
                QTimer::singleShot(50, [&rest, resume = d.wait()] { resume(rest); });
                return;
            }
            QTest::qWait(50);
            rest();
        });
        EXPECT_EQ(d.busy(), waits);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !d.busy(); }));
        ASSERT_GE(log.size(), 3u) << "waits " << waits;
        EXPECT_EQ(log[0], "handler done");
        EXPECT_EQ(log[1], "message");
        EXPECT_EQ(log[2], "tick");
        EXPECT_EQ(idle, 1);
        t.setEnabled(false);
    }
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
