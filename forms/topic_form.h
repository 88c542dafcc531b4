// The topic selector: nothing leads to it, but it can be shown.
#pragma once

#include "form.h"

namespace numora {

class TopicForm final : public Form {
    Q_OBJECT
public:
    TopicForm(Dispatcher& d, Navigator& nav);
};

}  // namespace numora
