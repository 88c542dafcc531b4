// The multiplication window.
#pragma once

#include "game_form.h"
#include "multiplication/multiplication.h"

namespace numora {

class MultiplicationForm final : public GameForm {
    Q_OBJECT
public:
    MultiplicationForm(Dispatcher& d, Navigator& nav, const Play& play);

    // Leaving this window, by any route, brings the main window back.
    void closeRequested() override;

protected:
    void renderOwn() override;

private:
    MultiplicationGame game_;
    GameTimer* highlightTimer_;
    QLabel* entry_;
};

}  // namespace numora
