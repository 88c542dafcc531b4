#include "game_timer.h"

#include "dispatcher.h"

namespace numora {

GameTimer::GameTimer(Dispatcher& d, std::function<void()> onTick, QObject* parent)
    : QObject(parent), d_(d), onTick_(std::move(onTick))
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (d_.busy()) {
            d_.deferTick(this);
            return;
        }
        tick();
    });
}

GameTimer::~GameTimer() { d_.forget(this); }

void GameTimer::apply(const TimerState& s)
{
    setInterval(s.interval);
    setEnabled(s.enabled);
}

void GameTimer::setEnabled(bool on)
{
    if (on == enabled_) return;
    enabled_ = on;
    sync();
}

void GameTimer::setInterval(int ms)
{
    if (ms == interval_) return;
    interval_ = ms;
    sync();
}

void GameTimer::sync()
{
    if (!enabled_ || interval_ <= 0) {
        timer_.stop();
        d_.forget(this);
        return;
    }
    timer_.start(interval_);  // a full period from now
}

void GameTimer::tick()
{
    if (!enabled_ || interval_ <= 0) return;
    d_.run(onTick_);
}

void GameTimer::fireDeferred() { tick(); }

}  // namespace numora
