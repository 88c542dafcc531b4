// What a game window shows that play changes, as plain values: the rules write
// them, a form reads them and spells them. No toolkit types and no sentences
// here: a caption or status line is a kind with its number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace numora {

inline constexpr int kMsPerSecond = 1000;

// Background colours the games use. ButtonFace is the desktop's own neutral colour.
enum class Colour : std::uint8_t { ButtonFace, LightGreen, LightOrange };

// What a picture box shows: nothing, the number 1..9, or the "hidden" placeholder.
struct Picture {
    enum class Kind : std::uint8_t { Empty, Digit, Placeholder };
    Kind kind = Kind::Empty;
    int digit = 0;  // 1..9 when kind == Digit

    static Picture empty() { return {}; }
    static Picture placeholder() { return {Kind::Placeholder, 0}; }
    static Picture number(int n) { return {Kind::Digit, n}; }
    bool operator==(const Picture&) const = default;
};

// File name inside numpic/ for a picture ("" for Empty): pno1.bmp .. pno9.bmp, pnoGus.bmp.
inline std::string pictureFile(Picture p)
{
    switch (p.kind) {
    case Picture::Kind::Digit: return "pno" + std::to_string(p.digit) + ".bmp";
    case Picture::Kind::Placeholder: return "pnoGus.bmp";
    case Picture::Kind::Empty: break;
    }
    return {};
}

// What a sum or product label shows: a number, or, for a product still to be
// found, "?" and the "..." it blinks to.
struct Figure {
    enum class Kind : std::uint8_t { Number, Unknown, Blink };
    Kind kind = Kind::Number;
    std::int16_t value = 0;                // when kind == Number
    Colour back = Colour::ButtonFace;      // drawn where the label is opaque

    static Figure number(int n) { return {Kind::Number, static_cast<std::int16_t>(n)}; }
    static Figure unknown() { return {Kind::Unknown}; }
    bool operator==(const Figure&) const = default;
};

// The status label: the words at load, during play, when the attempts are used
// up, and the multiplication countdown; the last two with the seconds left.
struct Status {
    enum class Kind : std::uint8_t { ClickToSelect, ClickNumber, LockedOut, Refreshing };
    Kind kind = Kind::ClickToSelect;
    std::int16_t seconds = 0;
    bool operator==(const Status&) const = default;
};

// The window caption: the window's own title, or the countdown.
struct Caption {
    enum class Kind : std::uint8_t { Title, Countdown };
    Kind kind = Kind::Title;
    std::int16_t seconds = 0;
    bool operator==(const Caption&) const = default;
};

// A change the player sees at once, for a screen reader to tell: a new puzzle,
// a solved or completed one, a lock-out (with the seconds the status then
// shows), a Stop, the product to find next (its cell) and a product found (its value).
struct News {
    enum class Kind : std::uint8_t { Dealt, Solved, Completed, LockedOut, Stopped, ProductSought, ProductFound };
    Kind kind;
    std::int16_t number = 0;
    bool operator==(const News&) const = default;
};

// A timer as the rules see it: on or off, and its period in milliseconds.
struct TimerState {
    bool enabled = false;
    int interval = 0;
    bool operator==(const TimerState&) const = default;
};

// What both game windows show that play changes. Default values are a window's
// state at load.
struct GameScreen {
    GameScreen(std::size_t cellCount, std::size_t figureCount, Figure atLoad)
        : cells(cellCount), figures(figureCount, atLoad) {}

    std::vector<Picture> cells;
    std::vector<Figure> figures;  // the sums or products
    Colour back = Colour::ButtonFace;
    bool padEnabled = false;  // the number pad
    bool padVisible = true;
    Status status;
    Caption caption;
    bool startEnabled = true;
    bool levelsEnabled = true;
    // The level list: its entries as seconds per puzzle (none before the level
    // set-up), and the entry chosen (-1: none).
    std::span<const std::int16_t> levels;
    int level = -1;
    TimerState levelTimer{false, 0};                // deals the next puzzle
    TimerState countdownTimer{false, kMsPerSecond};  // counts the seconds left
};

}  // namespace numora
