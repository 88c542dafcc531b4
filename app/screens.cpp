#include "screens.h"

#include <QTimer>

#include "main_form.h"
#include "mult_form.h"

namespace numora {

void Screen::show()
{
    if (!form_) {
        form_ = factory_();
        GameWindow* w = form_.get();
        w->load();
        // The load handler may have closed the window again.
        if (form_.get() != w) return;
        w->centre();
        w->show();
        w->raise();
        w->activateWindow();
        w->displayed();
        return;
    }
    if (!form_->isVisible()) form_->show();
    form_->raise();
    form_->activateWindow();
}

void Screen::close(std::vector<std::unique_ptr<GameWindow>>& grave)
{
    if (!form_ || closing_) return;
    closing_ = true;
    form_->markClosing();
    form_->onClosing();
    form_->hide();
    grave.push_back(std::move(form_));
    closing_ = false;
}

Screens::Screens(std::function<Context&()> ctx, std::function<void()> onEnd)
    : main_([ctx] { return std::unique_ptr<GameWindow>(new MainForm(ctx())); }),
      mult_([ctx] { return std::unique_ptr<GameWindow>(new MultForm(ctx())); }),
      topic_([ctx] { return std::unique_ptr<GameWindow>(new TopicForm(ctx())); }),
      onEnd_(std::move(onEnd))
{
}

Screens::~Screens()
{
    // Delete the windows before the dispatcher and services they refer to.
    grave_.clear();
}

bool Screens::start()
{
    showMain();
    return !ended_;
}

MainForm* Screens::mainForm() const { return static_cast<MainForm*>(main_.form()); }
MultForm* Screens::multForm() const { return static_cast<MultForm*>(mult_.form()); }
TopicForm* Screens::topicForm() const { return static_cast<TopicForm*>(topic_.form()); }

void Screens::showMain()
{
    mainShownInHandler_ = true;
    main_.show();
}

void Screens::closeMain() { main_.close(grave_); }
void Screens::showMultiplication() { mult_.show(); }
void Screens::closeMultiplication() { mult_.close(grave_); }
void Screens::closeTopic() { topic_.close(grave_); }
void Screens::showTopic() { topic_.show(); }

void Screens::returnToMain()
{
    if (!mainShownInHandler_) showMain();
}

void Screens::handlerFinished()
{
    mainShownInHandler_ = false;
    if (!grave_.empty()) bury();
    if (ended_ || main_.loaded() || mult_.loaded() || topic_.loaded()) return;
    ended_ = true;
    if (onEnd_) onEnd_();
}

void Screens::bury()
{
    // A closed window may still be deep in its own handler's stack frames when
    // the dispatcher reports idle (a Qt signal emitter, say): delete it from the
    // event loop, never from here.
    if (buryQueued_) return;
    buryQueued_ = true;
    QTimer::singleShot(0, &timerContext_, [this] {
        buryQueued_ = false;
        grave_.clear();
    });
}

}  // namespace numora
