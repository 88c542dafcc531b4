#include "main_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <QMenu>
#include <QPointer>

#include "accessibility.h"
#include "dispatcher.h"
#include "layout.h"
#include "online.h"

namespace numora {

MainForm::MainForm(Dispatcher& d, Navigator& nav, const Play& play, online::Online& online)
    : GameForm(d, nav, Window::Main, layouts::main().client, QStringLiteral("KORVELLAN"), play.pictures),
      game_(play.state, play.random, *this),
      online_(online)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    QMenu* file = addFileMenu("fle");  // the design's object name, like the controls' (objectName())
    //: Item of the main window's File menu that opens the multiplication game. Put the number after a
    //: space, as a screen reader reads the dash as "minus".
    QAction* multiplicationItem = file->addAction(tr("Multiplication Game -1"));
    //: What a screen reader says for the menu item "Multiplication Game -1", which it would read as
    //: "minus one"; never shown.
    speakAs(multiplicationItem, tr("Multiplication Game 1"));
    //: Item of the main window's File menu: asks the maker's server whether a newer version exists;
    //: a message box answers.
    QAction* updatesItem = file->addAction(tr("Check for updates..."));
    //: Item of the main window's File menu that opens the download page of another of the maker's
    //: games in the web browser; Glimmerquiz is that game's name and stays as is.
    QAction* downloadItem = file->addAction(tr("Download Glimmerquiz Game"));
    build(layouts::main().controls);
    GameForm::play(game_);

    onChoose(multiplicationItem, [this] {
        nav_.show(Window::Multiplication);
        nav_.close(Window::Main);
    });
    // The windows wait for the check's download, from its start to its answer.
    onChoose(updatesItem, [this] { online_.checkForUpdates([this] { return dispatcher_.wait(); }); });
    onChoose(downloadItem, [this] { online_.downloadItem(); });
    onClick(Control::DonateButton, [this] { online_.donation(); });
    onClick(Control::PauseButton, [this] { game_.pause(); });
    onClick(Control::ExitButton, [this] {
        nav_.close(Window::Multiplication);
        nav_.close(Window::Main);
    });
    unexposed_.setSingleShot(true);
    unexposed_.setInterval(kHiddenAfterMs);
    connect(&unexposed_, &QTimer::timeout, this, [this] {
        if (!isVisible()) return;
        compositorHides_ = !windowHandle()->isExposed();
        tellGame();
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
    Form::displayed();
    if (onWayland()) windowHandle()->installEventFilter(this);
    hidden_ = hidden();
    handle([this] { game_.resized(hidden_); });
}

bool MainForm::onWayland()
{
    static const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return wayland;
}

bool MainForm::hidden() const
{
    // Wayland never tells a client that it is minimised: there a window the
    // compositor has stopped showing for a while counts as minimised.
    return isMinimized() || compositorHides_;
}

void MainForm::tellGame()
{
    if (hidden() == hidden_) return;
    hidden_ = !hidden_;
    queueResized(hidden_);
}

void MainForm::queueResized(bool hidden)
{
    // The window manager may minimise a window behind a message box: the game
    // hears it once the handler that opened the box has finished.
    dispatcher_.afterHandler([this, self = QPointer<MainForm>(this), hidden] {
        if (self) handle([this, hidden] { game_.resized(hidden); });
    });
}

void MainForm::changeEvent(QEvent* e)
{
    GameForm::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || !isVisible()) return;
    // On Wayland Qt sets our own minimise request back at the compositor's next
    // word, before any frame shows whether it hid the window: wait and see.
    if (onWayland() && hidden_ && !isMinimized()) {
        unexposed_.start();
        return;
    }
    hidden_ = hidden();
    queueResized(hidden_);
}

bool MainForm::eventFilter(QObject* watched, QEvent* e)
{
    // Qt learns that the window was hidden or shown again from the frames the
    // compositor stops or resumes answering, and says so with an expose event.
    // A frame answered late (a busy or stalled compositor) also reads as
    // hidden for a moment: only a window left unexposed for a while pauses.
    if (e->type() == QEvent::Expose && isVisible()) {
        if (windowHandle()->isExposed()) {
            unexposed_.stop();
            compositorHides_ = false;
            tellGame();
        } else if (!compositorHides_ && !unexposed_.isActive()) {
            unexposed_.start();
        }
    }
    return GameForm::eventFilter(watched, e);
}

void MainForm::renderOwn()
{
    // A window hidden while another has the focus hears nothing until it next
    // paints, and the compositor answers no frame it asks for: paint a speck
    // every second of a game, which shows nothing new.
    if (onWayland() && game_.screen().countdownTimer.enabled && !hidden_) update(QRect(0, 0, 1, 1));
}

}  // namespace numora
