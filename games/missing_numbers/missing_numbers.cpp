#include "missing_numbers/missing_numbers.h"

#include <algorithm>

#include "mathmod_1/keys.h"

namespace numora {

void MissingNumbersGame::deal()
{
    gnrtMsngNums(st_, rnd_, screen_);
    screen_.news.push_back({News::Kind::Dealt});
}

void MissingNumbersGame::started()
{
    screen_.started = true;
    screen_.scltntrayVisible = true;
    // Digit keys only reach the game through a grid cell.
    req_.focusTray(1);
}

void MissingNumbersGame::stopped() { std::fill(screen_.sumdsply.begin(), screen_.sumdsply.end(), Figure::number(0)); }

void MissingNumbersGame::resized(bool minimised)
{
    if (minimised)
        screen_.tmr_1.enabled = false;
    else if (screen_.started)  // never set back by Stop
        screen_.tmr_1.enabled = true;
}

Status MissingNumbersGame::countdownStatus() const
{
    // The warning shows from the last compared pick on, one pick before the pad goes.
    if (st_.atmptcnt < kPicksCompared) return {Status::Kind::ClickNumber};
    return {Status::Kind::LockedOut, st_.lvlsec};
}

// 0 keys, letters, Shift ...: a pick that matches nothing.
void MissingNumbersGame::trayKeyDown(int keyCode) { pick(keys::digitOf(keyCode).value_or(0)); }

void MissingNumbersGame::pick(int n)
{
    // No puzzle dealt in this run yet: a key on a grid cell (reachable by Tab)
    // would otherwise address a cell outside the grid.
    const std::int16_t pos[kHiddenCells] = {st_.msngpos_1, st_.msngpos_2};
    for (const auto p : pos)
        if (p < 1 || p > static_cast<int>(st_.numary.size())) return;

    st_.atmptcnt = incSat(st_.atmptcnt);
    if (st_.atmptcnt > kPicksCompared) {
        if (screen_.scltntrayVisible) screen_.news.push_back({News::Kind::LockedOut});
        screen_.scltntrayVisible = false;
        screen_.back = Colour::LightOrange;
        screen_.strlbl = {Status::Kind::LockedOut, st_.lvlsec};
        return;
    }

    // Each hidden cell is found at most once per deal, so picking one correct
    // number twice cannot solve the puzzle; equal hidden numbers both match here.
    for (std::size_t k = 0; k < kHiddenCells; ++k) {
        const auto cell = static_cast<std::size_t>(pos[k] - 1);
        if (st_.uncovered[k] || st_.numary[cell] != n) continue;
        st_.uncovered[k] = true;
        screen_.tray[cell] = Picture::number(n);
        st_.fndcnt = incSat(st_.fndcnt);
    }

    if (st_.fndcnt >= kHiddenCells) {
        screen_.news.push_back({News::Kind::Solved});
        screen_.back = Colour::LightGreen;
        screen_.scltntrayEnabled = false;
        st_.fndcnt = 0;
    }
}

}  // namespace numora
