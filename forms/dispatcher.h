// Every handler of every window runs through the dispatcher. It knows when a
// handler (and whatever it called) has run to completion, which is the moment
// the program may end, and the moment queued work may run: a message that is
// not one of a handler's own steps, and timer ticks that fell due while a
// modal message box was open. It also knows whose handler is running, so that
// a message box can be shown over that window.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace numora {

class Dispatcher {
public:
    Dispatcher() = default;
    ~Dispatcher();
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Called each time the outermost handler has returned.
    void setIdleCheck(std::function<void()> check) { idleCheck_ = std::move(check); }

    // Run `handler` as an event handler of `window` (none for the program's own).
    void run(QWidget* window, const std::function<void()>& handler);

    // A handler runs, or one waits (see wait()).
    bool busy() const { return !windows_.empty() || !waits_.empty(); }
    // The window whose handler runs now; null when none does or it is the program's own.
    QWidget* window() const { return windows_.empty() ? nullptr : windows_.back(); }

    // Run `task` once the current handler has finished (at once when idle), as
    // a handler of the same window: a message that is not one of the handler's
    // own steps, or an event that fell due meanwhile. Qt's own queue (a queued
    // call, a zero-time timer) would run it inside the event loop of a message
    // box the handler opened, in the middle of that handler.
    void afterHandler(std::function<void()> task);

    // The running handler goes on later (once the update download has ended),
    // from the event loop. Until then the program is busy as while a message
    // box is open: none of its windows takes mouse, key or hover input (a box
    // does), timer ticks and close requests wait. Call the result once with the
    // rest of the handler, which then runs as a handler of the same window;
    // dropping it uncalled ends the wait with nothing more to do.
    using Resume = std::function<void(const std::function<void()>& rest)>;
    Resume wait();

private:
    class Wait;
    void finish();

    std::vector<QWidget*> windows_;  // one per handler running, innermost last
    std::vector<Wait*> waits_;       // handlers waiting to go on
    std::function<void()> idleCheck_;
    std::vector<std::pair<QPointer<QWidget>, std::function<void()>>> tasks_;  // a closed window's task runs without it
};

}  // namespace numora
