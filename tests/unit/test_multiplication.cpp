#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "common/key_names.h"
#include "common/requests.h"
#include "common/scripted_random.h"
#include "common/state.h"
#include "multiplication/multiplication.h"

namespace numora {
namespace {

// The product cells as the player reads them, their colour aside.
using Figures = std::vector<Figure>;
Figures read(Figures f)
{
    for (Figure& each : f) each.back = Colour::ButtonFace;
    return f;
}
const Figure U = Figure::unknown(), D{Figure::Kind::Blink};
const Figures kUnknown{U, U, U, U};
Figure N(int n) { return Figure::number(n); }
constexpr auto BF = Colour::ButtonFace;
constexpr auto LG = Colour::LightGreen;
using Entry = std::optional<std::int16_t>;

TEST(MultDeal, ReplacesThePuzzleAndRestartsTheProgress)
{
    RunState st;
    st.picks = 9, st.found = 2, st.entry = {56, 2}, st.productsFound = 3;
    st.justFound = true, st.sought = 3, st.hidden1 = 4, st.hidden2 = 7;
    for (std::size_t i = 4; i < 9; ++i) st.digits[i] = static_cast<std::int16_t>(i + 7);
    MultiplicationScreen s;
    s.figures = {Figure::number(6), {Figure::Kind::Blink}, Figure::unknown(), Figure::number(5)};
    for (auto& f : s.figures) f.back = LG;
    s.back = LG;
    s.levels = kMultiplicationLevels;
    s.level = 1;
    s.entry = 7;
    test::ScriptedRandom rnd({2, 3, 5, 7});

    dealMultiplication(st, rnd, s);

    EXPECT_EQ(rnd.log, "rdrdrdrd");  // re-seeded before each factor
    EXPECT_EQ(st.digits, (std::array<std::int16_t, 9>{2, 3, 5, 7, 11, 12, 13, 14, 15}));
    EXPECT_EQ(st.products, (std::array<std::int16_t, 4>{6, 35, 21, 10}));  // rows, right col, left col
    EXPECT_EQ(s.cells, (std::vector<Picture>{Picture::number(2), Picture::number(3), Picture::number(5),
                                            Picture::number(7)}));
    EXPECT_EQ(s.figures, std::vector<Figure>(4, Figure::unknown()));
    EXPECT_EQ(s.back, BF);
    EXPECT_EQ(s.entry, Entry(7)) << "a deal leaves the entry display alone";
    EXPECT_EQ(std::tie(st.picks, st.found, st.entry.value, st.productsFound, st.entry.digits, st.sought),
              std::make_tuple(0, 0, 0, 0, 0, 0));
    EXPECT_FALSE(st.justFound);
    EXPECT_EQ(std::tie(st.hidden1, st.hidden2), std::make_tuple(4, 7));
    EXPECT_EQ(st.secondsLeft, 15);
    EXPECT_TRUE(st.dealt);
}

TEST(MultDeal, ExtremeAndRepeatedProductsAndTheLevelsSeconds)
{
    const std::tuple<std::array<int, 4>, std::array<std::int16_t, 4>, int, int> cases[] = {
        {{1, 1, 1, 1}, {1, 1, 1, 1}, 0, 18},
        {{9, 9, 9, 9}, {81, 81, 81, 81}, 2, 10},
        {{2, 3, 1, 6}, {6, 6, 18, 2}, -1, 42}};  // no level chosen: the seconds stay
    for (const auto& [f, p, level, secs] : cases) {
        RunState st;
        st.secondsLeft = 42;
        MultiplicationScreen s;
        s.levels = kMultiplicationLevels;
        s.level = level;
        test::ScriptedRandom rnd({f[0], f[1], f[2], f[3]});
        dealMultiplication(st, rnd, s);
        EXPECT_EQ(st.products, p);
        EXPECT_EQ(st.secondsLeft, secs) << level;
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
    // Digits typed on a cell.
    void type(std::string_view digits)
    {
        for (const char c : digits) game.cellKeyDown(keys::digit(c - '0'));
    }
    Figures captions() const { return read(scr.figures); }

    RunState st;
    test::ScriptedRandom rnd;
    test::FakeRequests req;
    MultiplicationGame game{st, rnd, req};
    MultiplicationScreen& scr = game.screen();
};

using MultEntry = MultGame;

TEST_F(MultEntry, OneAndTwoDigitProducts)
{
    startWith({7, 8, 1, 7});  // products 56, 7, 56, 7
    type("5");
    EXPECT_EQ(scr.entry, Entry(5));
    EXPECT_EQ(st.productsFound, 0);
    type("6");
    EXPECT_EQ(scr.entry, Entry(56));
    EXPECT_EQ(scr.figures[0], (Figure{Figure::Kind::Number, 56, LG}));
    EXPECT_EQ(std::tie(st.productsFound, st.entry.value, st.entry.digits, st.picks), std::make_tuple(1, 0, 0, 2));
    EXPECT_TRUE(st.justFound);
    game.highlightTick();
    type("7");  // a one-digit product is found at once
    EXPECT_EQ(captions()[1], N(7));
    EXPECT_EQ(scr.entry, Entry(7));
    EXPECT_EQ(st.productsFound, 2);
}

TEST_F(MultEntry, AThirdDigitAndALeadingZero)
{
    startWith({7, 8, 1, 7});
    type("65");
    EXPECT_EQ(scr.entry, Entry(65));
    type("5");  // starts a new entry on its own
    EXPECT_EQ(std::tie(scr.entry, st.entry.value, st.entry.digits), std::make_tuple(Entry(5), 5, 1));
    type("6");
    EXPECT_EQ(st.productsFound, 1);
    game.highlightTick();
    type("0");
    EXPECT_EQ(scr.entry, Entry(0));
    type("7");  // the 0 took one of the two places
    EXPECT_EQ(std::tie(scr.entry, st.productsFound), std::make_tuple(Entry(7), 2));
    EXPECT_EQ(captions()[1], N(7));
}

// Digits enter themselves, any other key a 0, and Clear empties the entry.
TEST_F(MultEntry, KeysEnterDigits)
{
    startWith({9, 9, 9, 9});  // 81 everywhere: no key below finds it
    const std::pair<Key, int> cases[] = {{keys::digit(0), 30}, {keys::digit(1), 31}, {keys::digit(9), 39}, {keys::kOther, 30}};
    for (const auto& [key, shown] : cases) {
        type("3");
        game.cellKeyDown(key);
        EXPECT_EQ(scr.entry, Entry(shown)) << nameOf(key);
        game.cellKeyDown(keys::kClear);
        EXPECT_EQ(std::tie(scr.entry, st.entry.value, st.entry.digits), std::make_tuple(Entry(0), 0, 0));
    }
    EXPECT_EQ(req.focused, (std::vector<int>{0}));  // keys never move the focus
}

TEST_F(MultEntry, PadClicksAndClsRefocus)
{
    startWith({1, 7, 2, 3});  // 7, 6, 21, 2
    game.padClick(7);
    EXPECT_EQ(std::tie(st.productsFound, st.picks), std::make_tuple(1, 1));
    EXPECT_EQ(captions()[0], N(7));
    game.clearClick();
    EXPECT_EQ(std::tie(scr.entry, st.entry.value, st.entry.digits), std::make_tuple(Entry(0), 0, 0));
    EXPECT_EQ(scr.figures[0], (Figure{Figure::Kind::Number, 7, LG}));
    EXPECT_EQ(st.productsFound, 1);
    EXPECT_TRUE(st.justFound);  // the cell still settles at the next tick
    EXPECT_EQ(req.focused, (std::vector<int>{0, 0, 0}));  // Start, the click, Cls
    type("1");
    EXPECT_EQ(scr.entry, Entry(1));
}

TEST_F(MultEntry, AProductCountsOnce)
{
    startWith({1, 7, 2, 3});
    type("77");
    // The second 7 is an attempt and stays in the entry, but finds nothing.
    EXPECT_EQ(std::tie(st.productsFound, st.picks, scr.entry, st.entry.digits), std::make_tuple(1, 2, Entry(7), 1));
    EXPECT_TRUE(st.justFound);  // the cell still waits to settle
    for (int i = 0; i < 4; ++i) {
        game.clearClick();
        type("7");
    }
    EXPECT_EQ(std::tie(st.productsFound, scr.back), std::make_tuple(1, BF));
    EXPECT_EQ(captions(), (Figures{N(7), U, U, U}));
    game.highlightTick();
    EXPECT_EQ(std::tie(st.sought, scr.figures[0].back), std::make_tuple(1, BF));
}

TEST_F(MultEntry, EqualProductsAreEnteredEachInTurn)
{
    startWith({2, 3, 1, 6});  // 6, 6, 18, 2
    type("66");
    EXPECT_EQ(captions(), (Figures{N(6), U, U, U}));
    game.highlightTick();
    game.highlightTick();
    EXPECT_EQ(captions()[1], D);
    game.cellKeyDown(keys::kClear);
    type("6");
    EXPECT_EQ(captions(), (Figures{N(6), N(6), U, U}));
    EXPECT_EQ(st.productsFound, 2);
}

TEST_F(MultEntry, AWrongDigitBeforeTheTickLeavesTheCellGreen)
{
    startWith({1, 7, 2, 3});
    type("71");
    game.highlightTick();
    EXPECT_EQ(std::tie(st.sought, scr.figures[0].back), std::make_tuple(1, LG));
    EXPECT_EQ(captions()[0], N(7));
    dealWith({1, 1, 1, 1});
    EXPECT_EQ(scr.figures[0].back, BF);
}

TEST_F(MultEntry, ACompletedPuzzleIgnoresDigitsAndDeleteButNotCls)
{
    startWith({1, 1, 1, 1});
    for (int c = 0; c < 4; ++c) {
        type("1");
        game.highlightTick();
    }
    EXPECT_EQ(std::tie(scr.back, scr.entry, st.productsFound, st.sought), std::make_tuple(LG, Entry(), 4, 4));
    const auto focusBefore = req.focused.size();
    game.padClick(1);
    type("1");
    game.cellKeyDown(keys::kClear);
    EXPECT_EQ(std::tie(scr.entry, st.picks), std::make_tuple(Entry(), 4));
    EXPECT_EQ(req.focused.size(), focusBefore);  // an ignored pad click moves no focus either
    game.stop();
    EXPECT_EQ(std::tie(scr.back, scr.padEnabled), std::make_tuple(LG, true));
    game.clearClick();
    EXPECT_EQ(scr.entry, Entry(0));
    EXPECT_EQ(req.focused.size(), focusBefore + 1);
    startWith({2, 2, 2, 2});
    EXPECT_EQ(scr.back, BF);
    type("4");
    EXPECT_EQ(st.productsFound, 1);
}

TEST_F(MultEntry, DigitsBeforeTheFirstDealAreIgnored)
{
    for (const Key key : {keys::digit(0), keys::digit(7), keys::kOther}) game.cellKeyDown(key);
    game.padClick(0);
    EXPECT_EQ(captions(), kUnknown);
    EXPECT_EQ(std::tie(st.productsFound, st.picks, st.entry.digits, scr.entry), std::make_tuple(0, 0, 0, Entry(0)));
    EXPECT_TRUE(req.focused.empty());
    game.clearClick();  // clearing still works
    EXPECT_EQ(req.focused, (std::vector<int>{0}));

    // The module state outlives the window: a reopened window compares with the last puzzle.
    startWith({1, 7, 2, 3});
    test::FakeRequests req2;
    MultiplicationGame reopened(st, rnd, req2);
    reopened.levelSetup();
    reopened.cellKeyDown(keys::digit(7));
    EXPECT_EQ(read(reopened.screen().figures)[0], N(7));
    EXPECT_EQ(st.productsFound, 1);
}

TEST_F(MultEntry, EntriesAfterStopUseTheStoppedPuzzle)
{
    startWith({1, 7, 2, 3});
    game.stop();
    type("7");
    EXPECT_EQ(scr.figures[0], (Figure{Figure::Kind::Number, 7, LG}));
    EXPECT_EQ(st.productsFound, 1);
}

TEST_F(MultEntry, CountersStopAtTheirLimits)
{
    startWith({9, 9, 9, 9});
    st.secondsLeft = 0;
    game.countdownTick();  // the countdown itself does not stop at zero
    EXPECT_EQ(scr.caption, (Caption{Caption::Kind::Countdown, -1}));
    st.picks = std::numeric_limits<std::int16_t>::max();
    type("1");
    EXPECT_EQ(st.picks, std::numeric_limits<std::int16_t>::max());
    st.secondsLeft = std::numeric_limits<std::int16_t>::min();
    game.countdownTick();
    EXPECT_EQ(st.secondsLeft, std::numeric_limits<std::int16_t>::min());
    EXPECT_EQ(scr.status, (Status{Status::Kind::Refreshing, std::numeric_limits<std::int16_t>::min()}));
}

TEST_F(MultGame, HighlightRunsThroughAWholePuzzle)
{
    startWith({2, 3, 5, 7});
    const int answers[] = {6, 35, 21, 10};
    for (std::size_t c = 0; c < 4; ++c) {
        Figures expected = kUnknown;
        for (std::size_t k = 0; k < c; ++k) expected[k] = N(answers[k]);
        game.highlightTick();
        expected[c] = D;
        EXPECT_EQ(captions(), expected);
        game.highlightTick();
        expected[c] = U;
        EXPECT_EQ(captions(), expected);
        game.highlightTick();
        type(std::to_string(answers[c]));
        expected[c] = N(answers[c]);
        EXPECT_EQ(captions(), expected);
        EXPECT_EQ(std::tie(scr.figures[c].back, st.sought), std::make_tuple(LG, static_cast<int>(c)));
        game.highlightTick();  // settles and moves on in the same tick
        EXPECT_EQ(captions(), expected);
        EXPECT_EQ(std::tie(scr.figures[c].back, st.sought, st.justFound),
                  std::make_tuple(BF, static_cast<int>(c + 1), false));
    }
    EXPECT_EQ(scr.back, LG);
    game.highlightTick();
    EXPECT_EQ(st.sought, 4);
    EXPECT_EQ(captions(), (Figures{N(6), N(35), N(21), N(10)}));
}

// What a screen reader is to tell: a new puzzle, the product to find as the
// highlight moves, each product found, the completed puzzle, a Stop.
TEST_F(MultGame, TellsWhatThePlayerSeesChange)
{
    using K = News::Kind;
    startWith({2, 3, 5, 7});  // 6, 35, 21, 10
    EXPECT_EQ(req.told, (std::vector<News>{{K::Dealt}, {K::ProductSought, 0}}));
    std::vector<News> heard;
    for (const char* answer : {"6", "35", "21", "10"}) {
        req.told.clear();
        type(answer);
        game.highlightTick();
        heard.insert(heard.end(), req.told.begin(), req.told.end());
    }
    EXPECT_EQ(heard, (std::vector<News>{{K::ProductFound, 6}, {K::ProductSought, 1}, {K::ProductFound, 35},
                                        {K::ProductSought, 2}, {K::ProductFound, 21}, {K::ProductSought, 3},
                                        {K::ProductFound, 10}, {K::Completed}}));
    req.told.clear();
    game.stop();
    EXPECT_EQ(req.told, (std::vector<News>{{K::Stopped}}));
}

using MultControl = MultGame;
using Row = std::tuple<bool, bool, bool, bool, bool, bool>;  // the level, countdown and highlight timers; start, level list, pad
const Row kFresh{false, false, false, true, true, false};
const Row kRunning{true, true, true, false, false, true};
const Row kStopped{false, false, false, true, true, true};
const Status kClickNumber{Status::Kind::ClickNumber};
const Caption kNine{Caption::Kind::Countdown, 9};

TEST_F(MultControl, StartTickStopFollowTheStateTable)
{
    auto row = [&] {
        return Row{scr.levelTimer.enabled, scr.countdownTimer.enabled, scr.highlightTimer.enabled, scr.startEnabled,
                   scr.levelsEnabled, scr.padEnabled};
    };
    st.picks = 3;
    game.levelSetup();  // again: the list still holds three entries
    EXPECT_EQ(row(), kFresh);
    EXPECT_EQ(std::vector<std::int16_t>(scr.levels.begin(), scr.levels.end()), (std::vector<std::int16_t>{18, 15, 10}));
    EXPECT_EQ(std::tie(scr.level, scr.levelTimer.interval, st.picks), std::make_tuple(0, 18000, 0));

    scr.level = 2;
    game.levelLostFocus();
    startWith({1, 7, 2, 3});
    EXPECT_EQ(row(), kRunning);
    EXPECT_EQ(std::tie(scr.levelTimer.interval, st.secondsLeft, req.focused), std::make_tuple(10000, 10, std::vector<int>{0}));
    EXPECT_EQ(std::tie(scr.status, scr.caption), std::make_tuple(Status{}, Caption{}));

    game.countdownTick();
    EXPECT_EQ(scr.caption, kNine);
    EXPECT_EQ(scr.status, (Status{Status::Kind::Refreshing, 9}));
    type("7");
    dealWith({3, 3, 3, 3});
    EXPECT_EQ(row(), kRunning);
    EXPECT_EQ(std::tie(scr.status, st.secondsLeft, st.productsFound, st.products[0]), std::make_tuple(kClickNumber, 10, 0, 9));
    EXPECT_EQ(scr.caption, kNine);

    type("9");
    game.stop();
    EXPECT_EQ(row(), kStopped);
    EXPECT_EQ(scr.cells, std::vector<Picture>(4));
    EXPECT_EQ(captions(), kUnknown);
    EXPECT_EQ(std::tie(st.secondsLeft, st.picks, scr.status, scr.caption), std::make_tuple(0, 0, kClickNumber, kNine));
    EXPECT_EQ(std::tie(scr.figures[0].back, st.productsFound, st.justFound, scr.entry),
              std::make_tuple(LG, 1, true, Entry(9)));

    startWith({4, 4, 4, 4});
    EXPECT_EQ(row(), kRunning);
    EXPECT_EQ(std::tie(scr.figures[0].back, st.productsFound, st.justFound, st.products[0]), std::make_tuple(BF, 0, false, 16));
}

TEST_F(MultControl, LevelChoiceSetsOnlyThePeriod)
{
    st.secondsLeft = 5;
    for (const auto& [level, ms] : {std::pair{1, 15000}, {-1, 15000}, {2, 10000}, {0, 18000}}) {
        scr.level = level;
        game.levelLostFocus();
        EXPECT_EQ(scr.levelTimer.interval, ms) << level;
    }
    EXPECT_EQ(st.secondsLeft, 5);
    EXPECT_FALSE(scr.levelTimer.enabled);
}

}  // namespace
}  // namespace numora
