#include "keycodes.h"

namespace numora {

namespace {

// X11 and Wayland both report the main-row digit keys 1..9, 0 as scan codes 10..19.
constexpr quint32 kScanDigit1 = 10;
constexpr quint32 kScanDigit0 = 19;

int otherKeyCode(int k)
{
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_NumLock: return 144;
    default: return 0;  // no code of its own; the games treat it like any other key
    }
}

}  // namespace

int gameKeyCode(int qtKey, Qt::KeyboardModifiers mods, quint32 nativeScanCode)
{
    const bool digitKey = qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
    if (digitKey && (mods & Qt::KeypadModifier)) return 96 + (qtKey - Qt::Key_0);
    if (nativeScanCode >= kScanDigit1 && nativeScanCode <= kScanDigit0)
        return nativeScanCode == kScanDigit0 ? 48 : 49 + static_cast<int>(nativeScanCode - kScanDigit1);
    // Synthetic events carry no scan code: fall back to the key itself.
    if (nativeScanCode == 0 && digitKey) return 48 + (qtKey - Qt::Key_0);
    if (qtKey == Qt::Key_Delete) return 46;
    return otherKeyCode(qtKey);
}

}  // namespace numora
