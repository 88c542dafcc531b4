#include "windows.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

#include "dispatcher.h"

namespace numora {

Windows::Windows(Dispatcher& d, std::array<Factory, 3> factories, std::function<void()> onEnd)
    : dispatcher_(d), onEnd_(std::move(onEnd))
{
    for (std::size_t i = 0; i < entries_.size(); ++i) entries_[i].factory = std::move(factories[i]);
}

Windows::~Windows()
{
    // The closed windows whose deletion is still queued go now, before the
    // dispatcher and services they refer to; the loaded ones go with their entries.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Windows::show(Window which)
{
    Entry& s = entry(which);
    if (s.window) {
        s.window->show();
        s.window->raise();
        s.window->activateWindow();
        return;
    }
    s.window = s.factory();
    Form* w = s.window.get();
    // The load handler is the window's own: its messages belong to it.
    dispatcher_.run(w, [w] { w->load(); });
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
    Entry& s = entry(which);
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
    s.window.release()->deleteLater();
}

void Windows::handlerFinished()
{
    if (ended_ || std::any_of(entries_.begin(), entries_.end(), [](const Entry& s) { return s.window != nullptr; })) return;
    ended_ = true;
    if (onEnd_) onEnd_();
}

}  // namespace numora
