#include "topic_form.h"

#include "layout.h"

namespace numora {

TopicForm::TopicForm(Dispatcher& d, Navigator& nav)
    : GameWindow(d, nav, Window::Topic, layouts::topic().client.width(), layouts::topic().client.height())
{
    setWindowTitle(tr("KORVELLAN : Select your topic"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/topic.png")));
    build(layouts::topic().controls);
    onClick("maths1", [this] {
        nav_.close(Window::Topic);
        nav_.show(Window::Main);
    });
    onClick("algebra1", [this] { nav_.close(Window::Topic); });
    onClick("extgm", [this] { nav_.close(Window::Topic); });
}

}  // namespace numora
