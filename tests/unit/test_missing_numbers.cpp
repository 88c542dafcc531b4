#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "missing_numbers/missing_numbers.h"
#include "scripted_random.h"

namespace numora {
namespace {

struct FakeRequests final : ScreenRequests {
    std::vector<int> focused;
    int minimised = 0;
    void focusTray(int index) override { focused.push_back(index); }
    void minimise() override { ++minimised; }
};

const std::string kLockOut9 = "You have exceeded maximum number of attempts. Wait will refresh in 9 Sec.";

struct Missing : ::testing::Test {
    ModuleState st;
    test::ScriptedRandom rnd;
    FakeRequests req;
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
        for (const int n : numbers) game.numlblClick(n - 1);
    }
};

TEST_F(Missing, LoadChoosesLevelOneAndLostFocusChangesLevel)
{
    game.levelSetup();  // a second load must not add entries
    EXPECT_EQ(scr.levelItems,
              (std::vector<std::string>{"Level - 1(11 Sec.)", "Level - 2(8 Sec.)", "Level - 3(6 Sec.)"}));
    EXPECT_EQ(scr.board.levelText, "Level - 1(11 Sec.)");
    EXPECT_EQ(scr.tmr_1, (TimerState{false, 11000}));
    EXPECT_EQ(st.lvlsec, 11);

    const std::pair<const char*, int> choices[] = {
        {"Level - 3(6 Sec.)", 6}, {"Level - 3(6 Sec)", 6}, {"Level - 2(8 Sec.)", 8}, {"", 8}};
    for (const auto& [text, secs] : choices) {
        scr.board.levelText = text;
        game.levelLostFocus();
        EXPECT_EQ(scr.tmr_1.interval, secs * 1000) << text;
        EXPECT_EQ(st.lvlsec, secs) << text;
    }
}

TEST_F(Missing, StartDealsAndFocusesTheTopMiddleCell)
{
    scr.board.levelText = "Level - 3(6 Sec.)";
    game.levelLostFocus();
    startWith(2, 5, 6, 3);
    EXPECT_EQ(req.focused, std::vector<int>{1});
    EXPECT_EQ(scr.strtGmTag, "1");
    EXPECT_EQ(scr.tmr_1, (TimerState{true, 6000}));
    EXPECT_EQ(st.lvlsec, 6);
    EXPECT_EQ(scr.board.tray[1], Picture::placeholder());
    EXPECT_EQ(scr.strlbl, kClickToSelect);  // left to the first countdown tick
}

// Start, Stop, the level tick, Pause and the resize rule, one event after another.
TEST_F(Missing, TimersAndButtonsFollowTheGameState)
{
    struct Step {
        const char* event;
        std::function<void()> run;
        bool tmr1, tmr2, idle;
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
        EXPECT_EQ(scr.tmr_1.enabled, s.tmr1) << s.event;
        EXPECT_EQ(scr.tmr_2.enabled, s.tmr2) << s.event;
        EXPECT_EQ(scr.strtGmEnabled, s.idle) << s.event;
        EXPECT_EQ(scr.gmlvlscboEnabled, s.idle) << s.event;
    }
    EXPECT_EQ(req.minimised, 1);
}

TEST_F(Missing, StopEmptiesTheBoardButKeepsThePuzzle)
{
    startWith(3, 2, 7, 6);
    clicks({2, 6});
    game.countdownTick();
    const std::string caption = scr.caption;
    game.stop();
    for (const auto& p : scr.board.tray) EXPECT_EQ(p, Picture::empty());
    for (const auto& s : scr.board.sumdsply) EXPECT_EQ(s, "0");
    EXPECT_EQ(st.lvlsec, 0);
    EXPECT_EQ(st.atmptcnt, 2);
    EXPECT_EQ(st.numary[2], 2);
    EXPECT_EQ(scr.caption, caption);
    EXPECT_EQ(scr.board.back, Colour::LightGreen);
    EXPECT_TRUE(scr.scltntrayVisible);
    EXPECT_FALSE(scr.board.scltntrayEnabled);
    EXPECT_EQ(scr.strlbl, kClickNumber);
}

TEST_F(Missing, TwoFindsSolveButTheSameNumberTwiceDoesNot)
{
    startWith(3, 2, 7, 6);
    clicks({7, 2});  // a visible number finds nothing
    EXPECT_EQ(scr.board.tray[2], Picture::number(2));
    EXPECT_EQ(st.fndcnt, 1);
    clicks({2});
    EXPECT_EQ(st.fndcnt, 1);
    EXPECT_EQ(scr.board.back, Colour::ButtonFace);
    EXPECT_TRUE(scr.board.scltntrayEnabled);

    clicks({6});
    EXPECT_EQ(scr.board.tray[6], Picture::number(6));
    EXPECT_EQ(scr.board.back, Colour::LightGreen);
    EXPECT_FALSE(scr.board.scltntrayEnabled);
    EXPECT_TRUE(scr.scltntrayVisible);
    EXPECT_EQ(st.fndcnt, 0);
    EXPECT_EQ(st.atmptcnt, 4);

    // Solved: picks still count, find nothing more, and the fifth locks out.
    game.trayKeyDown(50);
    EXPECT_EQ(st.fndcnt, 0);
    EXPECT_EQ(scr.board.back, Colour::LightOrange);
    EXPECT_FALSE(scr.scltntrayVisible);
}

TEST_F(Missing, EqualHiddenNumbersAreFoundByOnePick)
{
    startWith(1, 4, 4, 4);  // same column
    game.trayKeyDown(100);  // keypad 4
    EXPECT_EQ(scr.board.tray[0], Picture::number(4));
    EXPECT_EQ(scr.board.tray[3], Picture::number(4));
    EXPECT_EQ(scr.board.back, Colour::LightGreen);
    EXPECT_EQ(st.atmptcnt, 1);
}

TEST_F(Missing, FifthPickLocksOutWithoutComparing)
{
    startWith(3, 2, 7, 6);
    clicks({1, 3, 4, 5});
    EXPECT_TRUE(scr.scltntrayVisible);
    EXPECT_EQ(scr.board.back, Colour::ButtonFace);
    game.countdownTick();
    game.countdownTick();
    clicks({2});
    EXPECT_EQ(scr.board.tray[2], Picture::placeholder());
    EXPECT_EQ(st.fndcnt, 0);
    EXPECT_FALSE(scr.scltntrayVisible);
    EXPECT_EQ(scr.board.back, Colour::LightOrange);
    EXPECT_EQ(scr.strlbl, kLockOut9);

    game.trayKeyDown(54);  // still locked, still not compared
    EXPECT_EQ(st.atmptcnt, 6);
    EXPECT_EQ(scr.board.tray[6], Picture::placeholder());

    tick();
    EXPECT_TRUE(scr.scltntrayVisible);
    EXPECT_TRUE(scr.board.scltntrayEnabled);
    EXPECT_EQ(scr.board.back, Colour::ButtonFace);
    EXPECT_EQ(scr.strlbl, kClickNumber);
}

TEST_F(Missing, PicksAfterStopCompareWithTheLastPuzzle)
{
    startWith(3, 2, 7, 6);
    clicks({2});
    game.stop();
    clicks({2});  // found before the Stop: does not come back
    EXPECT_EQ(scr.board.tray[2], Picture::empty());
    clicks({6});
    EXPECT_EQ(scr.board.tray[6], Picture::number(6));
    EXPECT_EQ(scr.board.back, Colour::LightGreen);
    clicks({1, 1});
    EXPECT_EQ(scr.board.back, Colour::LightOrange);
    EXPECT_EQ(scr.strlbl, "You have exceeded maximum number of attempts. Wait will refresh in 0 Sec.");
}

TEST_F(Missing, PicksBeforeTheFirstDealAreIgnored)
{
    for (int i = 0; i < 9; ++i) game.numlblClick(i);
    for (int code = 0; code < 256; ++code) game.trayKeyDown(code);
    EXPECT_EQ(st.atmptcnt, 0);
    EXPECT_EQ(st.fndcnt, 0);
    for (const auto& p : scr.board.tray) EXPECT_EQ(p, Picture::empty());
    EXPECT_EQ(scr.board.back, Colour::ButtonFace);
    EXPECT_TRUE(scr.scltntrayVisible);
    EXPECT_EQ(scr.strlbl, kClickToSelect);
}

// Every key code against every hidden number: main-row and keypad digits 1..9
// name their number, any other key is a pick that matches nothing.
TEST_F(Missing, KeyCodesNameNumbers)
{
    for (int code = 0; code < 256; ++code) {
        int want = 0;
        if (code >= 49 && code <= 57) want = code - 48;
        if (code >= 97 && code <= 105) want = code - 96;
        for (int d = 1; d <= 9; ++d) {
            script(5, d, 9, d);
            game.levelTick();
            game.trayKeyDown(code);
            ASSERT_EQ(st.atmptcnt, 1) << code;
            ASSERT_EQ(scr.board.back == Colour::LightGreen, want == d) << "key " << code << ", hidden " << d;
        }
    }
}

TEST_F(Missing, CountdownTexts)
{
    startWith(3, 2, 7, 6);
    game.countdownTick();
    EXPECT_EQ(scr.caption, "KORVELLAN - Refreshing in - 10");
    EXPECT_EQ(scr.strlbl, "Click number to select.");

    clicks({1, 1, 1});
    game.countdownTick();
    EXPECT_EQ(scr.strlbl, kClickNumber);
    clicks({1});  // the fourth pick: warned, but the pad stays
    game.countdownTick();
    EXPECT_EQ(scr.strlbl, "You have exceeded maximum number of attempts. Wait will refresh in 8 Sec.");
    EXPECT_TRUE(scr.scltntrayVisible);

    for (int i = 0; i < 11; ++i) game.countdownTick();
    EXPECT_EQ(scr.caption, "KORVELLAN - Refreshing in - -3");
    EXPECT_EQ(scr.strlbl, "You have exceeded maximum number of attempts. Wait will refresh in -3 Sec.");
}

TEST_F(Missing, CountersStopAtTheirLimits)
{
    constexpr auto kMax = std::numeric_limits<std::int16_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int16_t>::min();
    startWith(3, 2, 7, 6);
    st.atmptcnt = kMax - 1;
    clicks({2, 2, 2});
    EXPECT_EQ(st.atmptcnt, kMax);
    EXPECT_EQ(scr.board.back, Colour::LightOrange);

    st.lvlsec = kMin + 1;
    game.countdownTick();
    game.countdownTick();
    EXPECT_EQ(st.lvlsec, kMin);
    EXPECT_EQ(scr.caption, "KORVELLAN - Refreshing in - -32768");
}

}  // namespace
}  // namespace numora
