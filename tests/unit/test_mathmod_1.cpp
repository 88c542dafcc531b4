#include <gtest/gtest.h>

#include <limits>

#include "mathmod_1/mathmod_1.h"
#include "scripted_random.h"

namespace numora {
namespace {

using test::ScriptedRandom;
constexpr std::int16_t kMax = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kMin = std::numeric_limits<std::int16_t>::min();

TEST(MathmodHelpers, CountersStopAtTheEdgesOfTheirRange)
{
    EXPECT_EQ(incSat(-1), 0);
    EXPECT_EQ(incSat(kMax - 1), kMax);
    EXPECT_EQ(incSat(kMax), kMax);
    EXPECT_EQ(incSat(kMin), kMin + 1);
    EXPECT_EQ(decSat(0), -1);
    EXPECT_EQ(decSat(kMin + 1), kMin);
    EXPECT_EQ(decSat(kMin), kMin);
    EXPECT_EQ(decSat(kMax), kMax - 1);
}

TEST(MathmodHelpers, LevelTextsAreComparedExactly)
{
    EXPECT_EQ(levelSeconds(kMissingLevels, "Level - 1(11 Sec.)"), 11);
    EXPECT_EQ(levelSeconds(kMissingLevels, "Level - 2(8 Sec.)"), 8);
    EXPECT_EQ(levelSeconds(kMissingLevels, "Level - 3(6 Sec.)"), 6);
    for (const char* near : {"", "Level - 2(8 Sec.) ", "level - 2(8 Sec.)", "Level - 2(8 Sec)",
                             "Level - 1(18 Sec.)"})
        EXPECT_EQ(levelSeconds(kMissingLevels, near), -1) << '"' << near << '"';
}

TEST(MathmodHelpers, PictureFileNames)
{
    EXPECT_EQ(pictureFile(Picture::number(1)), "pno1.bmp");
    EXPECT_EQ(pictureFile(Picture::number(9)), "pno9.bmp");
    EXPECT_EQ(pictureFile(Picture::placeholder()), "pnoGus.bmp");
    EXPECT_EQ(pictureFile(Picture::empty()), "");
}

// Deals with chosen digits: the two positions (plus redraws), then the nine cells.
struct Deal : ::testing::Test {
    ModuleState st;
    MissingBoard board;
    ScriptedRandom rnd;

    void deal(std::vector<int> positions, std::vector<int> cells)
    {
        rnd.push(positions);
        rnd.push(cells);
        gnrtMsngNums(st, rnd, board);
        EXPECT_EQ(rnd.left(), 0u) << "the deal drew a different number of digits";
    }
};

TEST_F(Deal, SumsFollowTheLabelOrderRowsThenColumnsRightToLeft)
{
    deal({1, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const std::array<std::string, 6> expected{"6", "15", "24", "18", "15", "12"};
    EXPECT_EQ(board.sumdsply, expected);

    deal({5, 6}, {9, 9, 9, 9, 9, 9, 9, 9, 9});
    for (const auto& s : board.sumdsply) EXPECT_EQ(s, "27");
    deal({2, 3}, {1, 1, 1, 1, 1, 1, 1, 1, 1});
    for (const auto& s : board.sumdsply) EXPECT_EQ(s, "3");
}

TEST_F(Deal, HiddenCellsShowThePlaceholderTheRestTheirNumber)
{
    // The second position is redrawn while it equals the first, without a re-seed.
    deal({4, 4, 4, 8}, {3, 1, 4, 1, 5, 9, 2, 6, 5});
    EXPECT_EQ(st.msngpos_1, 4);
    EXPECT_EQ(st.msngpos_2, 8);
    EXPECT_EQ(rnd.reseeds, 10);
    const std::array<std::int16_t, 9> numbers{3, 1, 4, 1, 5, 9, 2, 6, 5};
    EXPECT_EQ(st.numary, numbers);
    for (int i = 0; i < 9; ++i) {
        const Picture want = (i == 3 || i == 7) ? Picture::placeholder() : Picture::number(numbers[i]);
        EXPECT_EQ(board.tray[i], want) << "cell " << i;
    }
}

TEST_F(Deal, RestoresAnOpenPuzzle)
{
    st.fndcnt = 1;
    st.atmptcnt = 7;
    st.uncovered = {true, true};
    board.back = Colour::LightOrange;
    board.scltntrayEnabled = false;
    board.tray.fill(Picture::empty());
    deal({1, 2}, {5, 5, 5, 5, 5, 5, 5, 5, 5});
    EXPECT_EQ(st.fndcnt, 0);
    EXPECT_EQ(st.atmptcnt, 0);
    EXPECT_FALSE(st.uncovered[0] || st.uncovered[1]);
    EXPECT_EQ(board.back, Colour::ButtonFace);
    EXPECT_TRUE(board.scltntrayEnabled);
}

TEST_F(Deal, SecondsComeFromTheExactLevelText)
{
    const std::vector<int> cells(9, 2);
    for (const auto& l : kMissingLevels) {
        board.levelText = l.text;
        deal({1, 2}, cells);
        EXPECT_EQ(st.lvlsec, l.seconds) << l.text;
    }
    for (const char* other : {"", "Level - 1(18 Sec.)", "Level - 3(6 Sec.) "}) {
        st.lvlsec = 0;  // as after a Stop
        board.levelText = other;
        deal({1, 2}, cells);
        EXPECT_EQ(st.lvlsec, 0) << '"' << other << '"';
    }
}

TEST(DealClockRandom, PositionsAlwaysDifferAndEveryDigitTurnsUp)
{
    ModuleState st;
    MissingBoard board;
    ClockRandom rnd;
    std::array<int, 10> posSeen{}, digitSeen{};
    for (int n = 0; n < 500; ++n) {
        gnrtMsngNums(st, rnd, board);
        ASSERT_NE(st.msngpos_1, st.msngpos_2);
        for (const int p : {st.msngpos_1, st.msngpos_2}) {
            ASSERT_TRUE(p >= 1 && p <= 9) << p;
            ++posSeen[p];
        }
        for (const int d : st.numary) {
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
