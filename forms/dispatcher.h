// Every handler of every window runs through the dispatcher. It knows when a
// handler (and whatever it called) has run to completion, which is the moment
// the program may end, and the moment queued work may run: a message that is
// not one of a handler's own steps, and timer ticks that fell due while a
// modal message box was open.
#pragma once

#include <functional>
#include <vector>

namespace numora {

class GameTimer;

class Dispatcher {
public:
    // Called each time the outermost handler has returned.
    void setIdleCheck(std::function<void()> check) { idleCheck_ = std::move(check); }

    // Run `handler` as an event handler.
    void run(const std::function<void()>& handler);

    bool busy() const { return depth_ > 0; }

    // Run `task` once the current handler has finished (at once when idle).
    void afterHandler(std::function<void()> task);

    // A timer whose tick fell due while busy; it fires once the handler is done.
    void deferTick(GameTimer* t);
    void forget(GameTimer* t);

    // RAII form of run() for handlers that return values or span a block.
    class Scope {
    public:
        explicit Scope(Dispatcher& d) : d_(d) { ++d_.depth_; }
        ~Scope() { d_.leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Dispatcher& d_;
    };

private:
    void leave();

    int depth_ = 0;
    std::function<void()> idleCheck_;
    std::vector<std::function<void()>> tasks_;
    std::vector<GameTimer*> ticks_;
};

}  // namespace numora
