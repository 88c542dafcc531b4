// The main window: its controls as designed, and a missing-numbers game played
// by clicks and keys.
#include <QMenuBar>
#include <QTemporaryDir>

#include "common/app_fixture.h"

namespace numora::test {
namespace {

class MainWindow : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(startApp()); }
    MainForm* w() { return mainForm(); }
    // The cells of the hidden numbers of the current puzzle.
    int hiddenCell(int which) { return (which == 0 ? state.hidden1 : state.hidden2) - 1; }
    int hiddenNumber(int which) { return state.digits[hiddenCell(which)]; }
};

TEST_F(MainWindow, ControlsAreLaidOutAsDesigned)
{
    EXPECT_EQ(w()->centralWidget()->size(), QSize(300, 309));
    EXPECT_EQ(w()->height(), 309 + w()->menuBar()->sizeHint().height());
    EXPECT_EQ(w()->minimumSize(), w()->maximumSize()) << "fixed border";
    EXPECT_EQ(control(w(), Control::StartButton)->geometry(), QRect(6, 5, 118, 33));
    EXPECT_EQ(control(w(), Control::Cells, 8)->geometry(), QRect(103, 182, 35, 39));
    EXPECT_EQ(control(w(), Control::PadKeys, 4)->geometry(), QRect(31, 42, 25, 30));
    EXPECT_EQ(control(w(), Control::PadKeys, 4)->parentWidget(), control(w(), Control::Pad));
    EXPECT_EQ(control(w(), Control::PlusSigns, 3), nullptr) << "the plus signs have no index 3";
    for (int i : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12}) EXPECT_EQ(text(w(), Control::PlusSigns, i), "+");
    for (int i = 0; i < 9; ++i) EXPECT_EQ(text(w(), Control::PadKeys, i), QString::number(i + 1));
    EXPECT_EQ(control<QPushButton>(w(), Control::StartButton)->text(), "&Start Numora");
    EXPECT_EQ(control<QPushButton>(w(), Control::ExitButton)->text(), "&Exit ");
    EXPECT_EQ(control(w(), Control::ExitButton)->toolTip(), " Exit game");
    EXPECT_EQ(control(w(), Control::StartButton)->toolTip(), "Start New game");
    EXPECT_TRUE(control(w(), Control::PauseButton)->isHidden());
    EXPECT_TRUE(control(w(), Control::HiddenLabel)->isHidden());
    EXPECT_FALSE(control(w(), Control::Pad)->isEnabled());
    EXPECT_TRUE(control(w(), Control::Pad)->isVisible());
    EXPECT_EQ(text(w(), Control::Status), "Click to select number.");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(text(w(), Control::Figures, i), "0");
    // The frame lies over the status text.
    const auto kids = w()->centralWidget()->children();
    EXPECT_GT(kids.indexOf(control(w(), Control::Pad)), kids.indexOf(control(w(), Control::Status)));
    QStringList items;
    for (QAction* a : w()->menuBar()->actions().first()->menu()->actions()) items << a->text();
    EXPECT_EQ(items, QStringList({"Multiplication Game -1", "Check for updates...", "Download Glimmerquiz Game"}));
    EXPECT_EQ(w()->menuBar()->actions().first()->text(), "File");
}

