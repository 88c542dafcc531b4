// The real windows driven at random: clicks on every control, keys, menu items,
// close requests, timer ticks, level-list choices, minimise and restore, a
// connection that comes and goes, and a screen reader's actions on every control
// that has one, also while a real message box is open, across all three windows
// and the moves between them. After every event the program must be in a state
// it can be in, and no message box may open over another. The seed
// is printed; set NUMORA_TEST_SEED to replay. NUMORA_RANDOM_EVENTS sets the
// number of events and NUMORA_ROUND_TRIPS the memory test's round trips (5,000
// and 300 by default, many more under `ctest -L long`).
//
// The test stands in for the event loop: between two events it delivers what
// the program posted (the deletion of closed windows among it) and what the
// platform reported (exposure, activation, focus), but no timer event: no
// timer fires unless the test ticks it, and a seed replays exactly.
#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QFile>
#include <QFocusEvent>
#include <QMessageBox>
#include <QMetaEnum>
#include <QMenu>
#include <QPixmapCache>
#include <QPointer>
#include <malloc.h>

#include <algorithm>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "common/app_fixture.h"
#include "common/random_play.h"
#include "texts.h"

namespace numora {
// What a game window's game says the window must show: the oracle of this test.
struct GameWindowInspector {
    template <class Screen = GameScreen>
    static const Screen& screen(const GameForm& f) { return static_cast<const Screen&>(f.game_->screen()); }
};
}  // namespace numora
#include "topic_form.h"

namespace numora::test {
namespace {

// QTest warns of every click or key a disabled or uninterested control ignores,
// and the offscreen platform of every raise or keyboard grab it cannot do;
// random input meets thousands of those. Everything else goes through.
QtMessageHandler passOn = nullptr;
void quietIgnoredInput(QtMsgType type, const QMessageLogContext& where, const QString& text)
{
    if (type == QtWarningMsg && (text.contains(QLatin1String("not accepted by receiving widget")) ||
                                 text.startsWith(QLatin1String("This plugin does not support"))))
        return;
    passOn(type, where, text);
}

// Bytes the program holds on the heap now.
std::size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// Every key Qt names.
std::vector<int> allQtKeys()
{
    const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
    std::vector<int> v;
    for (int i = 0; i < keys.keyCount(); ++i) v.push_back(keys.value(i));
    return v;
}

class RandomWindows : public AppTest {
protected:
    void SetUp() override { passOn = qInstallMessageHandler(quietIgnoredInput); }
    void TearDown() override
    {
        AppTest::TearDown();
        qInstallMessageHandler(passOn);
    }

    // Records each message as the fake does; every third also opens a real modal
    // box, behind which a screen reader acts before it closes, as from its loop.
    struct Boxes : online::Notifier {
        RandomWindows& test;
        explicit Boxes(RandomWindows& t) : test(t) {}
        bool open = false, stacked = false;
        void inform(Message m) override
        {
            test.notifier.inform(m);
            stacked |= open;
            if (test.below(3) != 0) return;
            QMessageBox box(QMessageBox::Information, QStringLiteral("KORVELLAN"), QString());
            box.setWindowModality(Qt::ApplicationModal);
            box.show();
            open = true;
            for (int k = test.below(6); k >= 0; --k) test.screenReaderAction();
            open = false;
        }
    } boxes{*this};

    TempDir docs;  // the update check's local copy goes here
    std::mt19937 engine;
    SeededDigits digits{engine};
    RandomWindows() { folders.dir = docs.str(); random = &digits; realNotifier = &boxes; }
    std::size_t messagesChecked = 0;
    long screenReaderActions = 0;

