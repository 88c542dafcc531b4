#include "missing_numbers/missing_numbers.h"

#include <algorithm>

namespace numora {

void MissingNumbersGame::deal()
{
    dealMissingNumbers(state_, random_, screen_);
    requests_.tell({News::Kind::Dealt});
}

void MissingNumbersGame::started()
{
    screen_.started = true;
    screen_.padVisible = true;
    // Digit keys only reach the game through a grid cell.
    requests_.focusCell(1);
}

void MissingNumbersGame::stopped() { std::fill(screen_.figures.begin(), screen_.figures.end(), Figure::number(0)); }

void MissingNumbersGame::resized(bool minimised)
{
    if (minimised)
        screen_.levelTimer.enabled = false;
    else if (screen_.started)  // never set back by Stop
        screen_.levelTimer.enabled = true;
}

Status MissingNumbersGame::countdownStatus() const
{
    // The warning shows from the last compared pick on, one pick before the pad goes.
    if (state_.picks < kLastPickBeforeLockOut) return {Status::Kind::ClickNumber};
    return {Status::Kind::LockedOut, state_.secondsLeft};
}

// 0 keys, Delete, letters, Shift ...: a pick that matches nothing.
void MissingNumbersGame::cellKeyDown(Key key) { pick(key.digitOrZero()); }

void MissingNumbersGame::pick(int n)
{
    // No puzzle dealt in this run yet: a key on a grid cell (reachable by Tab)
    // would otherwise address a cell outside the grid.
    const std::int16_t pos[kHiddenCells] = {state_.hidden1, state_.hidden2};
    for (const auto p : pos)
        if (p < 1 || p > static_cast<int>(state_.digits.size())) return;

    state_.picks = saturatingIncrement(state_.picks);
    if (state_.picks > kLastPickBeforeLockOut) {
        if (screen_.padVisible) requests_.tell({News::Kind::LockedOut, state_.secondsLeft});
        screen_.padVisible = false;
        screen_.back = Colour::LightOrange;
        screen_.status = {Status::Kind::LockedOut, state_.secondsLeft};
        return;
    }

    // Each hidden cell is found at most once per deal, so picking one correct
    // number twice cannot solve the puzzle; equal hidden numbers both match here.
    for (std::size_t k = 0; k < kHiddenCells; ++k) {
        const auto cell = static_cast<std::size_t>(pos[k] - 1);
        if (state_.uncovered[k] || state_.digits[cell] != n) continue;
        state_.uncovered[k] = true;
        screen_.cells[cell] = Picture::number(n);
        state_.found = saturatingIncrement(state_.found);
    }

    if (state_.found >= kHiddenCells) {
        requests_.tell({News::Kind::Solved});
        screen_.back = Colour::LightGreen;
        screen_.padEnabled = false;
        state_.found = 0;
    }
}

}  // namespace numora
