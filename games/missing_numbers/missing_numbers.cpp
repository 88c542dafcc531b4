#include "missing_numbers/missing_numbers.h"

#include <algorithm>

namespace numora {

void MissingNumbersGame::deal()
{
    dealMissingNumbers(st_, rnd_, screen_);
    req_.tell({News::Kind::Dealt});
}

void MissingNumbersGame::started()
{
    screen_.started = true;
    screen_.padVisible = true;
    // Digit keys only reach the game through a grid cell.
    req_.focusCell(1);
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
    if (st_.picks < kPicksCompared) return {Status::Kind::ClickNumber};
    return {Status::Kind::LockedOut, st_.secondsLeft};
}

// 0 keys, Delete, letters, Shift ...: a pick that matches nothing.
void MissingNumbersGame::cellKeyDown(Key key) { pick(key.digitOrZero()); }

void MissingNumbersGame::pick(int n)
{
    // No puzzle dealt in this run yet: a key on a grid cell (reachable by Tab)
    // would otherwise address a cell outside the grid.
    const std::int16_t pos[kHiddenCells] = {st_.hidden1, st_.hidden2};
    for (const auto p : pos)
        if (p < 1 || p > static_cast<int>(st_.digits.size())) return;

    st_.picks = incSat(st_.picks);
    if (st_.picks > kPicksCompared) {
        if (screen_.padVisible) req_.tell({News::Kind::LockedOut, st_.secondsLeft});
        screen_.padVisible = false;
        screen_.back = Colour::LightOrange;
        screen_.status = {Status::Kind::LockedOut, st_.secondsLeft};
        return;
    }

    // Each hidden cell is found at most once per deal, so picking one correct
    // number twice cannot solve the puzzle; equal hidden numbers both match here.
    for (std::size_t k = 0; k < kHiddenCells; ++k) {
        const auto cell = static_cast<std::size_t>(pos[k] - 1);
        if (st_.uncovered[k] || st_.digits[cell] != n) continue;
        st_.uncovered[k] = true;
        screen_.cells[cell] = Picture::number(n);
        st_.found = incSat(st_.found);
    }

    if (st_.found >= kHiddenCells) {
        req_.tell({News::Kind::Solved});
        screen_.back = Colour::LightGreen;
        screen_.padEnabled = false;
        st_.found = 0;
    }
}

}  // namespace numora
