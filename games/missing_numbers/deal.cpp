// Deals a missing-numbers puzzle: two hidden cells, nine digits, six sums.
#include <algorithm>

#include "missing_numbers/missing_numbers.h"

namespace numora {

void dealMissingNumbers(RunState& st, RandomSource& rnd, MainScreen& screen)
{
    st.found = 0;
    st.picks = 0;
    st.uncovered = {};

    // One re-seed for both positions; the second is redrawn until it differs,
    // the first is never redrawn.
    rnd.reseed();
    st.hidden1 = static_cast<std::int16_t>(rnd.digit());
    st.hidden2 = static_cast<std::int16_t>(rnd.digit());
    while (st.hidden2 == st.hidden1) st.hidden2 = static_cast<std::int16_t>(rnd.digit());

    std::fill(screen.cells.begin(), screen.cells.end(), Picture::placeholder());
    for (std::size_t i = 0; i < st.digits.size(); ++i) {
        rnd.reseed();
        st.digits[i] = static_cast<std::int16_t>(rnd.digit());
        const int position = static_cast<int>(i) + 1;
        if (position != st.hidden2 && position != st.hidden1) screen.cells[i] = Picture::number(st.digits[i]);
    }

    // Rows top to bottom, then the columns from right to left: the labels'
    // order on the window.
    const auto& a = st.digits;
    const int sums[MainScreen::kSums] = {a[0] + a[1] + a[2], a[3] + a[4] + a[5], a[6] + a[7] + a[8],
                                         a[2] + a[5] + a[8], a[1] + a[4] + a[7], a[0] + a[3] + a[6]};
    for (std::size_t k = 0; k < MainScreen::kSums; ++k) screen.figures[k] = Figure::number(sums[k]);

    screen.padEnabled = true;
    screen.back = Colour::ButtonFace;
    if (const auto secs = levelSeconds(screen.levels, screen.level)) st.secondsLeft = *secs;
}

}  // namespace numora
