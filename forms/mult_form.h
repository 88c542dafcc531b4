// The multiplication window.
#pragma once

#include "game_form.h"
#include "multiplication/multiplication.h"

class QAction;

namespace numora {

class MultForm final : public GameForm {
    Q_OBJECT
public:
    MultForm(Dispatcher& d, Navigator& nav, const Play& play);

    MultiplicationGame& game() { return game_; }
    GameTimer* tmr_3() const { return tmr_3_; }
    QAction* addSub() const { return addSub_; }

    // Leaving this window, by any route, brings the main window back.
    void closeRequested() override;
    void describe() override;

protected:
    void renderOwn() override;

private:
    MultiplicationGame game_;
    GameTimer* tmr_3_;
    QAction* addSub_;
    QLabel* userEntered_;
};

}  // namespace numora
