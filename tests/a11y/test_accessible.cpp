// What a screen reader finds in the game windows: cells named by what they
// show and never by a hidden number, number-pad keys that can be pressed
// exactly when a click would work, labels that read as their text.
#include <QAccessible>
#include <QMessageBox>

#include "common/accessible_tree.h"
#include "common/scripted_random.h"
#include "common/app_fixture.h"

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
    QWidget* cell(int i) { return control(w(), Control::Cells, i); }
    QWidget* padKey(int digit) { return control(w(), Control::PadKeys, digit - 1); }
    int picks() { return state.picks; }
};

TEST_F(ScreenReader, CellsSayWhatTheyShowAndNeverAHiddenNumber)
{
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(acc(cell(i))->role(), QAccessible::Graphic);
        EXPECT_EQ(name(cell(i)), "empty");
    }
    deals.push(kSevensHidden);
    click(w(), Control::StartButton);
    ASSERT_EQ(state.digits[1], 7);
    ASSERT_EQ(state.digits[5], 7);
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
    EXPECT_EQ(background(w()), kGreen);
}

TEST_F(ScreenReader, PadKeysArePressableExactlyWhenAClickWouldWork)
{
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(acc(padKey(d))->role(), QAccessible::Button);
        EXPECT_EQ(name(padKey(d)), QString::number(d));
        EXPECT_TRUE(acc(padKey(d))->state().disabled) << "no game yet";
    }
    deals.push(kSevensHidden);
    click(w(), Control::StartButton);
    press(padKey(1));
    EXPECT_EQ(picks(), 1);
    press(padKey(7));
    ASSERT_EQ(background(w()), kGreen);
    ASSERT_FALSE(padKey(1)->isEnabled());
    press(padKey(1));
    EXPECT_EQ(picks(), 2) << "a solved puzzle's pad is disabled";

    // The fifth pick locks out and hides the pad; a sixth cannot get through.
    deals.push(kAllNines);
    tick(timer(w(), LevelTimer));
    for (int k = 0; k < 5; ++k) press(padKey(1));
    ASSERT_EQ(background(w()), kOrange);
    ASSERT_FALSE(padKey(1)->isVisible());
    EXPECT_TRUE(acc(padKey(1))->state().invisible);
    // The status line's and the title's seconds are said as a word, singular
    // and plural; the screen keeps its "Sec.".
    const QString wait = "You have exceeded maximum number of attempts. Wait will refresh in %1.";
    EXPECT_EQ(name(control(w(), Control::Status)), wait.arg("11 seconds"));
    for (int k = 0; k < 10; ++k) tick(timer(w(), CountdownTimer));
    EXPECT_EQ(name(control(w(), Control::Status)), wait.arg("1 second"));
    EXPECT_EQ(text(w(), Control::Status), "You have exceeded maximum number of attempts. Wait will refresh in 1 Sec.");
    EXPECT_EQ(name(w()), "KORVELLAN: Refreshing in 1 second.");
    press(padKey(9));
    EXPECT_EQ(picks(), 5);
    EXPECT_EQ(name(cell(0)), "hidden") << "a 9 pressed around the lock-out uncovered a cell";

    // Nobody clicks a minimised window, nor one behind a message box.
    deals.push(kAllNines);
    tick(timer(w(), LevelTimer));
    w()->showMinimized();
    press(padKey(9));
    EXPECT_EQ(picks(), 0);
    EXPECT_EQ(name(control(w(), Control::Status)), "Click number to select.") << "once the seconds are gone, it reads as shown";
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
    choose(w(), kMultiplicationItem);
    ASSERT_NE(multiplicationForm(), nullptr);
    deals.push({2, 3, 4, 5});
    click(multiplicationForm(), Control::StartButton);
    press(control(multiplicationForm(), Control::PadKeys, 5));
    EXPECT_EQ(text(multiplicationForm(), Control::Entry), "5");
    click(multiplicationForm(), Control::ExitButton);
    settle();
    choose(mainForm(), kMultiplicationItem);
    ASSERT_NE(multiplicationForm(), nullptr);
    ASSERT_FALSE(control(multiplicationForm(), Control::PadKeys, 5)->isEnabled());
    press(control(multiplicationForm(), Control::PadKeys, 5));
    EXPECT_EQ(text(multiplicationForm(), Control::Entry), "0");
}

TEST_F(ScreenReader, LabelsReadAsTheirTextAndSaySoWhatTheyAre)
{
    // Every text label, in every state it passes through, reads as it shows.
    auto labelsReadTheirText = [](Form* win, const char* when) {
        int labels = 0;
        for (QLabel* l : win->centralWidget()->findChildren<QLabel*>()) {
            ++labels;
            EXPECT_EQ(name(l), l->text()) << when << ": " << l->objectName().toStdString();
        }
        EXPECT_GT(labels, 10) << when;
    };
    labelsReadTheirText(w(), "main at load");
    deals.push(kSevensHidden);
    click(w(), Control::StartButton);
    tick(timer(w(), CountdownTimer));
    EXPECT_EQ(name(control(w(), Control::Figures, 4)), "16");
    EXPECT_EQ(name(control(w(), Control::Status)), "Click number to select.");
    labelsReadTheirText(w(), "main during play");

    // What each number on the window is, told apart by its description.
    QStringList described;
    for (int i = 0; i < 6; ++i) described << acc(control(w(), Control::Figures, i))->text(QAccessible::Description);
    for (int i = 0; i < 9; ++i) described << acc(cell(i))->text(QAccessible::Description);
    described << acc(control(w(), Control::Status))->text(QAccessible::Description);
    EXPECT_EQ(described.size(), QSet<QString>(described.begin(), described.end()).size()) << described.join(", ").toStdString();
    EXPECT_FALSE(described.contains(QString()));
    EXPECT_EQ(acc(control(w(), Control::Figures, 0))->text(QAccessible::Description), "sum of the top row");
    // Where the screen abbreviates for the eye, a screen reader hears words.
    EXPECT_EQ(acc(cell(0))->text(QAccessible::Description), "top row, left column. Row sum: 10, column sum: 9.");
    auto* levels = qobject_cast<QComboBox*>(control(w(), Control::LevelList));
    EXPECT_EQ(levels->currentText(), "Level - 1(11 Sec.)");
    EXPECT_EQ(name(levels), "Level 1, 11 seconds");
    EXPECT_EQ(acc(levels)->child(0)->child(2)->text(QAccessible::Name), "Level 3, 6 seconds");
    EXPECT_EQ(name(menuItem(w(), kMultiplicationItem)), "Multiplication Game 1");

    choose(w(), kMultiplicationItem);
    MultiplicationForm* m = multiplicationForm();
    ASSERT_NE(m, nullptr);
    labelsReadTheirText(m, "multiplication at load");
    deals.push({2, 3, 4, 5});
    click(m, Control::StartButton);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(name(control(m, Control::Cells, i)), QString::number(i + 2));
    press(control(m, Control::PadKeys, 6));
    EXPECT_EQ(name(control(m, Control::Entry)), "6") << "2 x 3 entered by the pad";
    tick(timer(m, HighlightTimer));
    tick(timer(m, HighlightTimer));
    EXPECT_EQ(name(control(m, Control::Figures, 1)), "...") << "the highlight moved on to the bottom row";
    labelsReadTheirText(m, "multiplication during play");
    EXPECT_EQ(acc(control(m, Control::Entry))->text(QAccessible::Description), "your answer");
    EXPECT_EQ(acc(control(m, Control::Figures, 3))->text(QAccessible::Description), "product of the left column");
}

}  // namespace
}  // namespace numora::test
