#include "multiplication/multiplication.h"

namespace numora {

namespace {

constexpr int kLevelMs = 1000;  // a level's timer period is its seconds in ms

// Before the first deal every product is 0, so a 0 would "find" a puzzle that
// was never dealt. After the fourth find the puzzle waits for the next deal.
bool acceptsDigits(const ModuleState& st) { return st.multDealt && st.prdfndcnt < 4; }

}  // namespace

MultiplicationGame::MultiplicationGame(ModuleState& st, RandomSource& rnd, ScreenRequests& req)
    : st_(st), rnd_(rnd), req_(req)
{
}

void MultiplicationGame::levelSetup()
{
    st_.atmptcnt = 0;
    screen_.levelItems.clear();
    for (const auto& l : kMultLevels) screen_.levelItems.emplace_back(l.text);
    screen_.board.levelText = kMultLevels[0].text;
    screen_.tmr_1.interval = kMultLevels[0].seconds * kLevelMs;
}

void MultiplicationGame::levelLostFocus()
{
    // Only the period changes here; the puzzle's seconds are set by the next deal.
    if (const int secs = levelSeconds(kMultLevels, screen_.board.levelText); secs >= 0)
        screen_.tmr_1.interval = secs * kLevelMs;
}

void MultiplicationGame::start()
{
    screen_.gmlvlscboEnabled = false;
    screen_.tmr_1.enabled = true;
    screen_.tmr_2.enabled = true;
    gnrtMultNums(st_, rnd_, screen_.board);
    screen_.strtGmEnabled = false;
    screen_.scltntrayEnabled = true;
    req_.focusTray(0);  // digit keys go to the factor cells
    screen_.tmr_3.enabled = true;
}

void MultiplicationGame::levelTick()
{
    gnrtMultNums(st_, rnd_, screen_.board);
    screen_.strlbl = kClickNumber;
}

void MultiplicationGame::countdownTick()
{
    st_.lvlsec = decSat(st_.lvlsec);
    const std::string n = std::to_string(st_.lvlsec);
    screen_.caption = kCountdownCaption + n;
    screen_.strlbl = "Refreshing in " + n + " Sec.";
}

void MultiplicationGame::stop()
{
    // The puzzle, the entry, the colours and the pad stay as they are: answers
    // typed after Stop are still compared with the stopped puzzle.
    st_.atmptcnt = 0;
    screen_.tmr_1.enabled = false;
    screen_.tmr_2.enabled = false;
    screen_.tmr_3.enabled = false;
    screen_.gmlvlscboEnabled = true;
    for (auto& p : screen_.board.tray) p = Picture::empty();
    st_.lvlsec = 0;
    for (auto& c : screen_.board.sumdsply) c = "?";
    screen_.strtGmEnabled = true;
    screen_.strlbl = kClickNumber;
}

void MultiplicationGame::numlblClick(int index)
{
    if (index < 0 || index > 9) return;
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
    if (st_.prdfndcnt >= 4) return;  // a completed puzzle ignores every key, Delete too
    if (keyCode == keys::kDelete) {
        clearEntry();
    } else if (keyCode >= keys::kDigit0 && keyCode <= keys::kDigit0 + 9) {
        enterDigit(keyCode - keys::kDigit0);
    } else if (keyCode >= keys::kKeypad0 && keyCode <= keys::kKeypad0 + 9) {
        enterDigit(keyCode - keys::kKeypad0);
    } else {
        enterDigit(0);  // any other key stands for a 0
    }
}

void MultiplicationGame::highlightTick()
{
    if (st_.curprd < 0 || st_.curprd > 3) return;
    const auto c = static_cast<std::size_t>(st_.curprd);
    auto& caption = screen_.board.sumdsply[c];
    if (st_.justfnd) {
        caption = std::to_string(st_.prdary[c]);
        screen_.board.sumBack[c] = Colour::ButtonFace;
        st_.justfnd = false;
    }
    if (caption == "?")
        caption = "...";
    else if (caption == "...")
        caption = "?";
    else
        st_.curprd = static_cast<std::int16_t>(st_.curprd + 1);  // the cell shows its product
}

void MultiplicationGame::enterDigit(int d)
{
    if (!acceptsDigits(st_)) return;
    st_.atmptcnt = incSat(st_.atmptcnt);

    st_.dgtcnt = static_cast<std::int16_t>(st_.dgtcnt + 1);
    if (st_.dgtcnt > 2) {
        // A third digit starts a new entry with itself alone.
        st_.dgtcnt = 1;
        st_.entval = 0;
        st_.enttxt = "0";
    }
    st_.enttxt += static_cast<char>('0' + d);
    // At most two digits behind the leading 0, so the value is 0..99.
    st_.entval = 0;
    for (const char ch : st_.enttxt) st_.entval = static_cast<std::int16_t>(st_.entval * 10 + (ch - '0'));
    screen_.userEntered = std::to_string(st_.entval);

    if (st_.curprd < 0 || st_.curprd > 3) return;  // no current cell: nothing to compare
    const auto c = static_cast<std::size_t>(st_.curprd);
    if (st_.entval == st_.prdary[c]) {
        // Cells are found in order, so the current one is found iff prdfndcnt has
        // passed it. Entering its product again before the highlight moves on is
        // no second find, and keeps justfnd so the cell still settles at the tick.
        if (st_.prdfndcnt <= st_.curprd) {
            screen_.board.sumdsply[c] = std::to_string(st_.prdary[c]);
            screen_.board.sumBack[c] = Colour::LightGreen;
            st_.entval = 0;
            st_.enttxt = "0";
            st_.dgtcnt = 0;
            st_.justfnd = true;
            st_.prdfndcnt = static_cast<std::int16_t>(st_.prdfndcnt + 1);
        }
    } else {
        st_.justfnd = false;
    }

    if (st_.prdfndcnt == 4) {
        screen_.board.back = Colour::LightGreen;
        screen_.userEntered.clear();
    }
}

void MultiplicationGame::clearEntry()
{
    st_.entval = 0;
    st_.enttxt = "0";
    st_.dgtcnt = 0;
    screen_.userEntered = "0";
}

}  // namespace numora
