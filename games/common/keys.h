// The key codes of the games. A window maps each physical key onto one of
// these; the rules read them through digitOf().
#pragma once

#include <optional>

namespace numora::keys {

inline constexpr int kDigit0 = 48;   // the main row's 0; its 1..9 follow
inline constexpr int kKeypad0 = 96;  // the keypad's 0; its 1..9 follow
inline constexpr int kDelete = 46;
inline constexpr int kOther = 0;     // any other key

constexpr int mainRow(int digit) { return kDigit0 + digit; }
constexpr int keypad(int digit) { return kKeypad0 + digit; }

// The digit 0..9 a main-row or keypad key stands for; none for any other key.
constexpr std::optional<int> digitOf(int keyCode)
{
    for (const int zero : {kDigit0, kKeypad0})
        if (keyCode >= zero && keyCode <= zero + 9) return keyCode - zero;
    return std::nullopt;
}

}  // namespace numora::keys
