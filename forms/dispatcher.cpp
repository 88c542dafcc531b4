#include "dispatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <algorithm>
#include <memory>

namespace numora {

// A handler that waits. While it does, it keeps the player's mouse, keys and
// hovering from the program's windows, as Qt's modality does for the windows a
// message box blocks; a modal window (a box) is not ours to block.
class Dispatcher::Wait : public QObject {
public:
    Wait(Dispatcher& d, QWidget* window) : dispatcher_(&d), window_(window)
    {
        d.waits_.push_back(this);
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~Wait() override { resume({}); }

    void resume(const std::function<void()>& rest)
    {
        if (!dispatcher_) return;
        Dispatcher& d = *std::exchange(dispatcher_, nullptr);
        QCoreApplication::instance()->removeEventFilter(this);
        std::erase(d.waits_, this);
        // The rest takes the waiting handler's place; what queued up meanwhile runs after it.
        d.run(window_, [&rest] {
            if (rest) rest();
        });
    }
    // The dispatcher goes first (the program ends while a download runs).
    void orphan()
    {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
        dispatcher_ = nullptr;
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::HoverLeave:
        case QEvent::ToolTip:
        case QEvent::WhatsThis:
            return !ofModalWindow(receiver);
        default:
            return false;
        }
    }

private:
    static bool ofModalWindow(QObject* o)
    {
        if (o->isWidgetType()) return static_cast<QWidget*>(o)->window()->isModal();
        if (o->isWindowType()) return static_cast<QWindow*>(o)->modality() != Qt::NonModal;
        return false;
    }

    Dispatcher* dispatcher_;
    QPointer<QWidget> window_;
};

Dispatcher::~Dispatcher()
{
    for (Wait* w : waits_) w->orphan();
}

void Dispatcher::run(QWidget* window, const std::function<void()>& handler)
{
    windows_.push_back(window);
    struct Leave {
        Dispatcher& d;
        ~Leave()
        {
            d.windows_.pop_back();
            if (!d.busy()) d.finish();
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

Dispatcher::Resume Dispatcher::wait()
{
    auto w = std::make_shared<Wait>(*this, window());
    return [w](const std::function<void()>& rest) { w->resume(rest); };
}

void Dispatcher::finish()
{
    // In the order they came, each as a handler of its own; a task may queue
    // more, so drain until nothing is left, or until one waits.
    while (!tasks_.empty() && waits_.empty()) {
        auto [window, task] = std::move(tasks_.front());
        tasks_.erase(tasks_.begin());
        windows_.push_back(window);
        task();
        windows_.pop_back();
    }
    if (!busy() && idleCheck_) idleCheck_();
}

}  // namespace numora
