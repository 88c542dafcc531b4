// What a key on a cell means to the games. The windows decide which physical
// key is which; the rules only see a digit, Clear or some other key.
#pragma once

namespace numora {

struct Key {
    enum class Kind : unsigned char { Digit, Clear, Other };
    Kind kind = Kind::Other;
    int digit = 0;  // 0..9 for a Digit, else 0

    // The digit the key stands for, and 0 for Clear and any other key: the
    // games count such a key as a 0 rather than ignore it.
    constexpr int digitOrZero() const { return kind == Kind::Digit ? digit : 0; }
    constexpr bool operator==(const Key&) const = default;
};

namespace keys {

constexpr Key digit(int d) { return {Key::Kind::Digit, d}; }  // a main-row or keypad digit
inline constexpr Key kClear{Key::Kind::Clear, 0};              // the Delete key
inline constexpr Key kOther{Key::Kind::Other, 0};              // any other key

}  // namespace keys

}  // namespace numora
