#include "dispatcher.h"

#include <QPointer>
#include <QWidget>

namespace numora {

void Dispatcher::run(QWidget* window, const std::function<void()>& handler)
{
    windows_.push_back(window);
    struct Leave {
        Dispatcher& d;
        ~Leave()
        {
            d.windows_.pop_back();
            if (d.windows_.empty()) d.finish();
        }
    } leave{*this};
    handler();
}

void Dispatcher::afterHandler(std::function<void()> task)
{
    if (!busy()) {
        run(nullptr, task);
        return;
    }
    tasks_.emplace_back(window(), std::move(task));
}

void Dispatcher::finish()
{
    // In the order they came, each as a handler of its own; a task may queue
    // more, so drain until nothing is left.
    while (!tasks_.empty()) {
        auto [window, task] = std::move(tasks_.front());
        tasks_.erase(tasks_.begin());
        windows_.push_back(window);
        task();
        windows_.pop_back();
    }
    if (idleCheck_) idleCheck_();
}

}  // namespace numora
