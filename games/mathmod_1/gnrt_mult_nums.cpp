#include "mathmod_1/mathmod_1.h"

namespace numora {

void gnrtMultNums(ModuleState& st, RandomSource& rnd, MultBoard& board)
{
    // A new puzzle restarts the entry and the highlight at the first product.
    st.atmptcnt = 0;
    st.fndcnt = 0;
    st.entval = 0;
    st.enttxt = "0";
    st.prdfndcnt = 0;
    st.dgtcnt = 0;
    st.justfnd = false;
    st.curprd = 0;

    // Re-seed before every factor; each picture changes as its factor is drawn.
    for (std::size_t i = 0; i < 4; ++i) {
        rnd.reseed();
        st.numary[i] = static_cast<std::int16_t>(rnd.digit());
        board.tray[i] = Picture::number(st.numary[i]);
    }

    // Cell order is the order the player finds them in: top row, bottom row,
    // right column, left column.
    const auto& f = st.numary;
    st.prdary[0] = static_cast<std::int16_t>(f[1] * f[0]);
    st.prdary[1] = static_cast<std::int16_t>(f[3] * f[2]);
    st.prdary[2] = static_cast<std::int16_t>(f[3] * f[1]);
    st.prdary[3] = static_cast<std::int16_t>(f[2] * f[0]);

    for (std::size_t i = 0; i < 4; ++i) {
        board.sumdsply[i] = "?";
        board.sumBack[i] = Colour::ButtonFace;
    }
    board.back = Colour::ButtonFace;  // clears the green of a completed puzzle

    // An unknown level text keeps the seconds the last deal set.
    if (const int secs = levelSeconds(kMultLevels, board.levelText); secs >= 0)
        st.lvlsec = static_cast<std::int16_t>(secs);

    // Entries are compared with products only once there are real products.
    st.multDealt = true;
}

}  // namespace numora
