// Keys as they arrive from real keyboards: a French main row, the keypad with
// Num Lock on, Shift on its own, and input methods kept out of the cells.
#include <QInputMethodQueryEvent>
#include <QKeyEvent>

#include "accessibility.h"
#include "common/scripted_random.h"
#include "common/app_fixture.h"

namespace numora::test {
namespace {

// Hidden cells 1 and 5 hold 7 and 3.
const std::vector<int> kSevenAndThreeHidden{2, 6, 1, 7, 2, 3, 4, 3, 5, 5, 1};

// A key as the X server sends it: the symbol of the layout and the physical key.
void physicalKey(QWidget* w, Qt::Key key, quint32 scanCode, const QString& text,
                 Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent e(type, key, mods, scanCode, 0, 0, text);
        QCoreApplication::sendEvent(w, &e);
    }
}

class Keyboard : public AppTest {
protected:
    test::ScriptedRandom deals;

    void SetUp() override
    {
        random = &deals;
        ASSERT_TRUE(startApp());
    }
    QString cellName(Form* w, int i) { return spokenPicture(shows(w, i)); }
};

TEST_F(Keyboard, TheFrenchMainRowPicksDigitsWithoutShift)
{
    deals.push(kSevenAndThreeHidden);
    click(mainForm(), Control::StartButton);
    // "7 è" and "3 \"" on AZERTY: scan codes 16 and 12, no Shift.
    physicalKey(control(mainForm(), Control::Cells, 1), Qt::Key_Egrave, 16, QStringLiteral("è"));
    EXPECT_EQ(cellName(mainForm(), 1), "7");
    EXPECT_EQ(cellName(mainForm(), 5), "hidden");
    physicalKey(control(mainForm(), Control::Cells, 1), Qt::Key_QuoteDbl, 12, QStringLiteral("\""));
    EXPECT_EQ(cellName(mainForm(), 5), "3");
    EXPECT_EQ(background(mainForm()), kGreen);
}

TEST_F(Keyboard, ShiftIsAPickOfNothingInTheGridAndAZeroInTheProducts)
{
    deals.push(kSevenAndThreeHidden);
    click(mainForm(), Control::StartButton);
    physicalKey(control(mainForm(), Control::Cells, 1), Qt::Key_Shift, 50, QString(), Qt::ShiftModifier);
    EXPECT_EQ(state.picks, 1) << "a Shift press is a pick";
    EXPECT_EQ(cellName(mainForm(), 1), "hidden");

    choose(mainForm(), kMultiplicationItem);
    MultiplicationForm* m = multiplicationForm();
    ASSERT_NE(m, nullptr);
    deals.push({2, 3, 4, 5});
    click(m, Control::StartButton);
    key(m, 0, Qt::Key_4, Qt::KeypadModifier);  // keypad 4, Num Lock on
    physicalKey(control(m, Control::Cells, 0), Qt::Key_Shift, 50, QString(), Qt::ShiftModifier);
    EXPECT_EQ(text(m, Control::Entry), "40");
}

TEST_F(Keyboard, CellsTakeKeysWithoutAnInputMethod)
{
    // The platform's input context asks the focused widget whether it wants an
    // input method; a cell must say no, so that IBus hands its keys on as keys.
    auto noInputMethod = [](Form* w, int cells) {
        for (int i = 0; i < cells; ++i) {
            QWidget* cell = control(w, Control::Cells, i);
            EXPECT_FALSE(cell->testAttribute(Qt::WA_InputMethodEnabled));
            QInputMethodQueryEvent q(Qt::ImEnabled);
            QCoreApplication::sendEvent(cell, &q);
            EXPECT_FALSE(q.value(Qt::ImEnabled).toBool()) << w->windowTitle().toStdString() << ", cell " << i;
        }
    };
    noInputMethod(mainForm(), 9);
    choose(mainForm(), kMultiplicationItem);
    ASSERT_NE(multiplicationForm(), nullptr);
    noInputMethod(multiplicationForm(), 4);
}

}  // namespace
}  // namespace numora::test
