// The main window: the missing-numbers game, the File menu with its online
// items, and the donation button.
#pragma once

#include "game_window.h"
#include "missing_numbers/missing_numbers.h"

class QAction;

namespace numora {

class MainForm : public GameWindow {
    Q_OBJECT
public:
    explicit MainForm(Context& ctx);

    void load() override;
    void displayed() override;
    void onClosing() override;

    MissingNumbersGame& game() { return game_; }
    GameTimer* tmr_1() const { return tmr_1_; }
    GameTimer* tmr_2() const { return tmr_2_; }
    QAction* multi1() const { return multi1_; }
    QAction* chkupdte() const { return chkupdte_; }
    QAction* dwnLd() const { return dwnLd_; }

protected:
    void render() override;
    void requestClose() override;
    void changeEvent(QEvent* e) override;

private:
    MissingNumbersGame game_;
    GameTimer* tmr_1_;
    GameTimer* tmr_2_;
    QAction* multi1_;
    QAction* chkupdte_;
    QAction* dwnLd_;
    MainScreen shown_;  // what the controls show now, to touch only what changed
    bool firstRender_ = true;
};

}  // namespace numora
