// The multiplication window.
#pragma once

#include "game_window.h"
#include "multiplication/multiplication.h"

class QAction;

namespace numora {

class MultForm : public GameWindow {
    Q_OBJECT
public:
    explicit MultForm(Context& ctx);

    void load() override;

    MultiplicationGame& game() { return game_; }
    GameTimer* tmr_1() const { return tmr_1_; }
    GameTimer* tmr_2() const { return tmr_2_; }
    GameTimer* tmr_3() const { return tmr_3_; }
    QAction* addSub() const { return addSub_; }

    void onClosing() override;

protected:
    void render() override;
    void requestClose() override;

private:
    MultiplicationGame game_;
    GameTimer* tmr_1_;
    GameTimer* tmr_2_;
    GameTimer* tmr_3_;
    QAction* addSub_;
    MultScreen shown_;
    bool firstRender_ = true;
};

// The topic selector: nothing leads to it, but it can be shown.
class TopicForm : public GameWindow {
    Q_OBJECT
public:
    explicit TopicForm(Context& ctx);

protected:
    void requestClose() override;
};

}  // namespace numora
