#include "topic_form.h"

#include "layout.h"

namespace numora {

TopicForm::TopicForm(Dispatcher& d, Navigator& nav)
    : GameWindow(d, nav, Window::Topic, layouts::topic().client.width(), layouts::topic().client.height())
{
    setWindowTitle(tr("KORVELLAN : Select your topic"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/topic.png")));
    build(layouts::topic().controls);
    onClick(Control::MathsButton, [this] {
        nav_.close(Window::Topic);
        nav_.show(Window::Main);
    });
    onClick(Control::AlgebraButton, [this] { nav_.close(Window::Topic); });
    onClick(Control::ExitButton, [this] { nav_.close(Window::Topic); });
}

}  // namespace numora
