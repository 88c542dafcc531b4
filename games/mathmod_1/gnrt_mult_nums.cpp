// Deals a multiplication puzzle: four factors and the four products to find.
#include <algorithm>

#include "mathmod_1/mathmod_1.h"

namespace numora {

void gnrtMultNums(ModuleState& st, RandomSource& rnd, MultScreen& screen)
{
    // A new puzzle restarts the entry and the highlight at the first product.
    st.atmptcnt = 0;
    st.fndcnt = 0;
    st.entry = {};
    st.prdfndcnt = 0;
    st.justfnd = false;
    st.curprd = 0;

    // Re-seed before every factor; each picture changes as its factor is drawn.
    for (std::size_t i = 0; i < MultScreen::kFactors; ++i) {
        rnd.reseed();
        st.numary[i] = static_cast<std::int16_t>(rnd.digit());
        screen.tray[i] = Picture::number(st.numary[i]);
    }

    // Cell order is the order the player finds them in: top row, bottom row,
    // right column, left column.
    const auto& f = st.numary;
    st.prdary = {static_cast<std::int16_t>(f[1] * f[0]), static_cast<std::int16_t>(f[3] * f[2]),
                 static_cast<std::int16_t>(f[3] * f[1]), static_cast<std::int16_t>(f[2] * f[0])};

    std::fill(screen.sumdsply.begin(), screen.sumdsply.end(), Figure::unknown());
    screen.back = Colour::ButtonFace;  // clears the green of a completed puzzle

    // No level chosen keeps the seconds the last deal set.
    if (const auto secs = levelSeconds(screen.levels, screen.level)) st.lvlsec = *secs;

    // Entries are compared with products only once there are real products.
    st.multDealt = true;
}

}  // namespace numora
