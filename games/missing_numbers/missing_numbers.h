#pragma once

#include "common/game.h"
#include "missing_numbers/rules.h"

namespace numora {

// The rules of the main window's game: picks by click and key, the attempt
// limit, the lock-out, the countdown's warning, pause and the resize rule.
class MissingNumbersGame final : public Game {
public:
    MissingNumbersGame(RunState& st, RandomSource& rnd, ScreenRequests& req)
        : Game(st, rnd, req, kMissingLevels) {}

    MainScreen& screen() override { return screen_; }
    void padClick(int index) override { pick(index + 1); }
    void cellKeyDown(Key key) override;
    void pause() { requests_.minimise(); }  // the pause button
    void resized(bool minimised);      // the window's resize rule

private:
    void deal() override;
    // The level's seconds are the puzzle's until the next deal sets them again.
    void levelsReady(std::int16_t seconds) override { state_.secondsLeft = seconds; }
    void levelChosen(std::int16_t seconds) override { state_.secondsLeft = seconds; }
    void started() override;
    void stopped() override;
    Status countdownStatus() const override;
    void pick(int n);

    MainScreen screen_;
};

}  // namespace numora
