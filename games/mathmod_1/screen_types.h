// Plain values that describe what a game screen shows. The rules write them;
// a form reads them and renders. No toolkit types here.
#pragma once

#include <cstdint>
#include <string>

namespace numora {

// Background colours the games use. ButtonFace is the desktop's own neutral colour.
enum class Colour : std::uint8_t { ButtonFace, LightGreen, LightOrange };

struct Rgb {
    int r, g, b;
};
inline constexpr Rgb kLightGreen{192, 255, 192};
inline constexpr Rgb kLightOrange{255, 224, 192};
inline constexpr Rgb kLightRed{255, 192, 192};  // the number pads

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
std::string pictureFile(Picture p);

// A timer as the rules see it: on or off, and its period in milliseconds.
struct TimerState {
    bool enabled = false;
    int interval = 0;
    bool operator==(const TimerState&) const = default;
};

// The window caption and status texts are shared by both games.
inline constexpr const char* kAppTitle = "KORVELLAN";
inline constexpr const char* kCountdownCaption = "KORVELLAN - Refreshing in - ";
inline constexpr const char* kClickToSelect = "Click to select number.";  // at load
inline constexpr const char* kClickNumber = "Click number to select.";    // during play

}  // namespace numora
