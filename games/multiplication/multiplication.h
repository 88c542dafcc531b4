// The rules of the multiplication window's game: digit entry, the blinking
// highlight of the product to find, and clearing the entry.
#pragma once

#include "common/game.h"
#include "multiplication/rules.h"

namespace numora {

class MultiplicationGame final : public Game {
public:
    MultiplicationGame(RunState& st, RandomSource& rnd, ScreenRequests& req)
        : Game(st, rnd, req, kMultiplicationLevels) {}

    MultiplicationScreen& screen() override { return screen_; }
    void padClick(int index) override;  // the digit index
    void cellKeyDown(Key key) override;
    void highlightTick();
    void clearClick();  // "Cls."

private:
    void deal() override;
    void levelsReady(std::int16_t) override { state_.picks = 0; }
    void started() override;
    void stopped() override;
    Status countdownStatus() const override { return {Status::Kind::Refreshing, state_.secondsLeft}; }
    void enterDigit(int d);
    void clearEntry();

    MultiplicationScreen screen_;
};

}  // namespace numora
