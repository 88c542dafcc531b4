#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "mathmod_1/mathmod_1.h"
#include "multiplication/multiplication.h"
#include "scripted_random.h"

namespace numora {
namespace {

using Captions = std::array<std::string, 4>;
constexpr auto BF = Colour::ButtonFace;
constexpr auto LG = Colour::LightGreen;

// Logs the order of re-seeds ('r') and draws ('d').
struct RecordingRandom final : RandomSource {
    explicit RecordingRandom(std::vector<int> d) : digits(std::move(d)) {}
    void reseed() override { log += 'r'; }
    int digit() override
    {
        log += 'd';
        return digits.at(next++);
    }
    std::vector<int> digits;
    std::size_t next = 0;
    std::string log;
};

struct FocusLog final : ScreenRequests {
    void focusTray(int index) override { focus.push_back(index); }
    void minimise() override {}
    std::vector<int> focus;
};

TEST(MultDeal, ReplacesThePuzzleAndRestartsTheProgress)
{
    ModuleState st;
    st.atmptcnt = 9, st.fndcnt = 2, st.entval = 56, st.enttxt = "056", st.prdfndcnt = 3;
    st.dgtcnt = 2, st.justfnd = true, st.curprd = 3, st.msngpos_1 = 4, st.msngpos_2 = 7;
    for (std::size_t i = 4; i < 9; ++i) st.numary[i] = static_cast<std::int16_t>(i + 7);
    MultBoard b;
    b.sumdsply = {"6", "...", "?", "5"};
    b.sumBack.fill(LG);
    b.back = LG;
    b.levelText = kMultLevels[1].text;
    RecordingRandom rnd({2, 3, 5, 7});

    gnrtMultNums(st, rnd, b);

    EXPECT_EQ(rnd.log, "rdrdrdrd");  // re-seeded before each factor
    EXPECT_EQ(st.numary, (std::array<std::int16_t, 9>{2, 3, 5, 7, 11, 12, 13, 14, 15}));
    EXPECT_EQ(st.prdary, (std::array<std::int16_t, 4>{6, 35, 21, 10}));  // rows, right col, left col
    EXPECT_EQ(b.tray, (std::array<Picture, 4>{Picture::number(2), Picture::number(3),
                                              Picture::number(5), Picture::number(7)}));
    EXPECT_EQ(b.sumdsply, (Captions{"?", "?", "?", "?"}));
    EXPECT_EQ(b.sumBack, (std::array<Colour, 4>{BF, BF, BF, BF}));
    EXPECT_EQ(b.back, BF);
    EXPECT_EQ(std::tie(st.atmptcnt, st.fndcnt, st.entval, st.prdfndcnt, st.dgtcnt, st.curprd),
              std::make_tuple(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(st.enttxt, "0");
    EXPECT_FALSE(st.justfnd);
    EXPECT_EQ(std::tie(st.msngpos_1, st.msngpos_2), std::make_tuple(4, 7));
    EXPECT_EQ(st.lvlsec, 15);
    EXPECT_TRUE(st.multDealt);
}

TEST(MultDeal, ExtremeAndRepeatedProducts)
{
    const std::vector<std::pair<std::array<int, 4>, std::array<std::int16_t, 4>>> cases{
        {{1, 1, 1, 1}, {1, 1, 1, 1}}, {{9, 9, 9, 9}, {81, 81, 81, 81}}, {{2, 3, 1, 6}, {6, 6, 18, 2}}};
    for (const auto& [f, p] : cases) {
        ModuleState st;
        MultBoard b;
        test::ScriptedRandom rnd({f[0], f[1], f[2], f[3]});
        gnrtMultNums(st, rnd, b);
        EXPECT_EQ(st.prdary, p);
        EXPECT_EQ(rnd.reseeds, 4);
    }
}

TEST(MultDeal, SecondsFollowTheExactLevelText)
{
    const std::vector<std::pair<std::string, int>> cases{
        {"Level - 1(18 Sec.)", 18}, {"Level - 2(15 Sec.)", 15}, {"Level - 3(10 Sec.)", 10},
        {"Level - 1(11 Sec.)", 42}, {"level - 1(18 Sec.)", 42}, {"Level - 1(18 Sec.) ", 42}, {"", 42}};
    for (const auto& [text, secs] : cases) {
        ModuleState st;
        st.lvlsec = 42;
        MultBoard b;
        b.levelText = text;
        test::ScriptedRandom rnd({1, 2, 3, 4});
        gnrtMultNums(st, rnd, b);
        EXPECT_EQ(st.lvlsec, secs) << '"' << text << '"';
    }
}

class MultGame : public ::testing::Test {
protected:
    void SetUp() override { game.levelSetup(); }
    void startWith(std::array<int, 4> f)
    {
        rnd.push({f.begin(), f.end()});
        game.start();
    }
    void dealWith(std::array<int, 4> f)
    {
        rnd.push({f.begin(), f.end()});
        game.levelTick();
    }
    // Digits typed on the main keyboard: their key codes are their ASCII codes.
    void type(std::string_view digits)
    {
        for (const char c : digits) game.trayKeyDown(c);
    }
    const Captions& captions() const { return scr.board.sumdsply; }

    ModuleState st;
    test::ScriptedRandom rnd;
    FocusLog req;
    MultiplicationGame game{st, rnd, req};
    MultScreen& scr = game.screen();
};

using MultEntry = MultGame;

TEST_F(MultEntry, OneAndTwoDigitProducts)
{
    startWith({7, 8, 1, 7});  // products 56, 7, 56, 7
    type("5");
    EXPECT_EQ(scr.userEntered, "5");
    EXPECT_EQ(st.prdfndcnt, 0);
    type("6");
    EXPECT_EQ(scr.userEntered, "56");
    EXPECT_EQ(captions()[0], "56");
    EXPECT_EQ(scr.board.sumBack[0], LG);
    EXPECT_EQ(std::tie(st.prdfndcnt, st.entval, st.dgtcnt, st.atmptcnt), std::make_tuple(1, 0, 0, 2));
    EXPECT_EQ(st.enttxt, "0");
    EXPECT_TRUE(st.justfnd);
    game.highlightTick();
    type("7");  // a one-digit product is found at once
    EXPECT_EQ(std::tie(captions()[1], scr.userEntered), std::make_tuple("7", "7"));
    EXPECT_EQ(st.prdfndcnt, 2);
}

TEST_F(MultEntry, AThirdDigitAndALeadingZero)
{
    startWith({7, 8, 1, 7});
    type("65");
    EXPECT_EQ(scr.userEntered, "65");
    type("5");  // starts a new entry on its own
    EXPECT_EQ(std::tie(scr.userEntered, st.enttxt, st.dgtcnt), std::make_tuple("5", "05", 1));
    type("6");
    EXPECT_EQ(st.prdfndcnt, 1);
    game.highlightTick();
    type("0");
    EXPECT_EQ(scr.userEntered, "0");
    type("7");  // the 0 took one of the two places
    EXPECT_EQ(std::tie(scr.userEntered, captions()[1], st.prdfndcnt), std::make_tuple("7", "7", 2));
}

TEST_F(MultEntry, KeyCodes)
{
    startWith({9, 9, 9, 9});  // 81 everywhere: no key below finds it
    const std::vector<std::pair<int, std::string>> cases{
        {48, "0"}, {49, "1"}, {57, "9"}, {96, "0"}, {97, "1"}, {105, "9"}, {8, "0"},
        {32, "0"}, {47, "0"}, {58, "0"}, {95, "0"}, {106, "0"}, {65, "0"}, {0, "0"}, {255, "0"}};
    for (const auto& [code, shown] : cases) {
        type("3");
        game.trayKeyDown(code);
        EXPECT_EQ(scr.userEntered, "3" + shown) << code;
        game.trayKeyDown(keys::kDelete);
        EXPECT_EQ(std::tie(scr.userEntered, st.enttxt, st.entval, st.dgtcnt), std::make_tuple("0", "0", 0, 0));
    }
    EXPECT_EQ(req.focus, (std::vector<int>{0}));  // keys never move the focus
}

TEST_F(MultEntry, PadClicksAndClsRefocus)
{
    startWith({1, 7, 2, 3});  // 7, 6, 21, 2
    game.numlblClick(7);
    EXPECT_EQ(std::tie(captions()[0], st.prdfndcnt, st.atmptcnt), std::make_tuple("7", 1, 1));
    game.clrsClick();
    EXPECT_EQ(std::tie(scr.userEntered, st.enttxt, st.dgtcnt), std::make_tuple("0", "0", 0));
    EXPECT_EQ(std::tie(captions()[0], scr.board.sumBack[0], st.prdfndcnt), std::make_tuple("7", LG, 1));
    EXPECT_TRUE(st.justfnd);  // the cell still settles at the next tick
    EXPECT_EQ(req.focus, (std::vector<int>{0, 0, 0}));  // Start, the click, Cls
    type("1");
    EXPECT_EQ(scr.userEntered, "1");
}

TEST_F(MultEntry, AProductCountsOnce)
{
    startWith({1, 7, 2, 3});
    type("77");
    // The second 7 is an attempt and stays in the entry, but finds nothing.
    EXPECT_EQ(std::tie(st.prdfndcnt, st.atmptcnt, scr.userEntered, st.dgtcnt), std::make_tuple(1, 2, "7", 1));
    EXPECT_TRUE(st.justfnd);  // the cell still waits to settle
    for (int i = 0; i < 4; ++i) {
        game.clrsClick();
        type("7");
    }
    EXPECT_EQ(std::tie(st.prdfndcnt, scr.board.back), std::make_tuple(1, BF));
    EXPECT_EQ(captions(), (Captions{"7", "?", "?", "?"}));
    game.highlightTick();
    EXPECT_EQ(std::tie(st.curprd, scr.board.sumBack[0]), std::make_tuple(1, BF));
}

TEST_F(MultEntry, EqualProductsAreEnteredEachInTurn)
{
    startWith({2, 3, 1, 6});  // 6, 6, 18, 2
    type("66");
    EXPECT_EQ(captions(), (Captions{"6", "?", "?", "?"}));
    game.highlightTick();
    game.highlightTick();
    EXPECT_EQ(captions()[1], "...");
    game.trayKeyDown(keys::kDelete);
    type("6");
    EXPECT_EQ(captions(), (Captions{"6", "6", "?", "?"}));
    EXPECT_EQ(st.prdfndcnt, 2);
}

TEST_F(MultEntry, AWrongDigitBeforeTheTickLeavesTheCellGreen)
{
    startWith({1, 7, 2, 3});
    type("71");
    game.highlightTick();
    EXPECT_EQ(std::tie(st.curprd, captions()[0], scr.board.sumBack[0]), std::make_tuple(1, "7", LG));
    dealWith({1, 1, 1, 1});
    EXPECT_EQ(scr.board.sumBack[0], BF);
}

TEST_F(MultEntry, ACompletedPuzzleIgnoresDigitsAndDeleteButNotCls)
{
    startWith({1, 1, 1, 1});
    for (int c = 0; c < 4; ++c) {
        type("1");
        game.highlightTick();
    }
    EXPECT_EQ(std::tie(scr.board.back, scr.userEntered, st.prdfndcnt, st.curprd), std::make_tuple(LG, "", 4, 4));
    const auto focusBefore = req.focus.size();
    game.numlblClick(1);
    game.trayKeyDown('1');
    game.trayKeyDown(keys::kDelete);
    EXPECT_EQ(std::tie(scr.userEntered, st.atmptcnt), std::make_tuple("", 4));
    EXPECT_EQ(req.focus.size(), focusBefore);  // an ignored pad click moves no focus either
    game.stop();
    EXPECT_EQ(std::tie(scr.board.back, scr.scltntrayEnabled), std::make_tuple(LG, true));
    game.clrsClick();
    EXPECT_EQ(scr.userEntered, "0");
    EXPECT_EQ(req.focus.size(), focusBefore + 1);
    startWith({2, 2, 2, 2});
    EXPECT_EQ(scr.board.back, BF);
    type("4");
    EXPECT_EQ(st.prdfndcnt, 1);
}

TEST_F(MultEntry, DigitsBeforeTheFirstDealAreIgnored)
{
    for (const int code : {48, 96, 8, 32, 65}) game.trayKeyDown(code);
    game.numlblClick(0);
    EXPECT_EQ(captions(), (Captions{"?", "?", "?", "?"}));
    EXPECT_EQ(std::tie(st.prdfndcnt, st.atmptcnt, st.dgtcnt, scr.userEntered), std::make_tuple(0, 0, 0, "0"));
    EXPECT_TRUE(req.focus.empty());
    game.clrsClick();  // clearing still works
    EXPECT_EQ(req.focus, (std::vector<int>{0}));

    // The module state outlives the window: a reopened window compares with the last puzzle.
    startWith({1, 7, 2, 3});
    FocusLog req2;
    MultiplicationGame reopened(st, rnd, req2);
    reopened.levelSetup();
    reopened.trayKeyDown('7');
    EXPECT_EQ(std::tie(reopened.screen().board.sumdsply[0], st.prdfndcnt), std::make_tuple("7", 1));
}

TEST_F(MultEntry, EntriesAfterStopUseTheStoppedPuzzle)
{
    startWith({1, 7, 2, 3});
    game.stop();
    type("7");
    EXPECT_EQ(std::tie(captions()[0], scr.board.sumBack[0], st.prdfndcnt), std::make_tuple("7", LG, 1));
}

TEST_F(MultEntry, CountersStopAtTheirLimits)
{
    startWith({9, 9, 9, 9});
    st.lvlsec = 0;
    game.countdownTick();  // the countdown itself does not stop at zero
    EXPECT_EQ(scr.caption, "KORVELLAN - Refreshing in - -1");
    st.atmptcnt = std::numeric_limits<std::int16_t>::max();
    type("1");
    EXPECT_EQ(st.atmptcnt, std::numeric_limits<std::int16_t>::max());
    st.lvlsec = std::numeric_limits<std::int16_t>::min();
    game.countdownTick();
    EXPECT_EQ(st.lvlsec, std::numeric_limits<std::int16_t>::min());
    EXPECT_EQ(scr.strlbl, "Refreshing in -32768 Sec.");
}

TEST_F(MultGame, HighlightRunsThroughAWholePuzzle)
{
    startWith({2, 3, 5, 7});
    const Captions answers{"6", "35", "21", "10"};
    for (std::size_t c = 0; c < 4; ++c) {
        Captions expected{"?", "?", "?", "?"};
        for (std::size_t k = 0; k < c; ++k) expected[k] = answers[k];
        game.highlightTick();
        expected[c] = "...";
        EXPECT_EQ(captions(), expected);
        game.highlightTick();
        expected[c] = "?";
        EXPECT_EQ(captions(), expected);
        game.highlightTick();
        type(answers[c]);
        expected[c] = answers[c];
        EXPECT_EQ(captions(), expected);
        EXPECT_EQ(std::tie(scr.board.sumBack[c], st.curprd), std::make_tuple(LG, static_cast<int>(c)));
        game.highlightTick();  // settles and moves on in the same tick
        EXPECT_EQ(captions(), expected);
        EXPECT_EQ(std::tie(scr.board.sumBack[c], st.curprd, st.justfnd),
                  std::make_tuple(BF, static_cast<int>(c + 1), false));
    }
    EXPECT_EQ(scr.board.back, LG);
    game.highlightTick();
    EXPECT_EQ(std::tie(st.curprd, captions()), std::make_tuple(4, answers));
}

using MultControl = MultGame;
using Row = std::tuple<bool, bool, bool, bool, bool, bool>;  // tmr_1..3, strtGm, gmlvlscbo, scltntray
const Row kFresh{false, false, false, true, true, false};
const Row kRunning{true, true, true, false, false, true};
const Row kStopped{false, false, false, true, true, true};

TEST_F(MultControl, StartTickStopFollowTheStateTable)
{
    auto row = [&] {
        return Row{scr.tmr_1.enabled, scr.tmr_2.enabled, scr.tmr_3.enabled, scr.strtGmEnabled,
                   scr.gmlvlscboEnabled, scr.scltntrayEnabled};
    };
    st.atmptcnt = 3;
    game.levelSetup();  // again: the list still holds three entries
    EXPECT_EQ(row(), kFresh);
    EXPECT_EQ(scr.levelItems, (std::vector<std::string>{"Level - 1(18 Sec.)", "Level - 2(15 Sec.)", "Level - 3(10 Sec.)"}));
    EXPECT_EQ(std::tie(scr.board.levelText, scr.tmr_1.interval, st.atmptcnt),
              std::make_tuple("Level - 1(18 Sec.)", 18000, 0));

    scr.board.levelText = kMultLevels[2].text;
    game.levelLostFocus();
    startWith({1, 7, 2, 3});
    EXPECT_EQ(row(), kRunning);
    EXPECT_EQ(std::tie(scr.tmr_1.interval, st.lvlsec, req.focus), std::make_tuple(10000, 10, std::vector<int>{0}));
    EXPECT_EQ(std::tie(scr.strlbl, scr.caption), std::make_tuple(kClickToSelect, kMultCaption));

    game.countdownTick();
    EXPECT_EQ(scr.caption, "KORVELLAN - Refreshing in - 9");
    EXPECT_EQ(scr.strlbl, "Refreshing in 9 Sec.");
    type("7");
    dealWith({3, 3, 3, 3});
    EXPECT_EQ(row(), kRunning);
    EXPECT_EQ(std::tie(scr.strlbl, st.lvlsec, st.prdfndcnt, st.prdary[0]), std::make_tuple(kClickNumber, 10, 0, 9));
    EXPECT_EQ(scr.userEntered, "7");  // a deal leaves the display alone
    EXPECT_EQ(scr.caption, "KORVELLAN - Refreshing in - 9");

    type("9");
    game.stop();
    EXPECT_EQ(row(), kStopped);
    EXPECT_EQ(scr.board.tray, (std::array<Picture, 4>{}));
    EXPECT_EQ(captions(), (Captions{"?", "?", "?", "?"}));
    EXPECT_EQ(std::tie(st.lvlsec, st.atmptcnt, scr.strlbl, scr.caption),
              std::make_tuple(0, 0, kClickNumber, "KORVELLAN - Refreshing in - 9"));
    EXPECT_EQ(std::tie(scr.board.sumBack[0], st.prdfndcnt, st.justfnd, scr.userEntered),
              std::make_tuple(LG, 1, true, "9"));

    startWith({4, 4, 4, 4});
    EXPECT_EQ(row(), kRunning);
    EXPECT_EQ(std::tie(scr.board.sumBack[0], st.prdfndcnt, st.justfnd, st.prdary[0]),
              std::make_tuple(BF, 0, false, 16));
}

TEST_F(MultControl, LevelChoiceSetsOnlyThePeriod)
{
    st.lvlsec = 5;
    for (const auto& [text, ms] : std::vector<std::pair<std::string, int>>{
             {"Level - 2(15 Sec.)", 15000}, {"Level - 2(8 Sec.)", 15000}, {"Level - 3(10 Sec.)", 10000},
             {"junk", 10000}, {"Level - 1(18 Sec.)", 18000}}) {
        scr.board.levelText = text;
        game.levelLostFocus();
        EXPECT_EQ(scr.tmr_1.interval, ms) << text;
    }
    EXPECT_EQ(st.lvlsec, 5);
    EXPECT_FALSE(scr.tmr_1.enabled);
}

}  // namespace
}  // namespace numora
