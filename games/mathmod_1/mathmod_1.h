// Program-wide game state and the two puzzle generators. The state outlives the
// game windows: it is owned by the application for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "mathmod_1/random_source.h"
#include "mathmod_1/screen_types.h"

namespace numora {

struct ModuleState {
    // Missing-numbers game (numary, fndcnt, atmptcnt and lvlsec are shared with
    // the multiplication game, which uses numary(0..3)).
    std::array<std::int16_t, 9> numary{};
    std::int16_t msngpos_1 = 0;  // 1..9 after a deal, 0 before the first one
    std::int16_t msngpos_2 = 0;
    std::int16_t fndcnt = 0;
    std::int16_t atmptcnt = 0;
    std::int16_t lvlsec = 0;
    // A hidden cell is uncovered at most once per deal; only a deal clears these.
    std::array<bool, 2> uncovered{};

    // Multiplication game.
    std::array<std::int16_t, 4> prdary{};
    std::int16_t curprd = 0;
    std::int16_t prdfndcnt = 0;
    std::int16_t dgtcnt = 0;
    std::string enttxt;
    std::int16_t entval = 0;
    bool justfnd = false;
    bool multDealt = false;  // a multiplication puzzle has been dealt in this run
};

// Saturating 16-bit steps: a counter stops at the edge of its range.
std::int16_t incSat(std::int16_t v);
std::int16_t decSat(std::int16_t v);

// What gnrtMsngNums writes on the main screen (and the level text it reads).
struct MissingBoard {
    std::array<Picture, 9> tray{};
    std::array<std::string, 6> sumdsply{"0", "0", "0", "0", "0", "0"};
    bool scltntrayEnabled = false;
    Colour back = Colour::ButtonFace;
    std::string levelText;  // gmlvlscbo's current text
};

// What gnrtMultNums writes on the multiplication screen (and the level text it reads).
struct MultBoard {
    std::array<Picture, 4> tray{};
    std::array<std::string, 4> sumdsply{"?", "?", "?", "?"};
    std::array<Colour, 4> sumBack{};
    Colour back = Colour::ButtonFace;
    std::string levelText;
};

// Level texts, in list order, with their seconds per puzzle.
struct Level {
    const char* text;
    std::int16_t seconds;
};
inline constexpr std::array<Level, 3> kMissingLevels{{
    {"Level - 1(11 Sec.)", 11}, {"Level - 2(8 Sec.)", 8}, {"Level - 3(6 Sec.)", 6}}};
inline constexpr std::array<Level, 3> kMultLevels{{
    {"Level - 1(18 Sec.)", 18}, {"Level - 2(15 Sec.)", 15}, {"Level - 3(10 Sec.)", 10}}};

// Seconds of the level whose text is exactly `text`, or -1 when none matches.
int levelSeconds(const std::array<Level, 3>& levels, const std::string& text);

// Deal a missing-numbers puzzle onto the board.
void gnrtMsngNums(ModuleState& st, RandomSource& rnd, MissingBoard& board);

// Deal a multiplication puzzle onto the board.
void gnrtMultNums(ModuleState& st, RandomSource& rnd, MultBoard& board);

}  // namespace numora
