// What is the missing-numbers game's own: its window's screen, its constants,
// its levels and its deal.
#pragma once

#include "common/state.h"

namespace numora {

inline constexpr int kHiddenCells = 2;            // a puzzle hides two cells
inline constexpr int kLastPickBeforeLockOut = 4;  // the next pick on a puzzle locks out
// The level list, in list order, as seconds per puzzle.
inline constexpr std::array<std::int16_t, 3> kMissingLevels{11, 8, 6};

struct MainScreen : GameScreen {
    static constexpr std::size_t kCells = 9;
    static constexpr std::size_t kSums = 6;
    MainScreen() : GameScreen(kCells, kSums, Figure::number(0)) {}
    bool started = false;  // a game was started since the load
};

// Deal a missing-numbers puzzle onto the main window.
void dealMissingNumbers(RunState& st, RandomSource& rnd, MainScreen& screen);

}  // namespace numora
