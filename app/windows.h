// The three windows of the program: one entry each for the whole run, loaded
// and unloaded as the player moves between them, and the rule that ends the
// program once a handler has finished and no window is loaded.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "form.h"

namespace numora {

class Dispatcher;

class Windows final : public Navigator {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;
    // One factory per window, in the order of Window; `onEnd` runs once, when
    // the program has ended.
    Windows(Dispatcher& d, std::array<Factory, 3> factories, std::function<void()> onEnd);
    ~Windows() override;

    bool ended() const { return ended_; }
    Form* window(Window w) const { return entry(w).window.get(); }

    // Navigator
    void show(Window w) override;
    void close(Window w) override;

    // Called by the dispatcher once the outermost handler has returned.
    void handlerFinished();

private:
    struct Entry {
        Factory factory;
        std::unique_ptr<Form> window;  // null while not loaded
        bool closing = false;          // its close-request handler runs
    };
    Entry& entry(Window w) { return entries_[static_cast<std::size_t>(w)]; }
    const Entry& entry(Window w) const { return entries_[static_cast<std::size_t>(w)]; }

    Dispatcher& dispatcher_;
    std::array<Entry, 3> entries_;
    std::function<void()> onEnd_;
    bool ended_ = false;
};

}  // namespace numora
