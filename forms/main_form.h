// The main window: the missing-numbers game, the File menu with its online
// items, and the donation button.
#pragma once

#include <QTimer>

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

protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void renderOwn() override;

private:
    static bool onWayland();
    // Minimised, or no longer shown by a Wayland compositor: the game pauses.
    bool hidden() const;
    void tellGame();  // the game hears when hidden() changes
    void queueResized(bool hidden);  // after the handler that runs, if one does

    // Qt gives up on a frame after 100 ms; compositors were seen answering 300 ms
    // late under load, and a real hide lasts seconds. Well under a level period.
    static constexpr int kHiddenAfterMs = 1000;

    MissingNumbersGame game_;
    online::Online& online_;
    bool hidden_ = false;  // as the game was last told
    bool compositorHides_ = false;  // Wayland: unexposed for kHiddenAfterMs and since
    QTimer unexposed_;
};

}  // namespace numora
