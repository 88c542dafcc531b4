// Deals a missing-numbers puzzle: two hidden cells, nine digits, six sums.
#include <string>

#include "mathmod_1/mathmod_1.h"

namespace numora {

void gnrtMsngNums(ModuleState& st, RandomSource& rnd, MissingBoard& board)
{
    st.fndcnt = 0;
    st.atmptcnt = 0;
    st.uncovered = {};

    // One re-seed for both positions; the second is redrawn until it differs,
    // the first is never redrawn.
    rnd.reseed();
    st.msngpos_1 = static_cast<std::int16_t>(rnd.digit());
    st.msngpos_2 = static_cast<std::int16_t>(rnd.digit());
    while (st.msngpos_2 == st.msngpos_1) st.msngpos_2 = static_cast<std::int16_t>(rnd.digit());

    board.tray.fill(Picture::placeholder());
    for (int i = 0; i < 9; ++i) {
        rnd.reseed();
        st.numary[i] = static_cast<std::int16_t>(rnd.digit());
        if (i != st.msngpos_2 - 1 && i != st.msngpos_1 - 1) board.tray[i] = Picture::number(st.numary[i]);
    }

    // Rows top to bottom, then the columns from right to left: the labels'
    // order on the window.
    const auto& a = st.numary;
    const int sums[6] = {a[0] + a[1] + a[2], a[3] + a[4] + a[5], a[6] + a[7] + a[8],
                         a[2] + a[5] + a[8], a[1] + a[4] + a[7], a[0] + a[3] + a[6]};
    for (int k = 0; k < 6; ++k) board.sumdsply[k] = std::to_string(sums[k]);

    board.scltntrayEnabled = true;
    board.back = Colour::ButtonFace;
    if (const int secs = levelSeconds(kMissingLevels, board.levelText); secs >= 0)
        st.lvlsec = static_cast<std::int16_t>(secs);
}

}  // namespace numora
