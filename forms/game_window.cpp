#include "game_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "dispatcher.h"

namespace numora {

GameWindow::GameWindow(Context& ctx, int clientWidthTwips, int clientHeightTwips)
    : ctx_(ctx), client_(new QWidget(this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    client_->setFixedSize(twips(clientWidthTwips), twips(clientHeightTwips));
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    setBackground(buttonFace());
}

void GameWindow::build(std::span<const ControlSpec> specs)
{
    QWidget* first = controls_.build(client_, specs);
    if (first) first->setFocus(Qt::OtherFocusReason);
    // The border is fixed: the window is exactly its client area plus the menu bar.
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    setFixedSize(client_->width(), client_->height() + menuHeight);
}

GameTimer* GameWindow::addTimer(std::function<void()> onTick)
{
    auto* t = new GameTimer(ctx_.dispatcher, [this, onTick] {
        onTick();
        render();
    }, this);
    timers_.push_back(t);
    return t;
}

QMenu* GameWindow::addFileMenu(const QString& title)
{
    // Keep the menu in the window on desktops with a global menu bar.
    menuBar()->setNativeMenuBar(false);
    return menuBar()->addMenu(title);
}

void GameWindow::handle(const std::function<void()>& h)
{
    ctx_.dispatcher.run([&] {
        h();
        render();
    });
}

void GameWindow::displayed()
{
    // Without a window manager nothing places or focuses a window: do it here.
    if (QWidget* first = controls_.firstFocus()) first->setFocus(Qt::OtherFocusReason);
}

void GameWindow::markClosing()
{
    closing_ = true;
    for (GameTimer* t : timers_) t->setEnabled(false);
}

void GameWindow::focusTray(int index)
{
    if (QWidget* w = controls_.get("tray", index)) w->setFocus(Qt::OtherFocusReason);
}

void GameWindow::minimise() { setWindowState(windowState() | Qt::WindowMinimized); }

void GameWindow::centre()
{
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void GameWindow::closeEvent(QCloseEvent* e)
{
    // The application closes the window (and deletes it later); Qt must not.
    e->ignore();
    ctx_.dispatcher.run([this] { requestClose(); });
}

void GameWindow::setBackground(const QColor& c)
{
    QPalette p = client_->palette();
    if (p.color(QPalette::Window) == c) return;
    p.setColor(QPalette::Window, c);
    client_->setPalette(p);
}

}  // namespace numora
