// Deals a missing-numbers puzzle: two hidden cells, nine digits, six sums.
#include <algorithm>

#include "mathmod_1/mathmod_1.h"

namespace numora {

void gnrtMsngNums(ModuleState& st, RandomSource& rnd, MainScreen& screen)
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

    std::fill(screen.tray.begin(), screen.tray.end(), Picture::placeholder());
    for (std::size_t i = 0; i < st.numary.size(); ++i) {
        rnd.reseed();
        st.numary[i] = static_cast<std::int16_t>(rnd.digit());
        const int position = static_cast<int>(i) + 1;
        if (position != st.msngpos_2 && position != st.msngpos_1) screen.tray[i] = Picture::number(st.numary[i]);
    }

    // Rows top to bottom, then the columns from right to left: the labels'
    // order on the window.
    const auto& a = st.numary;
    const int sums[MainScreen::kSums] = {a[0] + a[1] + a[2], a[3] + a[4] + a[5], a[6] + a[7] + a[8],
                                         a[2] + a[5] + a[8], a[1] + a[4] + a[7], a[0] + a[3] + a[6]};
    for (std::size_t k = 0; k < MainScreen::kSums; ++k) screen.sumdsply[k] = Figure::number(sums[k]);

    screen.scltntrayEnabled = true;
    screen.back = Colour::ButtonFace;
    if (const auto secs = levelSeconds(screen.levels, screen.level)) st.lvlsec = *secs;
}

}  // namespace numora
