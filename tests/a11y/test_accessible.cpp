// What a screen reader finds in the game windows: cells named by what they
// show and never by a hidden number, number-pad keys that can be pressed
// exactly when a click would work, labels that read as their text.
#include <QAccessible>
#include <QMessageBox>

#include "a11y/accessible_tree.h"
#include "common/scripted_random.h"
#include "widgets/app_fixture.h"

namespace numora::test {
namespace {

// Hidden cells 1 and 5 both hold a 7, and nothing else in the window shows a 7
// but the pad key: the visible digits are 1 2 3 4 5 5 1, the sums 10 14 11 and
// 10 16 9. Dealt as: hidden positions, then the nine digits.
const std::vector<int> kSevensHidden{2, 6, 1, 7, 2, 3, 4, 7, 5, 5, 1};
const std::vector<int> kAllNines{1, 2, 9, 9, 9, 9, 9, 9, 9, 9, 9};

class ScreenReader : public AppTest {
protected:
    test::ScriptedRandom deals;

    void SetUp() override
    {
        // As when a screen reader is listening.
        QAccessible::setActive(true);
        random = &deals;
        ASSERT_TRUE(startApp());
    }
    MainForm* w() { return mainForm(); }
    QWidget* cell(int i) { return control(w(), "tray", i); }
    QWidget* padKey(int digit) { return control(w(), "numlbl", digit - 1); }
    int picks() { return session->state().picks; }
};

TEST_F(ScreenReader, CellsSayWhatTheyShowAndNeverAHiddenNumber)
{
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(acc(cell(i))->role(), QAccessible::Graphic);
        EXPECT_EQ(name(cell(i)), "empty");
    }
    deals.push(kSevensHidden);
    click(w(), "strtGm");
    ASSERT_EQ(session->state().digits[1], 7);
    ASSERT_EQ(session->state().digits[5], 7);
    const QStringList want{"1", "hidden", "2", "3", "4", "hidden", "5", "5", "1"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(name(cell(i)), want[i]) << "cell " << i;

    // Nothing anywhere in the window tells a 7, the pad's key aside.
    int cells = 0;
    bool sawKey = false;
    for (const Told& t : everything(w())) {
        if (t.object == padKey(7)) {
            sawKey = t.all.contains('7');
            continue;
        }
        cells += t.role == QAccessible::Graphic;
        EXPECT_FALSE(t.all.contains('7')) << t.object->objectName().toStdString() << ": " << t.all.toStdString();
    }
    EXPECT_EQ(cells, 9) << "the walk must reach every cell";
    EXPECT_TRUE(sawKey) << "the walk must read the texts it checks";

    press(padKey(7));
    EXPECT_EQ(name(cell(1)), "7");
    EXPECT_EQ(name(cell(5)), "7");
    EXPECT_EQ(w()->background(), kGreen);
}

TEST_F(ScreenReader, PadKeysArePressableExactlyWhenAClickWouldWork)
{
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(acc(padKey(d))->role(), QAccessible::Button);
        EXPECT_EQ(name(padKey(d)), QString::number(d));
        EXPECT_TRUE(acc(padKey(d))->state().disabled) << "no game yet";
    }
    deals.push(kSevensHidden);
    click(w(), "strtGm");
    press(padKey(1));
    EXPECT_EQ(picks(), 1);
    press(padKey(7));
    ASSERT_EQ(w()->background(), kGreen);
    ASSERT_FALSE(padKey(1)->isEnabled());
    press(padKey(1));
    EXPECT_EQ(picks(), 2) << "a solved puzzle's pad is disabled";

    // The fifth pick locks out and hides the pad; a sixth cannot get through.
    deals.push(kAllNines);
    w()->tmr_1()->tick();
    for (int k = 0; k < 5; ++k) press(padKey(1));
    ASSERT_EQ(w()->background(), kOrange);
    ASSERT_FALSE(padKey(1)->isVisible());
    EXPECT_TRUE(acc(padKey(1))->state().invisible);
    // The status line's and the title's seconds are said as a word, singular
    // and plural; the screen keeps its "Sec.".
    const QString wait = "You have exceeded maximum number of attempts. Wait will refresh in %1.";
    EXPECT_EQ(name(control(w(), "strlbl")), wait.arg("11 seconds"));
    for (int k = 0; k < 10; ++k) w()->tmr_2()->tick();
    EXPECT_EQ(name(control(w(), "strlbl")), wait.arg("1 second"));
    EXPECT_EQ(text(w(), "strlbl"), "You have exceeded maximum number of attempts. Wait will refresh in 1 Sec.");
    EXPECT_EQ(name(w()), "KORVELLAN: Refreshing in 1 second.");
    press(padKey(9));
    EXPECT_EQ(picks(), 5);
    EXPECT_EQ(name(cell(0)), "hidden") << "a 9 pressed around the lock-out uncovered a cell";

