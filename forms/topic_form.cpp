#include "topic_form.h"

#include "layout.h"

namespace numora {

TopicForm::TopicForm(Dispatcher& d, Navigator& nav)
    : Form(d, nav, Window::Topic, layouts::topic().client.width(), layouts::topic().client.height())
{
    //: Title of the topic selector, a 345 px window whose buttons choose a game. KORVELLAN is the
    //: maker's name and stays as is.
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
