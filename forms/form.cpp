#include "form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "dispatcher.h"
#include "game_timer.h"

namespace numora {

Form::Form(Dispatcher& d, Navigator& nav, Window id, int clientWidthTwips, int clientHeightTwips)
    : dispatcher_(d), nav_(nav), id_(id), client_(new QWidget(this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    client_->setFixedSize(twips(clientWidthTwips), twips(clientHeightTwips));
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
}

void Form::build(std::span<const ControlSpec> specs)
{
    QWidget* first = controls_.build(client_, specs);
    if (first) first->setFocus(Qt::OtherFocusReason);
    // The border is fixed: the window is exactly its client area plus the menu bar.
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    setFixedSize(client_->width(), client_->height() + menuHeight);
}

QMenu* Form::addFileMenu(const char* objectName)
{
    // Keep the menu in the window on desktops with a global menu bar.
    menuBar()->setNativeMenuBar(false);
    //: The one menu of the game windows' menu bar, holding their game and online items.
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QString::fromLatin1(objectName));
    return file;
}

void Form::onClick(Control button, std::function<void()> handler)
{
    auto* b = controls_.as<QPushButton>(button);
    connect(b, &QPushButton::clicked, this, [this, b, handler = std::move(handler)] {
        if (!takesInput()) return;
        if (b->focusPolicy() != Qt::NoFocus && !b->hasFocus()) b->setFocus(Qt::ShortcutFocusReason);
        handle(handler);
    });
}

void Form::onChoose(QAction* item, std::function<void()> handler)
{
    connect(item, &QAction::triggered, this, [this, handler = std::move(handler)] { input(handler); });
}

void Form::handle(const std::function<void()>& h)
{
    dispatcher_.run(this, [&] {
        h();
        if (!leaving_) render();
    });
}

bool Form::takesInput() const { return !dispatcher_.busy() && !QApplication::activeModalWidget(); }

void Form::input(const std::function<void()>& h)
{
    if (takesInput()) handle(h);
}

void Form::displayed()
{
    // Without a window manager nothing places or focuses a window: do it here.
    if (QWidget* first = controls_.firstFocus()) first->setFocus(Qt::OtherFocusReason);
}

void Form::leave()
{
    leaving_ = true;
    for (GameTimer* t : findChildren<GameTimer*>(Qt::FindDirectChildrenOnly)) t->setEnabled(false);
}

void Form::centre()
{
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    // Before a window manager has framed the window, its frame is its own size:
    // the frame's corner goes where the window is moved, and once the frame is
    // known the window is centred again (moveEvent).
    const QSize outer = frameGeometry().size();
    frameUnknown_ = outer == size();
    move(s->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void Form::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    if (frameUnknown_ && frameGeometry().size() != size()) centre();
}

void Form::closeEvent(QCloseEvent* e)
{
    // The application closes the window (and deletes it later); Qt must not.
    // Qt refuses a close request while a message box is open; one that comes
    // while a handler waits for the update download waits for its end.
    e->ignore();
    dispatcher_.afterHandler([this, self = QPointer<Form>(this)] {
        if (self) dispatcher_.run(this, [this] { nav_.close(id_); });
    });
}

}  // namespace numora
