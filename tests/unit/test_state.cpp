#include <gtest/gtest.h>

#include <limits>

#include "common/scripted_random.h"
#include "missing_numbers/missing_numbers.h"
#include "multiplication/multiplication.h"

namespace numora {
namespace {

using test::ScriptedRandom;
constexpr std::int16_t kMax = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kMin = std::numeric_limits<std::int16_t>::min();

TEST(StateHelpers, CountersStopAtTheEdgesOfTheirRange)
{
    const std::tuple<std::int16_t (*)(std::int16_t), std::int16_t, std::int16_t> steps[] = {
        {saturatingIncrement, -1, 0},  {saturatingIncrement, kMax - 1, kMax}, {saturatingIncrement, kMax, kMax}, {saturatingIncrement, kMin, kMin + 1},
        {saturatingDecrement, 0, -1},  {saturatingDecrement, kMin + 1, kMin}, {saturatingDecrement, kMin, kMin}, {saturatingDecrement, kMax, kMax - 1}};
    for (const auto& [step, from, to] : steps) EXPECT_EQ(step(from), to) << from;
}

TEST(StateHelpers, LevelsAreChosenByPosition)
{
    EXPECT_EQ(levelSeconds(kMissingLevels, 1), 8);
    EXPECT_EQ(levelSeconds(kMultiplicationLevels, 2), 10);
    for (const int none : {-1, 3}) EXPECT_EQ(levelSeconds(kMissingLevels, none), std::nullopt) << none;
    EXPECT_EQ(levelSeconds({}, 0), std::nullopt) << "a list not yet filled has no entries";
}

TEST(StateHelpers, PictureFileNames)
{
    EXPECT_EQ(pictureFile(Picture::number(1)), "pno1.bmp");
    EXPECT_EQ(pictureFile(Picture::number(9)), "pno9.bmp");
    EXPECT_EQ(pictureFile(Picture::placeholder()), "pnoGus.bmp");
    EXPECT_EQ(pictureFile(Picture::empty()), "");
}

// Deals with chosen digits: the two positions (plus redraws), then the nine cells.
struct Deal : ::testing::Test {
    RunState st;
    MainScreen screen;
    ScriptedRandom rnd;

    void deal(const std::vector<int>& positions, const std::vector<int>& cells)
    {
        rnd.push(positions);
        rnd.push(cells);
        dealMissingNumbers(st, rnd, screen);
        EXPECT_EQ(rnd.left(), 0u) << "the deal drew a different number of digits";
    }
    std::vector<int> sums() const
    {
        std::vector<int> v;
        for (const Figure& f : screen.figures) v.push_back(f.value);
        return v;
    }
};

TEST_F(Deal, SumsFollowTheLabelOrderRowsThenColumnsRightToLeft)
{
    deal({1, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(sums(), (std::vector<int>{6, 15, 24, 18, 15, 12}));
    deal({5, 6}, std::vector<int>(9, 9));
    EXPECT_EQ(sums(), std::vector<int>(6, 27));
    deal({2, 3}, std::vector<int>(9, 1));
    EXPECT_EQ(sums(), std::vector<int>(6, 3));
}

TEST_F(Deal, HiddenCellsShowThePlaceholderTheRestTheirNumber)
{
    // The second position is redrawn while it equals the first, without a
    // re-seed; every cell is re-seeded before its draw.
    deal({4, 4, 4, 8}, {3, 1, 4, 1, 5, 9, 2, 6, 5});
    EXPECT_EQ(rnd.log, "rdddd" "rdrdrdrdrdrdrdrdrd");
    EXPECT_EQ(st.hidden1, 4);
    EXPECT_EQ(st.hidden2, 8);
    const std::array<std::int16_t, 9> numbers{3, 1, 4, 1, 5, 9, 2, 6, 5};
    EXPECT_EQ(st.digits, numbers);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const Picture want = (i == 3 || i == 7) ? Picture::placeholder() : Picture::number(numbers[i]);
        EXPECT_EQ(screen.cells[i], want) << "cell " << i;
    }
}

TEST_F(Deal, RestoresAnOpenPuzzle)
{
    st.found = 1;
    st.picks = 7;
    st.uncovered = {true, true};
    screen.back = Colour::LightOrange;
    screen.padEnabled = false;
    deal({1, 2}, std::vector<int>(9, 5));
    EXPECT_EQ(st.found, 0);
    EXPECT_EQ(st.picks, 0);
    EXPECT_FALSE(st.uncovered[0] || st.uncovered[1]);
    EXPECT_EQ(screen.back, Colour::ButtonFace);
    EXPECT_TRUE(screen.padEnabled);
}

TEST_F(Deal, SecondsComeFromTheChosenLevel)
{
    screen.levels = kMissingLevels;
    for (const int level : {0, 1, 2, -1}) {
        st.secondsLeft = 42;  // a value no level has
        screen.level = level;
        deal({1, 2}, std::vector<int>(9, 2));
        EXPECT_EQ(st.secondsLeft, level < 0 ? 42 : kMissingLevels[static_cast<std::size_t>(level)]) << level;
    }
}

TEST(DealClockRandom, PositionsAlwaysDifferAndEveryDigitTurnsUp)
{
    RunState st;
    MainScreen screen;
    ClockRandom rnd;
    std::array<int, 10> posSeen{}, digitSeen{};
    for (int n = 0; n < 500; ++n) {
        dealMissingNumbers(st, rnd, screen);
        ASSERT_NE(st.hidden1, st.hidden2);
        for (const int p : {st.hidden1, st.hidden2}) {
            ASSERT_TRUE(p >= 1 && p <= 9) << p;
            ++posSeen[p];
        }
        for (const int d : st.digits) {
            ASSERT_TRUE(d >= 1 && d <= 9) << d;
            ++digitSeen[d];
        }
    }
    for (int v = 1; v <= 9; ++v) {
        EXPECT_GT(posSeen[v], 0) << "position " << v;
        EXPECT_GT(digitSeen[v], 0) << "digit " << v;
    }
}

}  // namespace
}  // namespace numora