TEST_F(MainWindow, TabOrderAndFirstFocus)
{
    EXPECT_EQ(w()->focusWidget(), control(w(), Control::StartButton));
    QStringList order;
    QWidget* at = control(w(), Control::StartButton);
    for (int i = 0; i < 14; ++i) {
        order << at->objectName();
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || at->isHidden()) at = at->nextInFocusChain();
    }
    QStringList expected;
    for (const Control c : {Control::StartButton, Control::StopButton, Control::ExitButton, Control::LevelList})
        expected << control(w(), c)->objectName();
    for (const int cell : {8, 7, 6, 0, 1, 2, 3, 4, 5}) expected << control(w(), Control::Cells, cell)->objectName();
    expected << control(w(), Control::DonateButton)->objectName();
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindow, APuzzlePlayedByClicksTurnsGreen)
{
    EXPECT_EQ(background(w()), buttonFace());
    click(w(), Control::StartButton);
    EXPECT_FALSE(control(w(), Control::StartButton)->isEnabled());
    EXPECT_FALSE(control(w(), Control::LevelList)->isEnabled());
    EXPECT_TRUE(control(w(), Control::Pad)->isEnabled());
    EXPECT_EQ(w()->focusWidget(), control(w(), Control::Cells, 1));
    EXPECT_TRUE(running(timer(w(), LevelTimer)));
    EXPECT_TRUE(running(timer(w(), CountdownTimer)));
    // Seven pictures, two placeholders, and the sums of what is dealt.
    const auto& st = state;
    const QPixmap placeholder(QStringLiteral(NUMORA_PICTURES_DIR "/pnoGus.bmp"));
    for (int i = 0; i < 9; ++i) {
        const bool hidden = i == hiddenCell(0) || i == hiddenCell(1);
        auto* cell = control<PictureBox>(w(), Control::Cells, i);
        EXPECT_EQ(cell->grab().toImage() == looksGiven(*cell, placeholder), hidden) << "cell " << i;
    }
    EXPECT_EQ(text(w(), Control::Figures, 0).toInt(), st.digits[0] + st.digits[1] + st.digits[2]);
    EXPECT_EQ(text(w(), Control::Figures, 5).toInt(), st.digits[0] + st.digits[3] + st.digits[6]);

    click(w(), Control::PadKeys, hiddenNumber(0) - 1);
    if (hiddenNumber(1) != hiddenNumber(0)) click(w(), Control::PadKeys, hiddenNumber(1) - 1);
    EXPECT_EQ(background(w()), kGreen);
    EXPECT_FALSE(control(w(), Control::Pad)->isEnabled());
    w()->grab().save(QStringLiteral("missing-numbers-solved.png"));  // for review
    // Labels that are not transparent keep their own colour.
    EXPECT_EQ(shownAt(control(w(), Control::PlusSigns, 0)), buttonFace());
    EXPECT_EQ(shownAt(control(w(), Control::Figures, 0)), kGreen) << "transparent labels show the window's colour";
}

TEST_F(MainWindow, KeysOnTheGridAreMainRowAndKeypadDigitsAlike)
{
    click(w(), Control::StartButton);
    const int a = hiddenNumber(0), b = hiddenNumber(1);
    key(w(), 1, Qt::Key(Qt::Key_0 + a));                          // main row
    key(w(), 4, Qt::Key(Qt::Key_0 + b), Qt::KeypadModifier);     // keypad
    EXPECT_EQ(background(w()), kGreen);
}

TEST_F(MainWindow, FiveWrongKeysLockOut)
{
    click(w(), Control::StartButton);
    for (int i = 0; i < 4; ++i) key(w(), 1, Qt::Key_0);
    EXPECT_TRUE(control(w(), Control::Pad)->isVisible());
    tick(timer(w(), CountdownTimer));
    EXPECT_TRUE(text(w(), Control::Status).startsWith("You have exceeded maximum number of attempts. Wait will refresh in "));
    EXPECT_EQ(w()->windowTitle(), "KORVELLAN - Refreshing in - 10");
    key(w(), 1, Qt::Key_Shift);
    EXPECT_FALSE(control(w(), Control::Pad)->isVisible());
    EXPECT_EQ(background(w()), kOrange);
    tick(timer(w(), LevelTimer));
    EXPECT_TRUE(control(w(), Control::Pad)->isVisible());
    EXPECT_EQ(background(w()), buttonFace());
    EXPECT_EQ(text(w(), Control::Status), "Click number to select.");
}

TEST_F(MainWindow, TheLevelChosenBeforeStartSetsThePeriod)
{
    auto* combo = control<QComboBox>(w(), Control::LevelList);
    EXPECT_EQ(period(timer(w(), LevelTimer)), 11000);
    w()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w()));
    combo->setFocus();
    combo->setCurrentIndex(2);
    click(w(), Control::StartButton);  // the focus leaves the list first
    EXPECT_EQ(period(timer(w(), LevelTimer)), 6000);
    EXPECT_EQ(state.secondsLeft, 6);
}

