#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "common/key_names.h"
#include "common/requests.h"
#include "common/scripted_random.h"
#include "missing_numbers/missing_numbers.h"

namespace numora {
namespace {

const Status kClickNumber{Status::Kind::ClickNumber};
Status lockedOut(int seconds) { return {Status::Kind::LockedOut, static_cast<std::int16_t>(seconds)}; }

struct Missing : ::testing::Test {
    RunState st;
    test::ScriptedRandom rnd;
    test::FakeRequests req;
    MissingNumbersGame game{st, rnd, req};
    MainScreen& scr = game.screen();

    Missing() { game.levelSetup(); }

    // Script the next deal: hidden cells at positions a and b hold x and y, every
    // other cell holds 7.
    void script(int a, int x, int b, int y)
    {
        std::vector<int> cells(9, 7);
        cells[a - 1] = x;
        cells[b - 1] = y;
        rnd.push({a, b});
        rnd.push(cells);
    }
    void startWith(int a, int x, int b, int y)
    {
        script(a, x, b, y);
        game.start();
    }
    void tick()
    {
        script(1, 1, 2, 2);
        game.levelTick();
    }
    void clicks(std::initializer_list<int> numbers)
    {
        for (const int n : numbers) game.padClick(n - 1);
    }
};

TEST_F(Missing, LoadChoosesLevelOneAndLostFocusChangesLevel)
{
    game.levelSetup();  // a second load must not add entries
    EXPECT_EQ(std::vector<std::int16_t>(scr.levels.begin(), scr.levels.end()), (std::vector<std::int16_t>{11, 8, 6}));
    EXPECT_EQ(scr.level, 0);
    EXPECT_EQ(scr.levelTimer, (TimerState{false, 11000}));
    EXPECT_EQ(st.secondsLeft, 11);

    // A list with no entry chosen changes nothing.
    for (const auto& [level, secs] : {std::pair{2, 6}, {-1, 6}, {1, 8}}) {
        scr.level = level;
        game.levelLostFocus();
        EXPECT_EQ(scr.levelTimer.interval, secs * 1000) << level;
        EXPECT_EQ(st.secondsLeft, secs) << level;
    }
}

TEST_F(Missing, StartDealsAndFocusesTheTopMiddleCell)
{
    scr.level = 2;
    game.levelLostFocus();
    st.secondsLeft = 42;  // the deal, not the level choice, must set the seconds
    startWith(2, 5, 6, 3);
    EXPECT_EQ(req.focused, std::vector<int>{1});
    EXPECT_TRUE(scr.started);
    EXPECT_EQ(scr.levelTimer, (TimerState{true, 6000}));
    EXPECT_EQ(st.secondsLeft, 6);
    EXPECT_EQ(scr.cells[1], Picture::placeholder());
    EXPECT_EQ(scr.status, Status{});  // left to the first countdown tick
}

// Start, Stop, the level tick, Pause and the resize rule, one event after another.
TEST_F(Missing, TimersAndButtonsFollowTheGameState)
{
    struct Step {
        const char* event;
        std::function<void()> run;
        bool levelOn, countdownOn, idle;
    };
    const Step steps[] = {
        {"restore before any start", [&] { game.resized(false); }, false, false, true},
        {"start", [&] { startWith(1, 1, 2, 2); }, true, true, false},
        {"pause", [&] { game.pause(); }, true, true, false},
        {"minimised", [&] { game.resized(true); }, false, true, false},
        {"restored", [&] { game.resized(false); }, true, true, false},
        {"level tick", [&] { tick(); }, true, true, false},
        {"stop", [&] { game.stop(); }, false, false, true},
        {"minimised after stop", [&] { game.resized(true); }, false, false, true},
        {"restored after stop", [&] { game.resized(false); }, true, false, true},
        {"level tick after stop", [&] { tick(); }, true, false, true},
        {"start again", [&] { startWith(1, 1, 2, 2); }, true, true, false},
        {"stop again", [&] { game.stop(); }, false, false, true},
    };
    for (const auto& s : steps) {
        s.run();
        EXPECT_EQ(scr.levelTimer.enabled, s.levelOn) << s.event;
        EXPECT_EQ(scr.countdownTimer.enabled, s.countdownOn) << s.event;
        EXPECT_EQ(scr.startEnabled, s.idle) << s.event;
        EXPECT_EQ(scr.levelsEnabled, s.idle) << s.event;
    }
    EXPECT_EQ(req.minimised, 1);
}

// Stop empties the board but keeps the puzzle, the colour, the caption and the
// pad's state: after a solve the pad stays disabled, after a lock-out it shows again.
TEST_F(Missing, StopEmptiesTheBoardButKeepsThePuzzleAndItsColour)
{
    const std::pair<std::vector<int>, Colour> endings[] = {{{2, 6}, Colour::LightGreen},
                                                           {{1, 1, 1, 1, 1}, Colour::LightOrange}};
    for (const auto& [picks, colour] : endings) {
        startWith(3, 2, 7, 6);
        for (const int n : picks) game.padClick(n - 1);
        game.countdownTick();
        const Caption caption = scr.caption;
        game.stop();
        for (const auto& p : scr.cells) EXPECT_EQ(p, Picture::empty());
        for (const auto& s : scr.figures) EXPECT_EQ(s, Figure::number(0));
        EXPECT_EQ(st.secondsLeft, 0);
        EXPECT_EQ(st.picks, static_cast<int>(picks.size()));
        EXPECT_EQ(st.digits[2], 2);
        EXPECT_EQ(scr.caption, caption);
        EXPECT_EQ(scr.back, colour);
        EXPECT_TRUE(scr.padVisible);
        EXPECT_EQ(scr.padEnabled, colour != Colour::LightGreen);
        EXPECT_EQ(scr.status, kClickNumber);
    }
}

TEST_F(Missing, TwoFindsSolveButTheSameNumberTwiceDoesNot)
{
    startWith(3, 2, 7, 6);
    clicks({7, 2});  // a visible number finds nothing
    EXPECT_EQ(scr.cells[2], Picture::number(2));
    EXPECT_EQ(st.found, 1);
    clicks({2});
    EXPECT_EQ(st.found, 1);
    EXPECT_EQ(scr.back, Colour::ButtonFace);
    EXPECT_TRUE(scr.padEnabled);

    clicks({6});
    EXPECT_EQ(scr.cells[6], Picture::number(6));
    EXPECT_EQ(scr.back, Colour::LightGreen);
    EXPECT_FALSE(scr.padEnabled);
    EXPECT_TRUE(scr.padVisible);
    EXPECT_EQ(st.found, 0);
    EXPECT_EQ(st.picks, 4);

    // Solved with the last compared pick: the next tick already warns, as the
    // count says, though the puzzle is solved.
    game.countdownTick();
    EXPECT_EQ(scr.status, lockedOut(10));

    // Picks still count and find nothing more, and the fifth locks out.
    game.cellKeyDown(keys::digit(2));
    EXPECT_EQ(st.found, 0);
    EXPECT_EQ(scr.back, Colour::LightOrange);
    EXPECT_FALSE(scr.padVisible);
}

TEST_F(Missing, EqualHiddenNumbersAreFoundByOnePick)
{
    startWith(1, 4, 4, 4);  // same column
    game.cellKeyDown(keys::digit(4));
    EXPECT_EQ(scr.cells[0], Picture::number(4));
    EXPECT_EQ(scr.cells[3], Picture::number(4));
    EXPECT_EQ(scr.back, Colour::LightGreen);
    EXPECT_EQ(st.picks, 1);
}

TEST_F(Missing, FifthPickLocksOutWithoutComparing)
{
    startWith(3, 2, 7, 6);
    clicks({1, 3, 4, 5});
    EXPECT_TRUE(scr.padVisible);
    EXPECT_EQ(scr.back, Colour::ButtonFace);
    game.countdownTick();
    game.countdownTick();
    clicks({2});
    EXPECT_EQ(scr.cells[2], Picture::placeholder());
    EXPECT_EQ(st.found, 0);
    EXPECT_FALSE(scr.padVisible);
    EXPECT_EQ(scr.back, Colour::LightOrange);
    EXPECT_EQ(scr.status, lockedOut(9));

    game.cellKeyDown(keys::digit(6));  // still locked, still not compared
    EXPECT_EQ(st.picks, 6);
    EXPECT_EQ(scr.cells[6], Picture::placeholder());

    tick();
    EXPECT_TRUE(scr.padVisible);
    EXPECT_TRUE(scr.padEnabled);
    EXPECT_EQ(scr.back, Colour::ButtonFace);
    EXPECT_EQ(scr.status, kClickNumber);
}

TEST_F(Missing, PicksAfterStopCompareWithTheLastPuzzle)
{
    startWith(3, 2, 7, 6);
    clicks({2});
    game.stop();
    clicks({2});  // found before the Stop: does not come back
    EXPECT_EQ(scr.cells[2], Picture::empty());
    clicks({6});
    EXPECT_EQ(scr.cells[6], Picture::number(6));
    EXPECT_EQ(scr.back, Colour::LightGreen);
    clicks({1, 1});
    EXPECT_EQ(scr.back, Colour::LightOrange);
    EXPECT_EQ(scr.status, lockedOut(0));
}

TEST_F(Missing, PicksBeforeTheFirstDealAreIgnored)
{
    for (int i = 0; i < 9; ++i) game.padClick(i);
    for (int d = 0; d <= 9; ++d) game.cellKeyDown(keys::digit(d));
    game.cellKeyDown(keys::kClear);
    game.cellKeyDown(keys::kOther);
    EXPECT_EQ(st.picks, 0);
    EXPECT_EQ(st.found, 0);
    for (const auto& p : scr.cells) EXPECT_EQ(p, Picture::empty());
    EXPECT_EQ(scr.back, Colour::ButtonFace);
    EXPECT_TRUE(scr.padVisible);
    EXPECT_EQ(scr.status, Status{});
}

// Digits 1..9 name their number; 0, Clear and every other key are picks that
// match nothing.
TEST_F(Missing, KeysNameNumbers)
{
    const std::pair<Key, int> keysAndNumbers[] = {{keys::digit(1), 1}, {keys::digit(7), 7}, {keys::digit(9), 9},
                                                  {keys::digit(0), 0}, {keys::kClear, 0},  {keys::kOther, 0}};
    for (const auto& [key, number] : keysAndNumbers)
        for (int d = 1; d <= 9; ++d) {
            script(5, d, 9, d);
            game.levelTick();
            game.cellKeyDown(key);
            ASSERT_EQ(st.picks, 1) << nameOf(key);
            ASSERT_EQ(scr.back == Colour::LightGreen, number == d) << nameOf(key) << ", hidden " << d;
        }
}

TEST_F(Missing, Countdown)
{
    startWith(3, 2, 7, 6);
    game.countdownTick();
    EXPECT_EQ(scr.caption, (Caption{Caption::Kind::Countdown, 10}));
    EXPECT_EQ(scr.status, kClickNumber);

    clicks({1, 1, 1});
    game.countdownTick();
    EXPECT_EQ(scr.status, kClickNumber);
    clicks({1});  // the fourth pick: warned, but the pad stays
    game.countdownTick();
    EXPECT_EQ(scr.status, lockedOut(8));
    EXPECT_TRUE(scr.padVisible);

    for (int i = 0; i < 11; ++i) game.countdownTick();
    EXPECT_EQ(scr.caption, (Caption{Caption::Kind::Countdown, -3}));
    EXPECT_EQ(scr.status, lockedOut(-3));
}

// What a screen reader is to tell: each change a sighted player sees at once.
TEST_F(Missing, TellsWhatThePlayerSeesChange)
{
    using K = News::Kind;
    const std::pair<std::function<void()>, std::vector<News>> steps[] = {
        {[&] { startWith(3, 2, 7, 6); }, {{K::Dealt}}},
        {[&] { clicks({1, 1, 1}); game.countdownTick(); }, {}},
        {[&] { clicks({1}); }, {}},
        {[&] { game.countdownTick(); game.countdownTick(); }, {{K::LockedOut, 9}}},  // the warning, once
        {[&] { clicks({2, 2}); }, {{K::LockedOut, 8}}},                              // the fifth pick; not again
        {[&] { tick(); }, {{K::Dealt}}},
        {[&] { clicks({1, 2}); }, {{K::Solved}}},
        {[&] { game.stop(); }, {{K::Stopped}}},
    };
    for (const auto& [run, heard] : steps) {
        req.told.clear();
        run();
        EXPECT_EQ(req.told, heard);
    }
}

TEST_F(Missing, CountersStopAtTheirLimits)
{
    constexpr auto kMax = std::numeric_limits<std::int16_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int16_t>::min();
    startWith(3, 2, 7, 6);
    st.picks = kMax - 1;
    clicks({2, 2, 2});
    EXPECT_EQ(st.picks, kMax);
    EXPECT_EQ(scr.back, Colour::LightOrange);

    st.secondsLeft = kMin + 1;
    game.countdownTick();
    game.countdownTick();
    EXPECT_EQ(st.secondsLeft, kMin);
    EXPECT_EQ(scr.caption.seconds, kMin);
}

}  // namespace
}  // namespace numora
