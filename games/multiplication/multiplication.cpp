#include "multiplication/multiplication.h"

namespace numora {

namespace {

constexpr int kProducts = static_cast<int>(MultScreen::kProducts);

// Before the first deal every product is 0, so a 0 would "find" a puzzle that
// was never dealt. After the last find the puzzle waits for the next deal.
bool acceptsDigits(const ModuleState& st) { return st.dealt && st.productsFound < kProducts; }

}  // namespace

void MultiplicationGame::deal()
{
    dealMultiplication(st_, rnd_, screen_);
    req_.tell({News::Kind::Dealt});
    req_.tell({News::Kind::ProductSought, st_.sought});
}

void MultiplicationGame::started()
{
    screen_.padEnabled = true;
    req_.focusCell(0);  // digit keys go to the factor cells
    screen_.highlightTimer.enabled = true;
}

void MultiplicationGame::stopped()
{
    // The entry, the colours and the pad stay as they are: answers typed after
    // Stop are still compared with the stopped puzzle.
    st_.picks = 0;
    screen_.highlightTimer.enabled = false;
    for (auto& f : screen_.figures) f = {Figure::Kind::Unknown, 0, f.back};
}

void MultiplicationGame::padClick(int index)
{
    if (index < 0 || index > 9) return;  // the pad's keys are the digits 0..9
    // An ignored digit changes nothing, the focus included.
    if (!acceptsDigits(st_)) return;
    enterDigit(index);
    req_.focusCell(0);  // a click on the pad must not take the keys away from the cells
}

void MultiplicationGame::clearClick()
{
    clearEntry();
    req_.focusCell(0);
}

void MultiplicationGame::cellKeyDown(Key key)
{
    if (st_.productsFound >= kProducts) return;  // a completed puzzle ignores every key, Delete too
    if (key.kind == Key::Kind::Clear)
        clearEntry();
    else
        enterDigit(key.digitOrZero());  // any other key stands for a 0
}

void MultiplicationGame::highlightTick()
{
    if (st_.sought < 0 || st_.sought >= kProducts) return;
    const auto c = static_cast<std::size_t>(st_.sought);
    Figure& cell = screen_.figures[c];
    if (st_.justFound) {
        cell = Figure::number(st_.products[c]);
        st_.justFound = false;
    }
    switch (cell.kind) {
    case Figure::Kind::Unknown: cell.kind = Figure::Kind::Blink; break;
    case Figure::Kind::Blink: cell.kind = Figure::Kind::Unknown; break;
    case Figure::Kind::Number:  // the cell shows its product: move on
        if (++st_.sought < kProducts) req_.tell({News::Kind::ProductSought, st_.sought});
        break;
    }
}

void MultiplicationGame::enterDigit(int d)
{
    if (!acceptsDigits(st_)) return;
    st_.picks = incSat(st_.picks);

    // A digit past the last place starts a new entry with itself alone, so the
    // value is 0..99.
    auto& entry = st_.entry;
    if (entry.digits >= kEntryDigits) entry = {};
    entry.value = static_cast<std::int16_t>(entry.value * 10 + d);
    ++entry.digits;
    screen_.entry = entry.value;

    if (st_.sought < 0 || st_.sought >= kProducts) return;  // no current cell: nothing to compare
    const auto c = static_cast<std::size_t>(st_.sought);
    if (entry.value == st_.products[c]) {
        // Cells are found in order, so the current one is found iff productsFound has
        // passed it. Entering its product again before the highlight moves on is
        // no second find, and keeps justFound so the cell still settles at the tick.
        if (st_.productsFound <= st_.sought) {
            screen_.figures[c] = {Figure::Kind::Number, st_.products[c], Colour::LightGreen};
            req_.tell({News::Kind::ProductFound, st_.products[c]});
            entry = {};
            st_.justFound = true;
            st_.productsFound = static_cast<std::int16_t>(st_.productsFound + 1);
        }
    } else {
        st_.justFound = false;
    }

    if (st_.productsFound == kProducts) {
        req_.tell({News::Kind::Completed});
        screen_.back = Colour::LightGreen;
        screen_.entry.reset();
    }
}

void MultiplicationGame::clearEntry()
{
    st_.entry = {};
    screen_.entry = 0;
}

}  // namespace numora
