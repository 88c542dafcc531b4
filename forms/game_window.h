// What the three windows have in common: a fixed client area built from a
// layout table, centred at every load, a close box that asks the application
// to close the window, and the timers that stop with it.
#pragma once

#include <QMainWindow>
#include <QVector>
#include <span>

#include "context.h"
#include "game_timer.h"
#include "layout.h"
#include "mathmod_1/requests.h"

namespace numora {

class GameWindow : public QMainWindow, public ScreenRequests {
    Q_OBJECT
public:
    GameWindow(Context& ctx, int clientWidthTwips, int clientHeightTwips);

    // The window's load handler; runs after the controls are built and before
    // the window is displayed.
    virtual void load() {}
    // Run once as the window is displayed after a load.
    virtual void displayed();
    // The window is closing (or about to show another window): its timers
    // stop for good and it no longer renders.
    void markClosing();
    bool isClosing() const { return closing_; }

    Controls& controls() { return controls_; }
    QWidget* client() const { return client_; }
    QVector<GameTimer*> timers() const { return timers_; }

    // ScreenRequests
    void focusTray(int index) override;
    void minimise() override;

    // Centre on the screen the window is on.
    void centre();

    // The window's close-request handler, run on every close whatever asked for it.
    virtual void onClosing() {}

protected:
    void build(std::span<const ControlSpec> specs);
    GameTimer* addTimer(std::function<void()> onTick);
    QMenu* addFileMenu(const QString& title);
    // Run a handler, then bring the window up to date with the game.
    void handle(const std::function<void()>& h);
    virtual void render() {}
    // The close box asks the application to close this window.
    virtual void requestClose() = 0;
    void closeEvent(QCloseEvent* e) override;
    void setBackground(const QColor& c);

    Context& ctx_;
    Controls controls_;

private:
    QWidget* client_;
    QVector<GameTimer*> timers_;
    bool closing_ = false;
};

}  // namespace numora
