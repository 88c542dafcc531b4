// The game state that lives for the whole run, shared by both games: it
// outlives their windows and is owned by the application.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "common/random_source.h"
#include "common/screen.h"

namespace numora {

struct RunState {
    // Missing-numbers game (digits, found, picks and secondsLeft are shared with
    // the multiplication game, whose factors are digits[0..3]).
    std::array<std::int16_t, 9> digits{};  // the grid's nine
    std::int16_t hidden1 = 0;  // the hidden cells' positions: 1..9 after a deal, 0 before the first one
    std::int16_t hidden2 = 0;
    std::int16_t found = 0;        // hidden cells found on this puzzle
    std::int16_t picks = 0;        // picks (or digits typed) on this puzzle
    std::int16_t secondsLeft = 0;  // until the next puzzle
    // A hidden cell is uncovered at most once per deal; only a deal clears these.
    std::array<bool, 2> uncovered{};  // one per hidden cell

    // Multiplication game.
    std::array<std::int16_t, 4> products{};
    std::int16_t sought = 0;  // the product cell to find next, in finding order
    std::int16_t productsFound = 0;
    // The answer being typed: the digits entered since the last find, restart or
    // clear, and how many there are (a third digit starts a new answer).
    struct Entry {
        std::int16_t value = 0;
        std::int16_t digits = 0;
    } entry;
    bool justFound = false;  // the sought product was just found; the next highlight tick moves on
    bool dealt = false;  // a multiplication puzzle has been dealt in this run
};

// Saturating 16-bit steps: a counter stops at the edge of its range.
std::int16_t saturatingIncrement(std::int16_t v);
std::int16_t saturatingDecrement(std::int16_t v);

// Seconds of entry `index` of a level list; none when there is no such entry.
std::optional<std::int16_t> levelSeconds(std::span<const std::int16_t> levels, int index);

}  // namespace numora
