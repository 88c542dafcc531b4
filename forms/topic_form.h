// The topic selector: nothing leads to it, but it can be shown.
#pragma once

#include "game_window.h"

namespace numora {

class TopicForm final : public GameWindow {
    Q_OBJECT
public:
    TopicForm(Dispatcher& d, Navigator& nav);
};

}  // namespace numora
