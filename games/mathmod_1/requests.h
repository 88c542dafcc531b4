#pragma once

namespace numora {

// One-shot requests a game makes of its window: they are actions, not state.
class ScreenRequests {
public:
    virtual ~ScreenRequests() = default;
    virtual void focusTray(int index) = 0;  // give the keyboard focus to tray(index)
    virtual void minimise() = 0;            // set the window state to minimised
};

// Key codes the games understand (the window maps physical keys onto them).
namespace keys {
inline constexpr int kDigit0 = 48;    // main row 0; 49..57 are 1..9
inline constexpr int kKeypad0 = 96;   // keypad 0; 97..105 are 1..9
inline constexpr int kDelete = 46;
}  // namespace keys

}  // namespace numora
