// What the three windows have in common: a fixed client area built from a
// layout table, centred at every load, handlers that bring it up to date, and a
// close box that asks the application to close the window.
#pragma once

#include <QMainWindow>
#include <functional>
#include <span>

#include "control_map.h"

namespace numora {

class Dispatcher;

// The moves between windows. The application carries them out: it owns the
// windows and knows when the program has ended.
enum class Window { Main, Multiplication, Topic };

class Navigator {
public:
    virtual ~Navigator() = default;
    // Load the window if it is not loaded (build, load handler), then display it.
    virtual void show(Window w) = 0;
    // Run the window's close-request handler, then unload it. Closing a window
    // that is not loaded does nothing.
    virtual void close(Window w) = 0;
};

class Form : public QMainWindow {
    Q_OBJECT
public:
    // The window's load handler; runs after the controls are built and before
    // the window is displayed.
    virtual void load() {}
    // Run once as the window is displayed after a load.
    virtual void displayed();
    // The window's close-request handler, run on every close whatever asked for it.
    virtual void closeRequested() {}
    // The player leaves this window (it closes, or it is about to show another
    // one): its timers stop for good and it no longer renders.
    void leave();

    // Centre on the screen, frame included once the window manager has framed it.
    void centre();

    // No window acts on a player's input while a message box is open or a
    // handler is still running (it waits in a box's loop or for the update
    // download). Mouse and keys can't reach a window then, but a screen
    // reader's actions can; they are refused here, for every control alike.
    bool takesInput() const;

protected:
    Form(Dispatcher& d, Navigator& nav, Window id, int clientWidthTwips, int clientHeightTwips);

    void build(std::span<const ControlSpec> specs);
    QMenu* addFileMenu(const char* objectName);
    // A button click. An access key clicks without moving the focus; move it first,
    // so that the control it leaves (the level list) sees it go, as with the mouse.
    void onClick(Control button, std::function<void()> handler);
    // A menu item chosen.
    void onChoose(QAction* item, std::function<void()> handler);
    // Run a handler of this window, then bring the window up to date with its game.
    void handle(const std::function<void()>& h);
    // A player's click, key or choice: handled as by handle(), but only while
    // the window takes input.
    void input(const std::function<void()>& h);
    virtual void render() {}
    bool leaving() const { return leaving_; }
    Window id() const { return id_; }

    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

    Dispatcher& dispatcher_;
    Navigator& nav_;
    ControlMap controls_;

private:
    Window id_;
    QWidget* client_;
    bool leaving_ = false;
    bool frameUnknown_ = false;  // centred before a window manager framed the window
};

}  // namespace numora
