// Keys as the games number them: 48-57 the main-row digits, 96-105 the keypad
// digits, 46 Delete, and other codes for every other key. The main-row digits
// are recognised by their physical key, so Shift and the keyboard layout do not
// matter (on a French layout the key labelled "7 è" is a 7).
#pragma once

#include <QtGlobal>
#include <Qt>

namespace numora {

int gameKeyCode(int qtKey, Qt::KeyboardModifiers mods, quint32 nativeScanCode);

}  // namespace numora
