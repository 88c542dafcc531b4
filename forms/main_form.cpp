#include "main_form.h"

#include <QEvent>
#include <QMenu>

#include "accessibility.h"
#include "layout.h"
#include "online.h"

namespace numora {

MainForm::MainForm(Dispatcher& d, Navigator& nav, const Play& play, online::Online& online)
    : GameForm(d, nav, Window::Main, layouts::main().client, QStringLiteral("KORVELLAN"), play.pictures),
      game_(play.state, play.random, *this),
      online_(online)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    QMenu* fle = addFileMenu("fle");
    multi1_ = fle->addAction(tr("Multiplication Game -1"));
    //: What a screen reader says for the menu item "Multiplication Game -1", which it would read as "minus one".
    speakAs(multi1_, tr("Multiplication Game 1"));
    chkupdte_ = fle->addAction(tr("Check for updates..."));
    QAction* dwnLd = fle->addAction(tr("Download Glimmerquiz Game"));
    build(layouts::main().controls);
    GameForm::play(game_);

    connect(multi1_, &QAction::triggered, this, [this] {
        handle([this] {
            leave();
            nav_.show(Window::Multiplication);
            nav_.close(Window::Main);
        });
    });
    connect(chkupdte_, &QAction::triggered, this, [this] { handle([this] { online_.checkForUpdates(); }); });
    connect(dwnLd, &QAction::triggered, this, [this] { handle([this] { online_.downloadItem(); }); });
    onClick("denate_1", [this] { online_.donation(); });
    onClick("pose", [this] { game_.pause(); });
    onClick("extgm", [this] {
        nav_.close(Window::Multiplication);
        nav_.close(Window::Main);
    });
}

void MainForm::load()
{
    online_.loadStep([this] { game_.levelSetup(); },
                     [this] {
                         nav_.close(Window::Main);
                         nav_.close(Window::Topic);
                     });
    if (!leaving()) render();
}

void MainForm::displayed()
{
    GameWindow::displayed();
    handle([this] { game_.resized(isMinimized()); });
}

void MainForm::changeEvent(QEvent* e)
{
    GameForm::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && isVisible()) handle([this] { game_.resized(isMinimized()); });
}

// Its close-request handler only closes the window itself, which from here does
// nothing more.
void MainForm::closeRequested() { nav_.close(Window::Main); }

void MainForm::describe() { describeMainWindow(controls_); }

}  // namespace numora
