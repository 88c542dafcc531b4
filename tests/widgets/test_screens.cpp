// Moving between the windows, their close boxes, and the end of the program.
#include <QCloseEvent>

#include "common/app_fixture.h"

namespace numora::test {
namespace {

using Screens_ = AppTest;

TEST_F(Screens_, StartUpShowsOnlyTheMainWindowCentred)
{
    ASSERT_TRUE(startApp());
    ASSERT_NE(mainForm(), nullptr);
    EXPECT_TRUE(mainForm()->isVisible());
    EXPECT_EQ(multiplicationForm(), nullptr);
    EXPECT_EQ(topicForm(), nullptr);
    EXPECT_EQ(mainForm()->windowTitle(), "KORVELLAN");
    const QRect screen = mainForm()->screen()->availableGeometry();
    EXPECT_LE(std::abs(mainForm()->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(mainForm()->geometry().center().y() - screen.center().y()), 1);
    EXPECT_EQ(endings, 0);
}

TEST_F(Screens_, MainExitAndCloseBoxEndTheProgram)
{
    ASSERT_TRUE(startApp());
    click(mainForm(), Control::ExitButton);
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(windows().ended());
    EXPECT_EQ(mainForm(), nullptr);

    endings = 0;
    ASSERT_TRUE(startApp());
    mainForm()->close();  // the close box
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(mainForm(), nullptr);
}

TEST_F(Screens_, EveryWayOutOfMultiplicationReturnsToAFreshMainWindow)
{
    ASSERT_TRUE(startApp());
    const auto leave = [&](const std::function<void()>& how) {
        choose(mainForm(), kMultiplicationItem);
        ASSERT_NE(multiplicationForm(), nullptr);
        EXPECT_TRUE(multiplicationForm()->isVisible());
        EXPECT_EQ(mainForm(), nullptr) << "the main window closes when the multiplication window opens";
        how();
        settle();
        ASSERT_NE(mainForm(), nullptr);
        EXPECT_TRUE(mainForm()->isVisible());
        EXPECT_EQ(multiplicationForm(), nullptr);
        EXPECT_EQ(endings, 0);
        // Freshly loaded: the level list holds exactly its three entries again.
        EXPECT_EQ(control<QComboBox>(mainForm(), Control::LevelList)->count(), 3);
        EXPECT_EQ(control<QComboBox>(mainForm(), Control::LevelList)->currentText(), "Level - 1(11 Sec.)");
    };
    leave([&] { click(multiplicationForm(), Control::ExitButton); });
    leave([&] { multiplicationForm()->close(); });
    leave([&] { choose(multiplicationForm(), kAdditionItem); });
    // The gate ran at every load; the welcome page opened once.
    EXPECT_EQ(connectivity.calls, 4);
    EXPECT_EQ(opener.opened.size(), 1u);
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(Screens_, LeavingMultiplicationOfflineEndsWithOneMessage)
{
    ASSERT_TRUE(startApp());
    choose(mainForm(), kMultiplicationItem);
    connectivity.result = 0;
    for (auto how : {0, 1, 2}) {
        if (how > 0) {
            endings = 0;
            notifier.shown.clear();
            connectivity.result = 1;
            ASSERT_TRUE(startApp());
            choose(mainForm(), kMultiplicationItem);
            connectivity.result = 0;
        }
        if (how == 0) click(multiplicationForm(), Control::ExitButton);
        if (how == 1) choose(multiplicationForm(), kAdditionItem);
        if (how == 2) multiplicationForm()->close();
        settle();
        EXPECT_EQ(endings, 1) << "way out " << how;
        EXPECT_EQ(mainForm(), nullptr);
        EXPECT_EQ(multiplicationForm(), nullptr);
        EXPECT_EQ(notifier.shown, std::vector{Shown{Message::InternetRequiredAtStart}}) << "way out " << how;
    }
}

TEST_F(Screens_, NoConnectionAtStartUpEndsWithoutAWindow)
{
    connectivity.result = 0;
    EXPECT_FALSE(startApp());
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(mainForm(), nullptr);
    EXPECT_EQ(notifier.shown, std::vector{Shown{Message::InternetRequiredAtStart}});
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return w->isVisible(); }));
}

TEST_F(Screens_, TheTopicSelectorCanBeShownAndLeadsToTheMainWindow)
{
    ASSERT_TRUE(startApp());
    click(mainForm(), Control::ExitButton);
    ASSERT_EQ(endings, 1);

    // Shown by hand (nothing in the program leads to it): "algebra - 1" ends
    // the program when it is the only window, "Numora - 1" opens the main one.
    endings = 0;
    ASSERT_TRUE(startApp());
    showOnly(Window::Topic);
    ASSERT_NE(topicForm(), nullptr);
    EXPECT_EQ(topicForm()->windowTitle(), "KORVELLAN : Select your topic");
    EXPECT_EQ(topicForm()->centralWidget()->size(), QSize(345, 251));
    // Nothing in the program shows this window: keep a picture of it for review.
    topicForm()->grab().save(QStringLiteral("topic-selector.png"));
    ASSERT_NE(topicForm()->focusWidget(), nullptr);
    EXPECT_EQ(topicForm()->focusWidget(), control(topicForm(), Control::MathsButton));
    click(topicForm(), Control::MathsButton);
    EXPECT_EQ(topicForm(), nullptr);
    ASSERT_NE(mainForm(), nullptr);
    EXPECT_EQ(endings, 0);

    showOnly(Window::Topic);
    click(topicForm(), Control::AlgebraButton);
    EXPECT_EQ(endings, 1);
}

TEST_F(Screens_, TimersOfALeftGameStopWithItsWindow)
{
    ASSERT_TRUE(startApp());
    click(mainForm(), Control::StartButton);
    QPointer<GameTimer> t1 = timer(mainForm(), LevelTimer);
    EXPECT_TRUE(running(t1));
    choose(mainForm(), kMultiplicationItem);
    EXPECT_TRUE(t1.isNull() || !running(t1));
    click(multiplicationForm(), Control::StartButton);
    QPointer<GameTimer> m3 = timer(multiplicationForm(), HighlightTimer);
    EXPECT_TRUE(running(m3));
    click(multiplicationForm(), Control::ExitButton);
    EXPECT_TRUE(m3.isNull() || !running(m3));
    settle();
    EXPECT_TRUE(m3.isNull()) << "a closed window is deleted once its handler has returned";
    EXPECT_FALSE(running(timer(mainForm(), LevelTimer)));
    EXPECT_FALSE(running(timer(mainForm(), CountdownTimer)));
}

TEST_F(Screens_, AWindowClosedInsideItsOwnLoadHandlerIsNeverShown)
{
    // The gate closes the main window from inside its load handler.
    connectivity.result = 0;
    EXPECT_FALSE(startApp());
    settle();  // its deletion must not crash either
    EXPECT_EQ(endings, 1);
}

}  // namespace
}  // namespace numora::test
