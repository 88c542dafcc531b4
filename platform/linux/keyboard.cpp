#include "keyboard.h"

namespace numora::platform {

// X11 and Wayland both report the main-row digit keys 1..9, 0 as scan codes 10..19.
int mainRowDigit(std::uint32_t nativeScanCode)
{
    if (nativeScanCode < 10 || nativeScanCode > 19) return -1;
    return nativeScanCode == 19 ? 0 : static_cast<int>(nativeScanCode) - 9;
}

}  // namespace numora::platform
