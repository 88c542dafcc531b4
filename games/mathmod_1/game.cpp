#include "mathmod_1/game.h"

#include <algorithm>

namespace numora {

void Game::levelSetup()
{
    // Assigned rather than appended: every load shows exactly the game's levels.
    GameScreen& s = screen();
    s.levels = levels_;
    s.level = 0;
    s.tmr_1.interval = levels_[0] * kMsPerSecond;
    levelsReady(levels_[0]);
}

void Game::levelLostFocus()
{
    // The puzzle's seconds follow at the next deal; a list without a choice changes nothing.
    GameScreen& s = screen();
    const auto secs = levelSeconds(s.levels, s.level);
    if (!secs) return;
    s.tmr_1.interval = *secs * kMsPerSecond;
    levelChosen(*secs);
}

void Game::start()
{
    GameScreen& s = screen();
    s.gmlvlscboEnabled = false;
    s.tmr_1.enabled = true;
    s.tmr_2.enabled = true;
    deal();
    s.strtGmEnabled = false;
    started();
}

void Game::levelTick()
{
    deal();
    GameScreen& s = screen();
    s.scltntrayVisible = true;  // a lock-out may have hidden it
    s.strlbl = {Status::Kind::ClickNumber};
}

void Game::countdownTick()
{
    st_.lvlsec = decSat(st_.lvlsec);
    GameScreen& s = screen();
    s.caption = {Caption::Kind::Countdown, st_.lvlsec};
    const Status::Kind was = s.strlbl.kind;
    s.strlbl = countdownStatus();
    // The warning that one pick is left reads as the lock-out does.
    if (s.strlbl.kind == Status::Kind::LockedOut && was != Status::Kind::LockedOut) s.news.push_back({News::Kind::LockedOut});
}

void Game::stop()
{
    // The puzzle stays in the module state: picks after Stop still compare with it.
    GameScreen& s = screen();
    s.tmr_1.enabled = false;
    s.tmr_2.enabled = false;
    s.gmlvlscboEnabled = true;
    std::fill(s.tray.begin(), s.tray.end(), Picture::empty());
    st_.lvlsec = 0;
    s.strtGmEnabled = true;
    s.scltntrayVisible = true;
    s.strlbl = {Status::Kind::ClickNumber};
    stopped();
    s.news.push_back({News::Kind::Stopped});
}

}  // namespace numora
