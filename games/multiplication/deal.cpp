// Deals a multiplication puzzle: four factors and the four products to find.
#include <algorithm>

#include "multiplication/multiplication.h"

namespace numora {

void dealMultiplication(RunState& st, RandomSource& rnd, MultiplicationScreen& screen)
{
    // A new puzzle restarts the entry and the highlight at the first product.
    st.picks = 0;
    st.found = 0;
    st.entry = {};
    st.productsFound = 0;
    st.justFound = false;
    st.sought = 0;

    // Re-seed before every factor; each picture changes as its factor is drawn.
    for (std::size_t i = 0; i < MultiplicationScreen::kFactors; ++i) {
        rnd.reseed();
        st.digits[i] = static_cast<std::int16_t>(rnd.digit());
        screen.cells[i] = Picture::number(st.digits[i]);
    }

    // Cell order is the order the player finds them in: top row, bottom row,
    // right column, left column.
    const auto& f = st.digits;
    st.products = {static_cast<std::int16_t>(f[1] * f[0]), static_cast<std::int16_t>(f[3] * f[2]),
                   static_cast<std::int16_t>(f[3] * f[1]), static_cast<std::int16_t>(f[2] * f[0])};

    std::fill(screen.figures.begin(), screen.figures.end(), Figure::unknown());
    screen.back = Colour::ButtonFace;  // clears the green of a completed puzzle

    // No level chosen keeps the seconds the last deal set.
    if (const auto secs = levelSeconds(screen.levels, screen.level)) st.secondsLeft = *secs;

    // Entries are compared with products only once there are real products.
    st.dealt = true;
}

}  // namespace numora
