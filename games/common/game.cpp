#include "common/game.h"

#include <algorithm>

namespace numora {

void Game::levelSetup()
{
    // Assigned rather than appended: every load shows exactly the game's levels.
    GameScreen& s = screen();
    s.levels = levels_;
    s.level = 0;
    s.levelTimer.interval = levels_[0] * kMsPerSecond;
    levelsReady(levels_[0]);
}

void Game::levelLostFocus()
{
    // The puzzle's seconds follow at the next deal; a list without a choice changes nothing.
    GameScreen& s = screen();
    const auto secs = levelSeconds(s.levels, s.level);
    if (!secs) return;
    s.levelTimer.interval = *secs * kMsPerSecond;
    levelChosen(*secs);
}

void Game::start()
{
    GameScreen& s = screen();
    s.levelsEnabled = false;
    s.levelTimer.enabled = true;
    s.countdownTimer.enabled = true;
    deal();
    s.startEnabled = false;
    started();
}

void Game::levelTick()
{
    deal();
    GameScreen& s = screen();
    s.padVisible = true;  // a lock-out may have hidden it
    s.status = {Status::Kind::ClickNumber};
}

void Game::countdownTick()
{
    state_.secondsLeft = saturatingDecrement(state_.secondsLeft);
    GameScreen& s = screen();
    s.caption = {Caption::Kind::Countdown, state_.secondsLeft};
    const Status::Kind was = s.status.kind;
    s.status = countdownStatus();
    // The warning that one pick is left reads as the lock-out does.
    if (s.status.kind == Status::Kind::LockedOut && was != Status::Kind::LockedOut)
        requests_.tell({News::Kind::LockedOut, state_.secondsLeft});
}

void Game::stop()
{
    // The puzzle stays in the module state: picks after Stop still compare with it.
    GameScreen& s = screen();
    s.levelTimer.enabled = false;
    s.countdownTimer.enabled = false;
    s.levelsEnabled = true;
    std::fill(s.cells.begin(), s.cells.end(), Picture::empty());
    state_.secondsLeft = 0;
    s.startEnabled = true;
    s.padVisible = true;
    s.status = {Status::Kind::ClickNumber};
    stopped();
    requests_.tell({News::Kind::Stopped});
}

}  // namespace numora
