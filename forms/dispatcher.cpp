#include "dispatcher.h"

#include <algorithm>

#include "game_timer.h"

namespace numora {

void Dispatcher::run(const std::function<void()>& handler)
{
    Scope scope(*this);
    handler();
}

void Dispatcher::afterHandler(std::function<void()> task)
{
    if (!busy()) {
        run(task);
        return;
    }
    tasks_.push_back(std::move(task));
}

void Dispatcher::deferTick(GameTimer* t)
{
    if (std::find(ticks_.begin(), ticks_.end(), t) == ticks_.end()) ticks_.push_back(t);
}

void Dispatcher::forget(GameTimer* t) { ticks_.erase(std::remove(ticks_.begin(), ticks_.end(), t), ticks_.end()); }

void Dispatcher::leave()
{
    if (--depth_ > 0) return;
    // Queued messages first, each as a handler of its own; then the ticks that
    // waited for them. Either may queue more work, so drain until nothing is left.
    while (!tasks_.empty() || !ticks_.empty()) {
        if (!tasks_.empty()) {
            auto task = std::move(tasks_.front());
            tasks_.erase(tasks_.begin());
            ++depth_;
            task();
            --depth_;
            continue;
        }
        GameTimer* t = ticks_.front();
        ticks_.erase(ticks_.begin());
        ++depth_;
        t->fireDeferred();
        --depth_;
    }
    if (idleCheck_) idleCheck_();
}

}  // namespace numora
