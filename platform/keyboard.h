// The main row's digit keys by their place on the keyboard, as the system
// reports it in a key's native scan code: a digit key is a digit whatever the
// layout makes of it (AZERTY's unshifted row types & é " …). One header, one
// implementation per system (linux/, windows/).
#pragma once

#include <cstdint>

namespace numora::platform {

// 1..9 and 0 for the main row's digit keys; -1 for any other scan code.
int mainRowDigit(std::uint32_t nativeScanCode);

}  // namespace numora::platform
