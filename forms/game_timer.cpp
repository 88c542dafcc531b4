#include "game_timer.h"

#include <QPointer>
#include <QWidget>
#include <utility>

namespace numora {

GameTimer::GameTimer(Dispatcher& d, QWidget* window, std::function<void()> onTick)
    : QObject(window), dispatcher_(d), window_(window), onTick_(std::move(onTick))
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!dispatcher_.busy()) {
            tick();
        } else if (!std::exchange(queued_, true)) {
            dispatcher_.afterHandler([t = QPointer<GameTimer>(this)] {
                if (t && std::exchange(t->queued_, false)) t->tick();
            });
        }
    });
}

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
    if (ms == timer_.interval()) return;
    timer_.setInterval(ms);
    sync();
}

void GameTimer::sync()
{
    if (!enabled_ || timer_.interval() <= 0) {
        timer_.stop();
        queued_ = false;  // a switched-off timer does not tick, not even late
        return;
    }
    timer_.start();  // a full period from now
}

void GameTimer::tick()
{
    if (!enabled_ || timer_.interval() <= 0) return;
    dispatcher_.run(window_, onTick_);
}

}  // namespace numora
