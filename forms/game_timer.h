// A timer with the semantics the games expect: it starts off; a period of 0
// never fires; switching on a running timer changes nothing; switching it on
// from off starts a full period; a new period on a running timer restarts it.
// Ticks are handlers like any other and never run inside another handler.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "mathmod_1/screen_types.h"

namespace numora {

class Dispatcher;

class GameTimer : public QObject {
    Q_OBJECT
public:
    GameTimer(Dispatcher& d, std::function<void()> onTick, QObject* parent = nullptr);
    ~GameTimer() override;

    void apply(const TimerState& s);
    void setEnabled(bool on);
    void setInterval(int ms);
    bool isEnabled() const { return enabled_; }
    int interval() const { return interval_; }
    bool isRunning() const { return timer_.isActive(); }  // counting towards a tick
    int remainingMs() const { return timer_.remainingTime(); }

    // Deliver a tick now, as the timer's own event would (tests call this).
    void tick();
    // A tick that was held back while another handler ran.
    void fireDeferred();

private:
    void sync();

    Dispatcher& d_;
    std::function<void()> onTick_;
    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
};

}  // namespace numora
