// The main window: the missing-numbers game, the File menu with its online
// items, and the donation button.
#pragma once

#include "game_form.h"
#include "missing_numbers/missing_numbers.h"

namespace numora {

namespace online { class Online; }

class MainForm final : public GameForm {
    Q_OBJECT
public:
    MainForm(Dispatcher& d, Navigator& nav, const Play& play, online::Online& online);

    // The load step: the connectivity gate, the level list, the welcome page once per run.
    void load() override;
    void displayed() override;

    MissingNumbersGame& game() { return game_; }

protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void renderOwn() override;

private:
    static bool onWayland();
    // Minimised, or no longer shown by a Wayland compositor: the game pauses.
    bool hidden() const;
    void tellGame(bool hidden);

    MissingNumbersGame game_;
    online::Online& online_;
    bool hidden_ = false;  // as the game was last told
};

}  // namespace numora
