// What is the multiplication game's own: its window's screen, its constants,
// its levels and its deal.
#pragma once

#include "common/state.h"

namespace numora {

inline constexpr int kEntryDigits = 2;  // a product has at most two digits
// The level list, in list order, as seconds per puzzle.
inline constexpr std::array<std::int16_t, 3> kMultiplicationLevels{18, 15, 10};

struct MultiplicationScreen : GameScreen {
    static constexpr std::size_t kFactors = 4;
    static constexpr std::size_t kProducts = 4;
    static constexpr int kHighlightMs = 800;
    MultiplicationScreen() : GameScreen(kFactors, kProducts, Figure::unknown()) {}
    std::optional<std::int16_t> entry = 0;  // the entry display; empty once a puzzle is complete
    TimerState highlightTimer{false, kHighlightMs};  // blinks the product sought
};

// Deal a multiplication puzzle onto the multiplication window.
void dealMultiplication(RunState& st, RandomSource& rnd, MultiplicationScreen& screen);

}  // namespace numora
