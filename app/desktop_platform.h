// Which of Qt's platforms the program asks for on the desktop it starts on.
#pragma once

#include <vector>

namespace numora {

// The program's arguments for QApplication, ending in a null pointer. On GNOME
// (XDG_CURRENT_DESKTOP or XDG_SESSION_DESKTOP say so) with an X server at hand and
// no platform chosen by the user (QT_QPA_PLATFORM, -platform), "-platform xcb;wayland"
// is added: the window then runs through XWayland, where mutter draws its title bar
// and tells a minimised window from a covered one, as on X11. The strings are
// argv's own or static.
std::vector<char*> argumentsForDesktop(int argc, char* argv[]);

}  // namespace numora
