#include "multiplication/multiplication.h"

namespace numora {

namespace {

constexpr int kProducts = static_cast<int>(MultiplicationScreen::kProducts);

// Before the first deal every product is 0, so a 0 would "find" a puzzle that
// was never dealt. After the last find the puzzle waits for the next deal.
bool acceptsDigits(const RunState& st) { return st.dealt && st.productsFound < kProducts; }

}  // namespace

void MultiplicationGame::deal()
{
    dealMultiplication(state_, random_, screen_);
    requests_.tell({News::Kind::Dealt});
    requests_.tell({News::Kind::ProductSought, state_.sought});
}

void MultiplicationGame::started()
{
    screen_.padEnabled = true;
    requests_.focusCell(0);  // digit keys go to the factor cells
    screen_.highlightTimer.enabled = true;
}

void MultiplicationGame::stopped()
{
    // The entry, the colours and the pad stay as they are: answers typed after
    // Stop are still compared with the stopped puzzle.
    state_.picks = 0;
    screen_.highlightTimer.enabled = false;
    for (auto& f : screen_.figures) f = {Figure::Kind::Unknown, 0, f.back};
}

void MultiplicationGame::padClick(int index)
{
    if (index < 0 || index > 9) return;  // the pad's keys are the digits 0..9
    // An ignored digit changes nothing, the focus included.
    if (!acceptsDigits(state_)) return;
    enterDigit(index);
    requests_.focusCell(0);  // a click on the pad must not take the keys away from the cells
}

void MultiplicationGame::clearClick()
{
    clearEntry();
    requests_.focusCell(0);
}

void MultiplicationGame::cellKeyDown(Key key)
{
    if (state_.productsFound >= kProducts) return;  // a completed puzzle ignores every key, Delete too
    if (key.kind == Key::Kind::Clear)
        clearEntry();
    else
        enterDigit(key.digitOrZero());  // any other key stands for a 0
}

void MultiplicationGame::highlightTick()
{
    if (state_.sought < 0 || state_.sought >= kProducts) return;
    const auto c = static_cast<std::size_t>(state_.sought);
    Figure& cell = screen_.figures[c];
    if (state_.justFound) {
        cell = Figure::number(state_.products[c]);
        state_.justFound = false;
    }
    switch (cell.kind) {
    case Figure::Kind::Unknown: cell.kind = Figure::Kind::Blink; break;
    case Figure::Kind::Blink: cell.kind = Figure::Kind::Unknown; break;
    case Figure::Kind::Number:  // the cell shows its product: move on
        if (++state_.sought < kProducts) requests_.tell({News::Kind::ProductSought, state_.sought});
        break;
    }
}

void MultiplicationGame::enterDigit(int d)
{
    if (!acceptsDigits(state_)) return;
    state_.picks = saturatingIncrement(state_.picks);

    // A digit past the last place starts a new entry with itself alone, so the
    // value is 0..99.
    auto& entry = state_.entry;
    if (entry.digits >= kEntryDigits) entry = {};
    entry.value = static_cast<std::int16_t>(entry.value * 10 + d);
    ++entry.digits;
    screen_.entry = entry.value;

    if (state_.sought < 0 || state_.sought >= kProducts) return;  // no current cell: nothing to compare
    const auto c = static_cast<std::size_t>(state_.sought);
    if (entry.value == state_.products[c]) {
        // Cells are found in order, so the current one is found iff productsFound has
        // passed it. Entering its product again before the highlight moves on is
        // no second find, and keeps justFound so the cell still settles at the tick.
        if (state_.productsFound <= state_.sought) {
            screen_.figures[c] = {Figure::Kind::Number, state_.products[c], Colour::LightGreen};
            requests_.tell({News::Kind::ProductFound, state_.products[c]});
            entry = {};
            state_.justFound = true;
            state_.productsFound = static_cast<std::int16_t>(state_.productsFound + 1);
        }
    } else {
        state_.justFound = false;
    }

    if (state_.productsFound == kProducts) {
        requests_.tell({News::Kind::Completed});
        screen_.back = Colour::LightGreen;
        screen_.entry.reset();
    }
}

void MultiplicationGame::clearEntry()
{
    state_.entry = {};
    screen_.entry = 0;
}

}  // namespace numora
