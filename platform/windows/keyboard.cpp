#include "keyboard.h"

namespace numora::platform {

// Windows reports the main-row digit keys 1..9, 0 as the PC keyboard's scan
// codes 0x02..0x0B.
int mainRowDigit(std::uint32_t nativeScanCode)
{
    if (nativeScanCode < 0x02 || nativeScanCode > 0x0B) return -1;
    return nativeScanCode == 0x0B ? 0 : static_cast<int>(nativeScanCode) - 1;
}

}  // namespace numora::platform
