// The main window: the missing-numbers game, the File menu with its online
// items, and the donation button.
#pragma once

#include "game_form.h"
#include "missing_numbers/missing_numbers.h"

class QAction;

namespace numora {

namespace online { class Online; }

class MainForm final : public GameForm {
    Q_OBJECT
public:
    MainForm(Dispatcher& d, Navigator& nav, const Play& play, online::Online& online);

    // The load step: the connectivity gate, the level list, the welcome page once per run.
    void load() override;
    void displayed() override;
    void closeRequested() override;
    void describe() override;

    MissingNumbersGame& game() { return game_; }
    QAction* multi1() const { return multi1_; }
    QAction* chkupdte() const { return chkupdte_; }

protected:
    void changeEvent(QEvent* e) override;

private:
    MissingNumbersGame game_;
    online::Online& online_;
    QAction* multi1_;
    QAction* chkupdte_;
};

}  // namespace numora
