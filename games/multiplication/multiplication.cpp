#include "multiplication/multiplication.h"

#include "mathmod_1/keys.h"

namespace numora {

namespace {

constexpr int kProducts = static_cast<int>(MultScreen::kProducts);

// Before the first deal every product is 0, so a 0 would "find" a puzzle that
// was never dealt. After the last find the puzzle waits for the next deal.
bool acceptsDigits(const ModuleState& st) { return st.multDealt && st.prdfndcnt < kProducts; }

}  // namespace

void MultiplicationGame::deal()
{
    gnrtMultNums(st_, rnd_, screen_);
    screen_.news.push_back({News::Kind::Dealt});
    screen_.news.push_back({News::Kind::ProductSought, st_.curprd});
}

void MultiplicationGame::started()
{
    screen_.scltntrayEnabled = true;
    req_.focusTray(0);  // digit keys go to the factor cells
    screen_.tmr_3.enabled = true;
}

void MultiplicationGame::stopped()
{
    // The entry, the colours and the pad stay as they are: answers typed after
    // Stop are still compared with the stopped puzzle.
    st_.atmptcnt = 0;
    screen_.tmr_3.enabled = false;
    for (auto& f : screen_.sumdsply) f = {Figure::Kind::Unknown, 0, f.back};
}

void MultiplicationGame::numlblClick(int index)
{
    if (index < 0 || index > 9) return;  // the pad's keys are the digits 0..9
    // An ignored digit changes nothing, the focus included.
    if (!acceptsDigits(st_)) return;
    enterDigit(index);
    req_.focusTray(0);  // a click on the pad must not take the keys away from the cells
}

void MultiplicationGame::clrsClick()
{
    clearEntry();
    req_.focusTray(0);
}

void MultiplicationGame::trayKeyDown(int keyCode)
{
    if (st_.prdfndcnt >= kProducts) return;  // a completed puzzle ignores every key, Delete too
    if (keyCode == keys::kDelete)
        clearEntry();
    else
        enterDigit(keys::digitOf(keyCode).value_or(0));  // any other key stands for a 0
}

void MultiplicationGame::highlightTick()
{
    if (st_.curprd < 0 || st_.curprd >= kProducts) return;
    const auto c = static_cast<std::size_t>(st_.curprd);
    Figure& cell = screen_.sumdsply[c];
    if (st_.justfnd) {
        cell = Figure::number(st_.prdary[c]);
        st_.justfnd = false;
    }
    switch (cell.kind) {
    case Figure::Kind::Unknown: cell.kind = Figure::Kind::Blink; break;
    case Figure::Kind::Blink: cell.kind = Figure::Kind::Unknown; break;
    case Figure::Kind::Number:  // the cell shows its product: move on
        if (++st_.curprd < kProducts) screen_.news.push_back({News::Kind::ProductSought, st_.curprd});
        break;
    }
}

void MultiplicationGame::enterDigit(int d)
{
    if (!acceptsDigits(st_)) return;
    st_.atmptcnt = incSat(st_.atmptcnt);

    // A digit past the last place starts a new entry with itself alone, so the
    // value is 0..99.
    auto& entry = st_.entry;
    if (entry.digits >= kEntryDigits) entry = {};
    entry.value = static_cast<std::int16_t>(entry.value * 10 + d);
    ++entry.digits;
    screen_.userEntered = entry.value;

    if (st_.curprd < 0 || st_.curprd >= kProducts) return;  // no current cell: nothing to compare
    const auto c = static_cast<std::size_t>(st_.curprd);
    if (entry.value == st_.prdary[c]) {
        // Cells are found in order, so the current one is found iff prdfndcnt has
        // passed it. Entering its product again before the highlight moves on is
        // no second find, and keeps justfnd so the cell still settles at the tick.
        if (st_.prdfndcnt <= st_.curprd) {
            screen_.sumdsply[c] = {Figure::Kind::Number, st_.prdary[c], Colour::LightGreen};
            screen_.news.push_back({News::Kind::ProductFound, st_.prdary[c]});
            entry = {};
            st_.justfnd = true;
            st_.prdfndcnt = static_cast<std::int16_t>(st_.prdfndcnt + 1);
        }
    } else {
        st_.justfnd = false;
    }

    if (st_.prdfndcnt == kProducts) {
        screen_.news.push_back({News::Kind::Completed});
        screen_.back = Colour::LightGreen;
        screen_.userEntered.reset();
    }
}

void MultiplicationGame::clearEntry()
{
    st_.entry = {};
    screen_.userEntered = 0;
}

}  // namespace numora