    // Nobody clicks a minimised window, nor one behind a message box.
    deals.push(kAllNines);
    w()->tmr_1()->tick();
    w()->showMinimized();
    press(padKey(9));
    EXPECT_EQ(picks(), 0);
    EXPECT_EQ(name(control(w(), "strlbl")), "Click number to select.") << "once the seconds are gone, it reads as shown";
    w()->showNormal();
    {
        QMessageBox box(QMessageBox::Information, "KORVELLAN", "a message");
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &box);
        press(padKey(9));
        EXPECT_EQ(picks(), 0);
    }
    press(padKey(9));
    EXPECT_EQ(picks(), 1);
    EXPECT_EQ(name(cell(0)), "9");

    // The multiplication pad comes back disabled with its window, while the
    // rules would still take a digit for the puzzle left behind.
    w()->multi1()->trigger();
    ASSERT_NE(multForm(), nullptr);
    deals.push({2, 3, 4, 5});
    click(multForm(), "strtGm");
    press(control(multForm(), "numlbl", 5));
    EXPECT_EQ(text(multForm(), "UserEntered"), "5");
    click(multForm(), "extgm");
    settle();
    mainForm()->multi1()->trigger();
    ASSERT_NE(multForm(), nullptr);
    ASSERT_FALSE(control(multForm(), "numlbl", 5)->isEnabled());
    press(control(multForm(), "numlbl", 5));
    EXPECT_EQ(text(multForm(), "UserEntered"), "0");
}

TEST_F(ScreenReader, LabelsReadAsTheirTextAndSaySoWhatTheyAre)
{
    // Every text label, in every state it passes through, reads as it shows.
    auto labelsReadTheirText = [](GameWindow* win, const char* when) {
        int labels = 0;
        for (QLabel* l : win->client()->findChildren<QLabel*>()) {
            ++labels;
            EXPECT_EQ(name(l), l->text()) << when << ": " << l->objectName().toStdString();
        }
        EXPECT_GT(labels, 10) << when;
    };
    labelsReadTheirText(w(), "main at load");
    deals.push(kSevensHidden);
    click(w(), "strtGm");
    w()->tmr_2()->tick();
    EXPECT_EQ(name(control(w(), "sumdsply", 4)), "16");
    EXPECT_EQ(name(control(w(), "strlbl")), "Click number to select.");
    labelsReadTheirText(w(), "main during play");

    // What each number on the window is, told apart by its description.
    QStringList described;
    for (int i = 0; i < 6; ++i) described << acc(control(w(), "sumdsply", i))->text(QAccessible::Description);
    for (int i = 0; i < 9; ++i) described << acc(cell(i))->text(QAccessible::Description);
    described << acc(control(w(), "strlbl"))->text(QAccessible::Description);
    EXPECT_EQ(described.size(), QSet<QString>(described.begin(), described.end()).size()) << described.join(", ").toStdString();
    EXPECT_FALSE(described.contains(QString()));
    EXPECT_EQ(acc(control(w(), "sumdsply", 0))->text(QAccessible::Description), "sum of the top row");
    // Where the screen abbreviates for the eye, a screen reader hears words.
    EXPECT_EQ(acc(cell(0))->text(QAccessible::Description), "top row, left column. Row sum: 10, column sum: 9.");
    auto* levels = qobject_cast<QComboBox*>(control(w(), "gmlvlscbo"));
    EXPECT_EQ(levels->currentText(), "Level - 1(11 Sec.)");
    EXPECT_EQ(name(levels), "Level 1, 11 seconds");
    EXPECT_EQ(acc(levels)->child(0)->child(2)->text(QAccessible::Name), "Level 3, 6 seconds");
    EXPECT_EQ(name(w()->multi1()), "Multiplication Game 1");

    w()->multi1()->trigger();
    MultForm* m = multForm();
    ASSERT_NE(m, nullptr);
    labelsReadTheirText(m, "multiplication at load");
    deals.push({2, 3, 4, 5});
    click(m, "strtGm");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(name(control(m, "tray", i)), QString::number(i + 2));
    press(control(m, "numlbl", 6));
    EXPECT_EQ(name(control(m, "UserEntered")), "6") << "2 x 3 entered by the pad";
    m->tmr_3()->tick();
    m->tmr_3()->tick();
    EXPECT_EQ(name(control(m, "sumdsply", 1)), "...") << "the highlight moved on to the bottom row";
    labelsReadTheirText(m, "multiplication during play");
    EXPECT_EQ(acc(control(m, "UserEntered"))->text(QAccessible::Description), "your answer");
    EXPECT_EQ(acc(control(m, "sumdsply", 3))->text(QAccessible::Description), "product of the left column");
}

}  // namespace
}  // namespace numora::test
