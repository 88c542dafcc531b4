// The three windows of the program: one slot each for the whole run, loaded
// and unloaded as the player moves between them, and the rule that ends the
// program once a handler has finished and no window is loaded.
#pragma once

#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "game_window.h"

namespace numora {

class Dispatcher;

class Windows final : public Navigator {
public:
    using Factory = std::function<std::unique_ptr<GameWindow>()>;
    // One factory per window, in the order of Window; `onEnd` runs once, when
    // the program has ended.
    Windows(Dispatcher& d, std::array<Factory, 3> factories, std::function<void()> onEnd);
    ~Windows() override;

    bool ended() const { return ended_; }
    GameWindow* window(Window w) const { return slot(w).window.get(); }

    // Navigator
    void show(Window w) override;
    void close(Window w) override;

    // Called by the dispatcher once the outermost handler has returned.
    void handlerFinished();

private:
    struct Slot {
        Factory factory;
        std::unique_ptr<GameWindow> window;  // null while not loaded
        bool closing = false;                // its close-request handler runs
    };
    Slot& slot(Window w) { return slots_[static_cast<std::size_t>(w)]; }
    const Slot& slot(Window w) const { return slots_[static_cast<std::size_t>(w)]; }

    Dispatcher& d_;
    std::array<Slot, 3> slots_;
    std::vector<QPointer<GameWindow>> closed_;  // deleted by Qt later, or with this object
    std::function<void()> onEnd_;
    bool ended_ = false;
};

}  // namespace numora
