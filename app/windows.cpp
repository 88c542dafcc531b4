#include "windows.h"

#include <algorithm>

#include "dispatcher.h"

namespace numora {

Windows::Windows(Dispatcher& d, std::array<Factory, 3> factories, std::function<void()> onEnd)
    : d_(d), onEnd_(std::move(onEnd))
{
    for (std::size_t i = 0; i < slots_.size(); ++i) slots_[i].factory = std::move(factories[i]);
}

Windows::~Windows()
{
    // Delete the windows before the dispatcher and services they refer to, the
    // closed ones whose deletion is still queued too.
    for (const QPointer<GameWindow>& w : closed_) delete w.data();
}

void Windows::show(Window which)
{
    Slot& s = slot(which);
    if (s.window) {
        s.window->show();
        s.window->raise();
        s.window->activateWindow();
        return;
    }
    s.window = s.factory();
    GameWindow* w = s.window.get();
    // The load handler is the window's own: its messages belong to it.
    d_.run(w, [w] { w->load(); });
    // The load handler may have closed the window again.
    if (s.window.get() != w) return;
    w->centre();
    w->show();
    w->raise();
    w->activateWindow();
    w->displayed();
}

void Windows::close(Window which)
{
    Slot& s = slot(which);
    // A window already closing (its close-request handler waits in a message
    // box) closes once.
    if (!s.window || s.closing) return;
    s.closing = true;
    s.window->leave();
    s.window->closeRequested();
    s.closing = false;
    s.window->hide();
    // A closed window may still be deep in its own handler's stack frames (a Qt
    // signal emitter, say): Qt deletes it once the event loop has unwound them,
    // never inside a message box's loop.
    std::erase_if(closed_, [](const QPointer<GameWindow>& w) { return w.isNull(); });
    closed_.emplace_back(s.window.get());
    s.window.release()->deleteLater();
}

void Windows::handlerFinished()
{
    if (ended_ || std::any_of(slots_.begin(), slots_.end(), [](const Slot& s) { return s.window != nullptr; })) return;
    ended_ = true;
    if (onEnd_) onEnd_();
}

}  // namespace numora
