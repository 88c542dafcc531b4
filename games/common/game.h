// What a game window and its game ask of each other, and what both games share:
// the level list, Start, Stop and the two timers every game window has.
#pragma once

#include <cstdint>
#include <span>

#include "common/keys.h"
#include "common/state.h"

namespace numora {

// One-shot requests a game makes of its window: they are actions, not state.
class ScreenRequests {
public:
    virtual ~ScreenRequests() = default;
    virtual void focusCell(int index) = 0;  // give the keyboard focus to cell `index`
    virtual void minimise() = 0;            // set the window state to minimised
    virtual void tell(News n) = 0;          // a change for a screen reader to say
};

// The events both game windows hand to their game, one method each. After
// each, the window shows what screen() then says.
class Game {
public:
    virtual ~Game() = default;
    virtual GameScreen& screen() = 0;

    void levelSetup();                      // part of the window's load step
    void levelLostFocus();                  // the level list lost the focus; screen().level is the choice
    void start();
    void stop();
    void levelTick();                       // the level period is over
    void countdownTick();                   // one second has passed
    virtual void padClick(int index) = 0;   // the pad's key `index`
    virtual void cellKeyDown(Key key) = 0;  // a key on a cell

protected:
    Game(RunState& st, RandomSource& rnd, ScreenRequests& req, std::span<const std::int16_t> levels)
        : state_(st), random_(rnd), requests_(req), levels_(levels) {}

    // What each game adds to the shared steps.
    virtual void deal() = 0;
    virtual void levelsReady(std::int16_t firstSeconds) = 0;  // at the level set-up
    virtual void levelChosen(std::int16_t /*seconds*/) {}     // a level choice took effect
    virtual void started() = 0;                               // Start, after the deal
    virtual void stopped() = 0;
    virtual Status countdownStatus() const = 0;

    RunState& state_;
    RandomSource& random_;
    ScreenRequests& requests_;

private:
    std::span<const std::int16_t> levels_;  // seconds per puzzle, in list order
};

}  // namespace numora
