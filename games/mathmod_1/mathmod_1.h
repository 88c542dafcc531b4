// Program-wide game state and the two puzzle generators. The state outlives the
// game windows: it is owned by the application for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "mathmod_1/random_source.h"
#include "mathmod_1/screen.h"

namespace numora {

inline constexpr int kHiddenCells = 2;      // a missing-numbers puzzle hides two cells
inline constexpr int kPicksCompared = 4;    // the fifth pick on a puzzle locks out
inline constexpr int kEntryDigits = 2;      // a product has at most two digits

struct ModuleState {
    // Missing-numbers game (numary, fndcnt, atmptcnt and lvlsec are shared with
    // the multiplication game, which uses numary(0..3)).
    std::array<std::int16_t, MainScreen::kCells> numary{};
    std::int16_t msngpos_1 = 0;  // 1..9 after a deal, 0 before the first one
    std::int16_t msngpos_2 = 0;
    std::int16_t fndcnt = 0;
    std::int16_t atmptcnt = 0;
    std::int16_t lvlsec = 0;
    // A hidden cell is uncovered at most once per deal; only a deal clears these.
    std::array<bool, kHiddenCells> uncovered{};

    // Multiplication game.
    std::array<std::int16_t, MultScreen::kProducts> prdary{};
    std::int16_t curprd = 0;
    std::int16_t prdfndcnt = 0;
    // The answer being typed: the digits entered since the last find, restart or
    // clear, and how many there are (a third digit starts a new answer).
    struct Entry {
        std::int16_t value = 0;
        std::int16_t digits = 0;
    } entry;
    bool justfnd = false;
    bool multDealt = false;  // a multiplication puzzle has been dealt in this run
};

// Saturating 16-bit steps: a counter stops at the edge of its range.
std::int16_t incSat(std::int16_t v);
std::int16_t decSat(std::int16_t v);

// The level lists, in list order, as seconds per puzzle.
inline constexpr std::array<std::int16_t, 3> kMissingLevels{11, 8, 6};
inline constexpr std::array<std::int16_t, 3> kMultLevels{18, 15, 10};

// Seconds of entry `index` of a level list; none when there is no such entry.
std::optional<std::int16_t> levelSeconds(std::span<const std::int16_t> levels, int index);

// Deal a missing-numbers puzzle onto the main window.
void gnrtMsngNums(ModuleState& st, RandomSource& rnd, MainScreen& screen);

// Deal a multiplication puzzle onto the multiplication window.
void gnrtMultNums(ModuleState& st, RandomSource& rnd, MultScreen& screen);

}  // namespace numora