    // An action (a menu's items included) on a window on view, as Qt's bridge
    // carries it out. A button's press clicks from a timer a moment later: now.
    std::string screenReaderAction()
    {
        std::vector<QAccessibleInterface*> actionable;
        const std::function<void(QAccessibleInterface*, int)> collect = [&](QAccessibleInterface* i, int depth) {
            if (!i || !i->isValid() || depth > 12) return;
            if (i->actionInterface() && !i->actionInterface()->actionNames().isEmpty()) actionable.push_back(i);
            for (int c = 0; c < i->childCount(); ++c) collect(i->child(c), depth + 1);
        };
        for (Window w : {Window::Main, Window::Multiplication, Window::Topic})
            if (Form* g = session ? windows().window(w) : nullptr; g && g->isVisible())
                collect(QAccessible::queryAccessibleInterface(g), 0);
        if (actionable.empty()) return "no window on view";
        QAccessibleInterface* target = actionable[static_cast<std::size_t>(below(static_cast<int>(actionable.size())))];
        const QStringList names = target->actionInterface()->actionNames();
        const QString action = names[below(static_cast<int>(names.size()))];
        const QPointer<QObject> object = target->object();
        const std::string name = "screen reader: " + action.toStdString() + " " + target->text(QAccessible::Name).toStdString();
        ++screenReaderActions;
        target->actionInterface()->doAction(action);
        if (auto* b = qobject_cast<QAbstractButton*>(object.data()); b && b->isDown())
            for (const auto& t : QAbstractEventDispatcher::instance()->registeredTimers(b)) {
                QTimerEvent due(t.timerId);
                QCoreApplication::sendEvent(b, &due);
            }
        return name;
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }
    template <class List>
    auto any(const List& l) { return l[static_cast<std::size_t>(below(static_cast<int>(l.size())))]; }


