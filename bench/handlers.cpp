// What one handler costs in the real windows, on Qt's offscreen platform with
// the fake platform services of the tests: a deal of each game with its render
// (and, separately, with the repaint that follows it), a pick in the
// missing-numbers game and a digit typed into the multiplication game.
//
// The events go in the way the player's do: a timer tick through the window's
// timer, mouse and key events sent to the controls. Nothing here runs the event
// loop while timing; the repaint variants paint synchronously with repaint().
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <memory>

#include "common/fakes.h"
#include "common/form_access.h"
#include "controls.h"
#include "game_timer.h"
#include "main_form.h"
#include "multiplication_form.h"
#include "session.h"

namespace {

using namespace numora;

// The whole program with fake services; the main window is up once built.
struct App {
    test::FakePlatform platform;
    RunState state;
    ClockRandom random;
    std::unique_ptr<Session> session;

    App()
    {
        session = std::make_unique<Session>(platform.services(), state, random, QStringLiteral(NUMORA_PICTURES_DIR), [] {});
        if (!session->start()) throw std::runtime_error("the main window did not load");
        settle();
    }

    // Let the windows be exposed and painted once, and closed ones be deleted,
    // so that the timed part meets a window in its steady state.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    MainForm& mainForm() { return *static_cast<MainForm*>(session->windows().window(Window::Main)); }
    MultiplicationForm& multiplicationForm() { return *static_cast<MultiplicationForm*>(session->windows().window(Window::Multiplication)); }

    MultiplicationForm& openMultiplication()
    {
        session->dispatcher().run(nullptr, [this] { session->windows().show(Window::Multiplication); });
        settle();
        return multiplicationForm();
    }

    // Start a game in `w` with its own Start button.
    static void start(Form& w) { test::control<QPushButton>(&w, Control::StartButton)->click(); }
};

void click(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

// A main-row digit key as the X server reports it (scan codes 10..19 for 1..9, 0).
void typeDigit(QWidget* w, int digit)
{
    const auto key = static_cast<Qt::Key>(Qt::Key_0 + digit);
    const quint32 scan = digit == 0 ? 19 : 9 + static_cast<quint32>(digit);
    const QString text(QChar('0' + digit));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, scan, 0, 0, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, scan, 0, 0, text);
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

// A deal by a game window's level timer, with its render and, for Arg(1), the
// repaint that follows: nine cells and six sums in the main window, four
// factor cells and four products in the multiplication window.
void dealIn(benchmark::State& state, GameForm& w)
{
    App::start(w);
    GameTimer* levelTimer = test::timer(&w, test::LevelTimer);
    const bool repaint = state.range(0) != 0;
    for (auto _ : state) {
        test::tick(levelTimer);
        if (repaint) w.repaint();
    }
    state.SetLabel(repaint ? "render + repaint" : "render");
}

void BM_MissingNumbersDeal(benchmark::State& state)
{
    App app;
    dealIn(state, app.mainForm());
}
BENCHMARK(BM_MissingNumbersDeal)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MultiplicationDeal(benchmark::State& state)
{
    App app;
    dealIn(state, app.openMultiplication());
}
BENCHMARK(BM_MultiplicationDeal)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A click on the pad that uncovers a hidden cell (its picture is loaded and shown).
// Each pick meets a fresh deal, dealt outside the timing.
void BM_MissingNumbersPick(benchmark::State& state)
{
    App app;
    MainForm& w = app.mainForm();
    App::start(w);
    const RunState& st = app.state;
    GameTimer* levelTimer = test::timer(&w, test::LevelTimer);
    for (auto _ : state) {
        state.PauseTiming();
        test::tick(levelTimer);
        const int hidden = st.digits[static_cast<std::size_t>(st.hidden1 - 1)];
        QWidget* pad = test::control(&w, Control::PadKeys, hidden - 1);
        state.ResumeTiming();
        click(pad);
    }
    if (!st.uncovered[0]) state.SkipWithError("the pick did not uncover the hidden cell");
}
BENCHMARK(BM_MissingNumbersPick)->Unit(benchmark::kMicrosecond);

// A digit typed into a factor cell of the multiplication window: the entry grows,
// is compared with the current product and shown. The digit is one that matches
// no product, so every entry is a miss and the puzzle stays as it is.
void BM_MultiplicationDigit(benchmark::State& state)
{
    App app;
    MultiplicationForm& w = app.openMultiplication();
    App::start(w);
    const RunState& st = app.state;
    int digit = 1;
    const auto matches = [&st](int d) {
        for (const auto p : st.products)
            if (p == d || p == 11 * d) return true;
        return false;
    };
    while (digit < 10 && matches(digit)) ++digit;
    if (digit == 10) {
        state.SkipWithError("every digit matches a product of this deal");
        return;
    }
    QWidget* cell = test::control(&w, Control::Cells, 0);
    for (auto _ : state) typeDigit(cell, digit);
    if (st.productsFound != 0 || st.entry.value == 0) state.SkipWithError("the digits were not entered as misses");
}
BENCHMARK(BM_MultiplicationDigit)->Unit(benchmark::kMicrosecond);

// The offscreen platform says so at every window shown; the figures drown in it.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.contains(QLatin1String("does not support raise()"))) return;
    defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv)
{
    // The offscreen platform: no display needed, and no X round trips timed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication qapp(argc, argv);
    configureApplication();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
