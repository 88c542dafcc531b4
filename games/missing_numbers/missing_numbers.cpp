#include "missing_numbers/missing_numbers.h"

#include <string>

namespace numora {

namespace {

std::string lockOutMessage(std::int16_t seconds)
{
    return kLockOutPrefix + std::to_string(seconds) + kLockOutSuffix;
}

}  // namespace

MissingNumbersGame::MissingNumbersGame(ModuleState& st, RandomSource& rnd, ScreenRequests& req)
    : st_(st), rnd_(rnd), req_(req)
{
}

void MissingNumbersGame::levelSetup()
{
    // Assigned rather than appended: every load shows exactly the three levels.
    screen_.levelItems.clear();
    for (const auto& l : kMissingLevels) screen_.levelItems.emplace_back(l.text);
    screen_.board.levelText = kMissingLevels[0].text;
    screen_.tmr_1.interval = kMissingLevels[0].seconds * 1000;
    st_.lvlsec = kMissingLevels[0].seconds;
}

void MissingNumbersGame::levelLostFocus()
{
    const int secs = levelSeconds(kMissingLevels, screen_.board.levelText);
    if (secs < 0) return;
    screen_.tmr_1.interval = secs * 1000;
    st_.lvlsec = static_cast<std::int16_t>(secs);
}

void MissingNumbersGame::start()
{
    screen_.gmlvlscboEnabled = false;
    screen_.strtGmTag = "1";
    screen_.tmr_1.enabled = true;
    screen_.tmr_2.enabled = true;
    gnrtMsngNums(st_, rnd_, screen_.board);
    screen_.strtGmEnabled = false;
    screen_.scltntrayVisible = true;
    // Digit keys only reach the game through a grid cell.
    req_.focusTray(1);
}

void MissingNumbersGame::levelTick()
{
    gnrtMsngNums(st_, rnd_, screen_.board);
    screen_.scltntrayVisible = true;  // a lock-out may have hidden it
    screen_.strlbl = kClickNumber;
}

void MissingNumbersGame::stop()
{
    screen_.tmr_1.enabled = false;
    screen_.tmr_2.enabled = false;
    screen_.gmlvlscboEnabled = true;
    screen_.board.tray.fill(Picture::empty());
    st_.lvlsec = 0;
    screen_.board.sumdsply.fill("0");
    screen_.strtGmEnabled = true;
    screen_.scltntrayVisible = true;
    screen_.strlbl = kClickNumber;
}

void MissingNumbersGame::pause() { req_.minimise(); }

void MissingNumbersGame::resized(bool minimised)
{
    if (minimised)
        screen_.tmr_1.enabled = false;
    else if (screen_.strtGmTag == "1")  // never set back by Stop
        screen_.tmr_1.enabled = true;
}

void MissingNumbersGame::countdownTick()
{
    st_.lvlsec = decSat(st_.lvlsec);
    screen_.caption = kCountdownCaption + std::to_string(st_.lvlsec);
    // The warning shows from the fourth pick on, one pick before the pad goes.
    screen_.strlbl = st_.atmptcnt < 4 ? std::string(kClickNumber) : lockOutMessage(st_.lvlsec);
}

void MissingNumbersGame::numlblClick(int index) { pick(index + 1); }

void MissingNumbersGame::trayKeyDown(int keyCode)
{
    int n = 0;  // 0 keys, letters, Shift ...: a pick that matches nothing
    if (keyCode >= keys::kDigit0 + 1 && keyCode <= keys::kDigit0 + 9)
        n = keyCode - keys::kDigit0;
    else if (keyCode >= keys::kKeypad0 + 1 && keyCode <= keys::kKeypad0 + 9)
        n = keyCode - keys::kKeypad0;
    pick(n);
}

void MissingNumbersGame::pick(int n)
{
    // No puzzle dealt in this run yet: a key on a grid cell (reachable by Tab)
    // would otherwise address a cell outside the grid.
    const std::int16_t pos[2] = {st_.msngpos_1, st_.msngpos_2};
    for (const auto p : pos)
        if (p < 1 || p > 9) return;

    st_.atmptcnt = incSat(st_.atmptcnt);
    if (st_.atmptcnt > 4) {
        screen_.scltntrayVisible = false;
        screen_.board.back = Colour::LightOrange;
        screen_.strlbl = lockOutMessage(st_.lvlsec);
        return;
    }

    // Each hidden cell is found at most once per deal, so picking one correct
    // number twice cannot solve the puzzle; equal hidden numbers both match here.
    for (int k = 0; k < 2; ++k) {
        const int cell = pos[k] - 1;
        if (st_.uncovered[k] || st_.numary[cell] != n) continue;
        st_.uncovered[k] = true;
        screen_.board.tray[cell] = Picture::number(n);
        st_.fndcnt = incSat(st_.fndcnt);
    }

    if (st_.fndcnt >= 2) {
        screen_.board.back = Colour::LightGreen;
        screen_.board.scltntrayEnabled = false;
        st_.fndcnt = 0;
    }
}

}  // namespace numora