    // Between two events: dismiss any menu or drop-down the event opened, as the
    // player would, then deliver what was posted.
    static void idle()
    {
        for (int i = 0; i < 4 && QApplication::activePopupWidget(); ++i) QApplication::activePopupWidget()->close();
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
        // Deletions asked for outside any event handler wait for an explicit call.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Form* onView()
    {
        if (mainForm()) return mainForm();
        if (multiplicationForm()) return multiplicationForm();
        return topicForm();
    }

    // The controls a player can reach with the mouse, enabled or not.
    static std::vector<QWidget*> controlsOf(Form* w)
    {
        std::vector<QWidget*> v;
        for (QWidget* c : w->centralWidget()->findChildren<QWidget*>())
            if (c->window() == w && !c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")))
                v.push_back(c);
        return v;
    }
    template <class T>
    static std::vector<T*> all(QWidget* w)
    {
        const auto l = w->findChildren<T*>();
        return {l.begin(), l.end()};
    }

    // What every loaded window shows must be what its game says, once the
    // handler has returned, and every picture must have been found.
    static std::string showsItsGame(GameForm& f, const GameScreen& s, const char* title)
    {
        const QString caption = s.caption.kind == Caption::Kind::Title ? QString::fromLatin1(title) : texts::caption(s.caption, {});
        if (f.windowTitle() != caption) return "caption not shown: " + f.windowTitle().toStdString();
        if (text(&f, Control::Status) != texts::status(s.status)) return "status not shown";
        if (background(&f) != colourOf(s.back)) return "background not shown";
        for (std::size_t i = 0; i < s.cells.size(); ++i) {
            const auto* box = control<PictureBox>(&f, Control::Cells, static_cast<int>(i));
            const QString file = QStringLiteral(NUMORA_PICTURES_DIR "/") + QString::fromStdString(pictureFile(s.cells[i]));
            if (s.cells[i] != Picture::empty() && !QFile::exists(file)) return "a picture file that does not exist was asked for";
            if (box->shows() != s.cells[i]) return "cell picture not shown";
        }
        for (std::size_t i = 0; i < s.figures.size(); ++i)
            if (text(&f, Control::Figures, static_cast<int>(i)) != texts::figure(s.figures[i])) return "sum not shown";
        if (control(&f, Control::StartButton)->isEnabled() != s.startEnabled) return "Start button state";
        if (control(&f, Control::Pad)->isEnabled() != s.padEnabled) return "pad state";
        const auto* combo = control<QComboBox>(&f, Control::LevelList);
        if (combo->count() != static_cast<int>(s.levels.size()) || combo->currentIndex() != s.level) return "level list";
        if (combo->isEnabled() != s.levelsEnabled) return "level list state";
        if (!timerShows(timer(&f, LevelTimer), s.levelTimer) || !timerShows(timer(&f, CountdownTimer), s.countdownTimer)) return "timers";
        return {};
    }
    static bool timerShows(const GameTimer* t, const TimerState& s)
    {
        return running(t) == (s.enabled && s.interval > 0) && period(t) == s.interval;
    }

    std::string violation()
    {
        if (session->dispatcher().busy()) return "a handler still running at idle";
        if (std::exchange(boxes.stacked, false)) return "a message box opened over another";
        if (cursor.busy) return "hourglass left on";
        for (; messagesChecked < notifier.shown.size(); ++messagesChecked)
            if (notifier.shown[messagesChecked].cursorBusy) return "message under the hourglass";

        int gameWindows = 0, visible = 0;
        for (QWidget* t : QApplication::topLevelWidgets()) {
            gameWindows += qobject_cast<Form*>(t) != nullptr;
            visible += t->isVisible();
        }
        const int loaded = (mainForm() != nullptr) + (multiplicationForm() != nullptr) + (topicForm() != nullptr);
        if (gameWindows != loaded) return "closed windows not deleted: " + std::to_string(gameWindows - loaded);
        if (windows().ended()) return loaded == 0 && visible == 0 ? "" : "a window left after the end";
        if (loaded != 1 || visible != 1) return "windows on view: " + std::to_string(visible);
        if (!onView()->isVisible()) return "the loaded window is hidden";

        if (MainForm* m = mainForm()) return showsItsGame(*m, GameWindowInspector::screen(*m), "KORVELLAN");
        if (MultiplicationForm* m = multiplicationForm()) {
            const auto& s = GameWindowInspector::screen<MultiplicationScreen>(*m);
            if (!timerShows(timer(m, HighlightTimer), s.highlightTimer)) return "highlight timer";
            if (text(m, Control::Entry) != texts::entry(s.entry)) return "entry not shown";
            return showsItsGame(*m, s, "KORVELLAN : Multiplication Game");
        }
        return {};
    }

    // What the platform does next: connected or not, a page that opens or not,
    // an update file or a failed download.
    void changePlatform(std::string& name)
    {
        switch (below(4)) {
        case 0:
            connectivity.result = below(3);
            connectivity.fail = below(10) == 0;
            name = "connectivity " + std::to_string(connectivity.result) + (connectivity.fail ? " failing" : "");
            break;
        case 1:
            opener.succeed = below(4) != 0;
            name = opener.succeed ? "opener works" : "opener fails";
            break;
        default: {
            const int v = below(5);
            downloader.succeed = v != 4;
            if (v < 3) downloader.body = std::vector<std::string>{"212\r\n", "213", ""}[static_cast<std::size_t>(v)];
            else downloader.body.reset();
            name = "download variant " + std::to_string(v);
        }
        }
    }

    std::string randomEvent(const std::vector<int>& keys)
    {
        Form* w = onView();
        const int r = below(160);
        if (r >= 100) return screenReaderAction();
        const bool input = r < 79;
        std::string name;
        if (input && w->isMinimized()) {
            // A minimised window takes no input: the player restores it first.
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            name = "restored, then ";
            if (onView() != w) return name + "the window went";
        }
        const auto click = [&](QWidget* target, const char* what, const char* note = "") {
            name += what + target->objectName().toStdString() + note;
            QTest::mouseClick(target, Qt::LeftButton);
        };
        if (r < 30) {
            click(any(controlsOf(w)), "click ");
        } else if (r < 45) {
            const auto labels = all<ClickLabel>(w->centralWidget());
            if (labels.empty()) return name + "no pad";
            ClickLabel* l = any(labels);
            click(l, "pad ", l->isEnabled() ? "" : " (disabled)");
        } else if (r < 52) {
            click(any(all<QPushButton>(w->centralWidget())), "button ");
        } else if (r < 72) {
            const auto cells = all<PictureBox>(w->centralWidget());
            if (cells.empty()) return name + "no cells";
            PictureBox* cell = any(cells);
            // Half the keys digits, on the main row or the keypad, or Delete; the
            // rest any key Qt knows, with any modifiers.
            Qt::KeyboardModifiers mods;
            int key;
            if (below(2)) {
                const int k = below(11);
                key = k == 10 ? Qt::Key_Delete : Qt::Key_0 + k;
                if (below(3) == 0) mods |= Qt::KeypadModifier;
            } else {
                key = any(keys);
                for (const auto m : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::KeypadModifier})
                    if (below(6) == 0) mods |= m;
            }
            // Printable keys carry their character, as a keyboard's would.
            const QString chars = key >= 0x20 && key <= 0xff ? QString(QChar(key)) : QString();
            name += "key " + std::to_string(key) + " mods " + std::to_string(mods.toInt()) + " on " +
                    cell->objectName().toStdString();
            QTest::sendKeyEvent(QTest::Click, cell, static_cast<Qt::Key>(key), chars, mods);
        } else if (r < 75) {
            std::vector<QAction*> items;
            for (QAction* a : w->findChildren<QAction*>())
                if (!a->menu() && !a->isSeparator()) items.push_back(a);
            if (items.empty()) return name + "no menu";
            QAction* a = any(items);
            name += "menu " + a->text().toStdString();
            a->trigger();
        } else if (r < 78) {
            auto* combo = w->centralWidget()->findChild<QComboBox*>();
            if (!combo) return name + "no level list";
            if (below(2) && combo->isEnabled() && combo->count() > 0) {
                const int i = below(combo->count());
                name += "level choice " + std::to_string(i);
                combo->setCurrentIndex(i);
            } else {
                name += "level list loses the focus";
                QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
                QApplication::sendEvent(combo, &out);
            }
        } else if (r < 79) {
            name += "close request";
            w->close();
        } else if (r < 92) {
            const auto ts = timers(w);
            if (ts.empty()) return "no timers";
            const int t = below(static_cast<int>(ts.size()));
            name = "tick of timer " + std::to_string(t);
            tick(ts[t]);
        } else if (r < 95) {
            const bool minimise = below(2);
            name = minimise ? "minimise" : "restore";
            w->setWindowState(minimise ? (w->windowState() | Qt::WindowMinimized)
                                       : (w->windowState() & ~Qt::WindowMinimized));
        } else if (r < 99) {
            changePlatform(name);
        } else {
            // Nothing in the program leads to the topic selector: bring it up by
            // hand, in place of the game windows.
            name = "topic selector";
            showOnly(Window::Topic);
        }
        return name;
    }
};

TEST_F(RandomWindows, RandomEventsAcrossAllWindows)
{
    const std::uint32_t seed = test::chooseSeed();
    const long events = test::eventCount(5000);
    std::cout << "[ seed     ] RandomWindows " << seed << ", " << events << " events\n";
    RecordProperty("seed", std::to_string(seed));
    engine.seed(seed);
    const std::vector<int> keys = allQtKeys();

    // How often each window was reached, so that a run that never got anywhere
    // fails; and a digest of the events, to tell that a seed replays the run.
    int runs = 0, mainLoads = 0, multLoads = 0, topicLoads = 0;
    QPointer<QWidget> last;
    std::size_t digest = 0;
    std::set<int> mainColours;
    for (long event = 0; event < events; ++event) {
        std::string name;
        if (!session || windows().ended()) {
            // The program ended: start it again, mostly connected.
            connectivity.result = below(10) == 0 ? 0 : 1 + below(2);
            connectivity.fail = false;
            name = "start with connectivity " + std::to_string(connectivity.result);
            startApp();
            ++runs;
            last = nullptr;
        } else {
            name = randomEvent(keys);
        }
        idle();
        digest = digest * 31 + std::hash<std::string>{}(name);
        ASSERT_EQ(violation(), "") << "event " << event << ": " << name << " (seed " << seed << ")";
        if (!windows().ended() && onView() != last) {
            last = onView();
            mainLoads += last == mainForm();
            multLoads += last == multiplicationForm();
            topicLoads += last == topicForm();
        }
        if (mainForm()) mainColours.insert(static_cast<int>(GameWindowInspector::screen(*mainForm()).back));
    }
    std::cout << "[ reached  ] " << runs << " runs, " << mainLoads << " main, " << multLoads << " multiplication, "
              << topicLoads << " topic windows, " << screenReaderActions << " screen reader's actions; digest "
              << std::hex << digest << std::dec << '\n';
    // Well below what random play reaches: per 2,000 events, more than one run,
    // five multiplication windows and one topic selector.
    const long per2000 = events / 2000;
    EXPECT_GT(runs, per2000);
    EXPECT_GT(multLoads, 5 * per2000);
    EXPECT_GT(topicLoads, per2000);
    EXPECT_EQ(mainColours.size(), 3u) << "solved and locked-out puzzles must have turned up";
}

TEST_F(RandomWindows, MemoryStaysFlatOverRoundTrips)
{
    // The style keeps a pixmap cache of its own, keyed by each new window's
    // palette, that fills up to its limit (10 MB) as windows come and go. Without
    // it the heap shows what the program holds.
    struct NoPixmapCache {
        const int limit = QPixmapCache::cacheLimit();
        NoPixmapCache() { QPixmapCache::setCacheLimit(0); }
        ~NoPixmapCache() { QPixmapCache::setCacheLimit(limit); }
    } noCache;

    engine.seed(1);
    ASSERT_TRUE(startApp());
    const auto settled = [] {
        idle();
        return std::make_pair(QApplication::allWidgets().size(), QGuiApplication::allWindows().size());
    };
    constexpr int kWarmUp = 100;
    const long trips = std::max<long>(test::countFrom("NUMORA_ROUND_TRIPS", 300), kWarmUp + 2);
    std::pair<qsizetype, qsizetype> counts;
    std::size_t heapAfterWarmUp = 0;
    for (int trip = 0; trip < trips; ++trip) {
        // A game in each window, then back by one of the three ways out.
        click(mainForm(), Control::StartButton);
        tick(timer(mainForm(), CountdownTimer));
        click(mainForm(), Control::PadKeys, trip % 9);
        choose(mainForm(), kMultiplicationItem);
        settled();
        ASSERT_NE(multiplicationForm(), nullptr);
        click(multiplicationForm(), Control::StartButton);
        tick(timer(multiplicationForm(), HighlightTimer));
        click(multiplicationForm(), Control::PadKeys, trip % 10);
        switch (trip % 3) {
        case 0: click(multiplicationForm(), Control::ExitButton); break;
        case 1: choose(multiplicationForm(), kAdditionItem); break;
        default: multiplicationForm()->close();
        }
        const auto now = settled();
        ASSERT_NE(mainForm(), nullptr);
        ASSERT_EQ(multiplicationForm(), nullptr);
        if (trip == kWarmUp) {
            counts = now;
            heapAfterWarmUp = heapInUse();
        }
        if (trip > kWarmUp) {
            ASSERT_EQ(now.first, counts.first) << "widgets grew at round trip " << trip;
            ASSERT_EQ(now.second, counts.second) << "windows grew at round trip " << trip;
        }
    }
    EXPECT_TRUE(notifier.shown.empty());
    const auto grown = static_cast<long>(heapInUse()) - static_cast<long>(heapAfterWarmUp);
    std::cout << "[ heap     ] " << grown << " bytes more after " << trips - kWarmUp - 1 << " round trips\n";
    // Well below what one small object kept per round trip would add.
    EXPECT_LT(grown, 64 * 1024) << "the heap grows with the round trips";
}

}  // namespace
}  // namespace numora::test
