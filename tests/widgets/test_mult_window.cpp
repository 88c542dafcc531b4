// The multiplication window: its controls, and a puzzle solved by the pad and
// by keys.
#include "app_fixture.h"

namespace numora::test {
namespace {

class MultWindow : public AppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startApp());
        mainForm()->multi1()->trigger();
        ASSERT_NE(multForm(), nullptr);
    }
    MultForm* w() { return multForm(); }
    int product(int i) { return session->state().products[i]; }
    // Enter `n` with the pad, or with main-row keys on tray(0).
    void enter(int n, bool byKeys)
    {
        for (QChar c : QString::number(n)) {
            const int d = c.digitValue();
            if (byKeys) key(w(), 0, Qt::Key(Qt::Key_0 + d));
            else click(w(), "numlbl", d);
        }
    }
    void solve(bool byKeys)
    {
        for (int i = 0; i < 4; ++i) {
            click(w(), "Clrs");  // a leftover digit must not spoil the next product
            enter(product(i), byKeys);
            EXPECT_EQ(text(w(), "sumdsply", i), QString::number(product(i)));
            if (i < 3) {
                EXPECT_EQ(shownAt(control(w(), "sumdsply", i)), kGreen);
                w()->tmr_3()->tick();  // the highlight moves on
                EXPECT_EQ(shownAt(control(w(), "sumdsply", i)), buttonFace());
            }
        }
    }
};

TEST_F(MultWindow, OpensAsDesigned)
{
    EXPECT_EQ(w()->windowTitle(), "KORVELLAN : Multiplication Game");
    EXPECT_EQ(w()->client()->size(), QSize(300, 278));
    EXPECT_EQ(w()->focusWidget(), control(w(), "stp"));
    EXPECT_EQ(control<QComboBox>(w(), "gmlvlscbo")->currentText(), "Level - 1(18 Sec.)");
    EXPECT_EQ(w()->tmr_1()->interval(), 18000);
    for (auto* t : {w()->tmr_1(), w()->tmr_2(), w()->tmr_3()}) EXPECT_FALSE(t->isRunning());
    EXPECT_FALSE(control(w(), "scltntray")->isEnabled());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(text(w(), "sumdsply", i), "?");
        EXPECT_EQ(shows(w(), i), Picture::empty());
    }
    EXPECT_EQ(text(w(), "UserEntered"), "0");
    EXPECT_EQ(text(w(), "numlbl", 0), "0");
    EXPECT_EQ(control(w(), "numlbl", 0)->geometry(), QRect(31, 108, 25, 30));
    EXPECT_EQ(control<QPushButton>(w(), "Clrs")->text(), "Cls.");
    EXPECT_EQ(control(w(), "Clrs")->parentWidget(), control(w(), "scltntray"));
    EXPECT_EQ(text(w(), "Label1", 6), "II");
}

TEST_F(MultWindow, APuzzleSolvedByThePadTurnsGreen)
{
    click(w(), "strtGm");
    EXPECT_EQ(w()->focusWidget(), control(w(), "tray", 0));
    EXPECT_TRUE(w()->tmr_3()->isRunning());
    solve(false);
    EXPECT_EQ(w()->background(), kGreen);
    EXPECT_EQ(text(w(), "UserEntered"), "");
    EXPECT_EQ(w()->focusWidget(), control(w(), "tray", 0)) << "the focus returns to the first factor";
}

TEST_F(MultWindow, APuzzleSolvedByKeysTurnsGreen)
{
    click(w(), "strtGm");
    solve(true);
    EXPECT_EQ(w()->background(), kGreen);
    w()->tmr_1()->tick();  // the next deal restores the colours
    EXPECT_EQ(w()->background(), buttonFace());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(text(w(), "sumdsply", i), "?");
}

TEST_F(MultWindow, CountdownAndStop)
{
    click(w(), "strtGm");
    w()->tmr_2()->tick();
    EXPECT_EQ(w()->windowTitle(), "KORVELLAN - Refreshing in - 17");
    EXPECT_EQ(text(w(), "strlbl"), "Refreshing in 17 Sec.");
    click(w(), "stp");
    for (auto* t : {w()->tmr_1(), w()->tmr_2(), w()->tmr_3()}) EXPECT_FALSE(t->isRunning());
    EXPECT_TRUE(control(w(), "scltntray")->isEnabled());
    EXPECT_EQ(shows(w(), 0), Picture::empty());
    EXPECT_EQ(w()->windowTitle(), "KORVELLAN - Refreshing in - 17");
}

TEST_F(MultWindow, TheLevelChosenBeforeStartSetsThePeriod)
{
    auto* combo = control<QComboBox>(w(), "gmlvlscbo");
    w()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w()));
    combo->setFocus();
    combo->setCurrentIndex(1);
    click(w(), "strtGm");
    EXPECT_EQ(w()->tmr_1()->interval(), 15000);
    EXPECT_EQ(session->state().secondsLeft, 15);
}

TEST_F(MultWindow, KeysBeforeTheFirstDealFindNothing)
{
    key(w(), 0, Qt::Key_0);
    key(w(), 0, Qt::Key_Backspace);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(text(w(), "sumdsply", i), "?");
    EXPECT_EQ(w()->background(), buttonFace());
}

}  // namespace
}  // namespace numora::test
