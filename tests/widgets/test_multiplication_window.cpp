// The multiplication window: its controls, and a puzzle solved by the pad and
// by keys.
#include "common/app_fixture.h"

namespace numora::test {
namespace {

class MultWindow : public AppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startApp());
        choose(mainForm(), kMultiplicationItem);
        ASSERT_NE(multiplicationForm(), nullptr);
    }
    MultiplicationForm* w() { return multiplicationForm(); }
    int product(int i) { return state.products[i]; }
    // Enter `n` with the pad, or with main-row keys on the first cell.
    void enter(int n, bool byKeys)
    {
        for (QChar c : QString::number(n)) {
            const int d = c.digitValue();
            if (byKeys) key(w(), 0, Qt::Key(Qt::Key_0 + d));
            else click(w(), Control::PadKeys, d);
        }
    }
    void solve(bool byKeys)
    {
        for (int i = 0; i < 4; ++i) {
            click(w(), Control::ClearButton);  // a leftover digit must not spoil the next product
            enter(product(i), byKeys);
            EXPECT_EQ(text(w(), Control::Figures, i), QString::number(product(i)));
            if (i < 3) {
                EXPECT_EQ(shownAt(control(w(), Control::Figures, i)), kGreen);
                tick(timer(w(), HighlightTimer));  // the highlight moves on
                EXPECT_EQ(shownAt(control(w(), Control::Figures, i)), buttonFace());
            }
        }
    }
};

TEST_F(MultWindow, OpensAsDesigned)
{
    EXPECT_EQ(w()->windowTitle(), "KORVELLAN : Multiplication Game");
    EXPECT_EQ(w()->centralWidget()->size(), QSize(300, 278));
    EXPECT_EQ(w()->focusWidget(), control(w(), Control::StopButton));
    EXPECT_EQ(control<QComboBox>(w(), Control::LevelList)->currentText(), "Level - 1(18 Sec.)");
    EXPECT_EQ(period(timer(w(), LevelTimer)), 18000);
    for (const GameTimer* t : timers(w())) EXPECT_FALSE(running(t));
    EXPECT_FALSE(control(w(), Control::Pad)->isEnabled());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(text(w(), Control::Figures, i), "?");
        EXPECT_EQ(shows(w(), i), Picture::empty());
    }
    EXPECT_EQ(text(w(), Control::Entry), "0");
    EXPECT_EQ(text(w(), Control::PadKeys, 0), "0");
    EXPECT_EQ(control(w(), Control::PadKeys, 0)->geometry(), QRect(31, 108, 25, 30));
    EXPECT_EQ(control<QPushButton>(w(), Control::ClearButton)->text(), "Cls.");
    EXPECT_EQ(control(w(), Control::ClearButton)->parentWidget(), control(w(), Control::Pad));
    EXPECT_EQ(text(w(), Control::Signs, 6), "II");
}

TEST_F(MultWindow, APuzzleSolvedByThePadTurnsGreen)
{
    click(w(), Control::StartButton);
    EXPECT_EQ(w()->focusWidget(), control(w(), Control::Cells, 0));
    EXPECT_TRUE(running(timer(w(), HighlightTimer)));
    solve(false);
    EXPECT_EQ(background(w()), kGreen);
    EXPECT_EQ(text(w(), Control::Entry), "");
    EXPECT_EQ(w()->focusWidget(), control(w(), Control::Cells, 0)) << "the focus returns to the first factor";
}

TEST_F(MultWindow, APuzzleSolvedByKeysTurnsGreen)
{
    click(w(), Control::StartButton);
    solve(true);
    EXPECT_EQ(background(w()), kGreen);
    tick(timer(w(), LevelTimer));  // the next deal restores the colours
    EXPECT_EQ(background(w()), buttonFace());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(text(w(), Control::Figures, i), "?");
}

TEST_F(MultWindow, CountdownAndStop)
{
    click(w(), Control::StartButton);
    tick(timer(w(), CountdownTimer));
    EXPECT_EQ(w()->windowTitle(), "KORVELLAN - Refreshing in - 17");
    EXPECT_EQ(text(w(), Control::Status), "Refreshing in 17 Sec.");
    click(w(), Control::StopButton);
    for (const GameTimer* t : timers(w())) EXPECT_FALSE(running(t));
    EXPECT_TRUE(control(w(), Control::Pad)->isEnabled());
    EXPECT_EQ(shows(w(), 0), Picture::empty());
    EXPECT_EQ(w()->windowTitle(), "KORVELLAN - Refreshing in - 17");
}

TEST_F(MultWindow, TheLevelChosenBeforeStartSetsThePeriod)
{
    auto* combo = control<QComboBox>(w(), Control::LevelList);
    w()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w()));
    combo->setFocus();
    combo->setCurrentIndex(1);
    click(w(), Control::StartButton);
    EXPECT_EQ(period(timer(w(), LevelTimer)), 15000);
    EXPECT_EQ(state.secondsLeft, 15);
}

TEST_F(MultWindow, KeysBeforeTheFirstDealFindNothing)
{
    key(w(), 0, Qt::Key_0);
    key(w(), 0, Qt::Key_Backspace);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(text(w(), Control::Figures, i), "?");
    EXPECT_EQ(background(w()), buttonFace());
}

}  // namespace
}  // namespace numora::test
