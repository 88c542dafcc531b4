// A timer with the semantics the games expect: it starts off; a period of 0
// never fires; switching on a running timer changes nothing; switching it on
// from off starts a full period; a new period on a running timer restarts it.
// Ticks are handlers of the timer's window like any other and never run inside
// another handler.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "dispatcher.h"
#include "common/screen.h"

namespace numora {

class GameTimer : public QObject {
    Q_OBJECT
public:
    GameTimer(Dispatcher& d, QWidget* window, std::function<void()> onTick);

    void apply(const TimerState& s);
    void setEnabled(bool on);
    void setInterval(int ms);

private:
    void sync();
    void tick();

    Dispatcher& dispatcher_;
    QWidget* window_;
    std::function<void()> onTick_;
    QTimer timer_{this};  // holds the period; a child, so that it shows in the object tree
    bool enabled_ = false;
    bool queued_ = false;  // a tick fell due while a handler ran, and waits for it
};

}  // namespace numora