// The choice takes effect when the focus moves to another control of the window,
// not when the window merely loses activation.
TEST_F(MainWindow, TheLevelChoiceWaitsForTheFocusToMoveOn)
{
    auto* combo = control<QComboBox>(w(), Control::LevelList);
    w()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w()));
    combo->setFocus(Qt::TabFocusReason);
    combo->setCurrentIndex(2);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(period(timer(w(), LevelTimer)), 11000) << "the window lost activation, the list kept the focus";
    w()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w()));
    ASSERT_EQ(QApplication::focusWidget(), combo);
    QTest::keyClick(combo, Qt::Key_Tab);
    EXPECT_EQ(period(timer(w(), LevelTimer)), 6000);
    EXPECT_EQ(state.secondsLeft, 6);
}

TEST_F(MainWindow, MinimisingHoldsTheLevelTimer)
{
    w()->showMinimized();
    w()->showNormal();
    EXPECT_FALSE(running(timer(w(), LevelTimer))) << "no game started: nothing changes";
    click(w(), Control::StartButton);
    w()->showMinimized();
    EXPECT_FALSE(running(timer(w(), LevelTimer)));
    EXPECT_TRUE(running(timer(w(), CountdownTimer))) << "the countdown keeps running";
    w()->showNormal();
    EXPECT_TRUE(running(timer(w(), LevelTimer)));
    EXPECT_GT(timer(w(), LevelTimer)->findChild<QTimer*>()->remainingTime(), 10000) << "a full period from the restore";
}

TEST_F(MainWindow, AccessKeysStartAndExit)
{
    w()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w()));
    QTest::keyClick(w(), Qt::Key_S, Qt::AltModifier);
    QTest::qWait(200);  // a shortcut animates its click
    EXPECT_FALSE(control(w(), Control::StartButton)->isEnabled());
    QTest::keyClick(w(), Qt::Key_E, Qt::AltModifier);
    QTest::qWait(200);
    EXPECT_EQ(endings, 1);
}

// The darkest colour drawn inside control `c`: its caption's.
QColor ink(QWidget* c)
{
    const QImage image = c->window()->grab().toImage();
    const QRect r(QPointF(c->mapTo(c->window(), QPoint(2, 2)) * image.devicePixelRatio()).toPoint(),
                  (QSizeF(c->size() - QSize(4, 4)) * image.devicePixelRatio()).toSize());
    QColor darkest = Qt::white;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (const QColor p = image.pixelColor(x, y); p.lightness() < darkest.lightness()) darkest = p;
    return darkest;
}

// A disabled pad only stops taking clicks: its keys keep their look.
TEST_F(MainWindow, ADisabledPadDrawsItsDigitsInTheWindowTextColour)
{
    const QColor windowText = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
    ASSERT_FALSE(control(w(), Control::Pad)->isEnabled());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(ink(control(w(), Control::PadKeys, i)), windowText) << "key " << i + 1;
    choose(w(), kMultiplicationItem);
    ASSERT_NE(multiplicationForm(), nullptr);
    ASSERT_FALSE(control(multiplicationForm(), Control::Pad)->isEnabled());
    EXPECT_EQ(ink(control(multiplicationForm(), Control::PadKeys, 0)), windowText);
    EXPECT_EQ(ink(control(multiplicationForm(), Control::ClearButton)), windowText);
}

class BrokenPictures : public AppTest {};

TEST_F(BrokenPictures, AMissingPictureShowsTextAndOneMessage)
{
    QTemporaryDir dir;  // an empty numpic folder
    ASSERT_TRUE(startApp(dir.path()));
    click(mainForm(), Control::StartButton);
    EXPECT_EQ(notifier.shown, std::vector{Shown{Message::InstalledFilesMissing}});
    const auto& st = state;
    for (int i = 0; i < 9; ++i) {
        const bool hidden = i == st.hidden1 - 1 || i == st.hidden2 - 1;
        auto* cell = control<PictureBox>(mainForm(), Control::Cells, i);
        EXPECT_EQ(cell->grab().toImage(), looksGiven(*cell, {}, hidden ? QString("?") : QString::number(st.digits[i])))
            << "cell " << i;
    }
    tick(timer(mainForm(), LevelTimer));  // play goes on; the message is not repeated
    EXPECT_EQ(notifier.shown.size(), 1u);
}

}  // namespace
}  // namespace numora::test
