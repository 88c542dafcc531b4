#pragma once

#include "common/game.h"

namespace numora {

inline constexpr int kHiddenCells = 2;            // a puzzle hides two cells
inline constexpr int kLastPickBeforeLockOut = 4;  // the next pick on a puzzle locks out
inline constexpr std::array<std::int16_t, 3> kMissingLevels{11, 8, 6};  // seconds per puzzle, in list order

struct MainScreen : GameScreen {
    static constexpr std::size_t kCells = 9;
    static constexpr std::size_t kSums = 6;
    MainScreen() : GameScreen(kCells, kSums, Figure::number(0)) {}
    bool started = false;  // a game was started since the load
};

// Deal a missing-numbers puzzle onto the main window.
void dealMissingNumbers(RunState& st, RandomSource& rnd, MainScreen& screen);

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
    void resized(bool minimised);           // the window's resize rule

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
