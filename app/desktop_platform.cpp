#include "desktop_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace numora {

namespace {

bool set(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// A list such as "ubuntu:GNOME", "GNOME-Classic:GNOME" or "gnome-xorg".
bool saysGnome(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr) return false;
    std::string s(value);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s.find("gnome") != std::string::npos;
}

}  // namespace

std::vector<char*> argumentsForDesktop(int argc, char* argv[])
{
    std::vector<char*> args(argv, argv + argc);
    const bool chosen = set("QT_QPA_PLATFORM")
                        || std::any_of(args.begin(), args.end(), [](const char* a) {
                               return std::strcmp(a, "-platform") == 0 || std::strcmp(a, "--platform") == 0;
                           });
    // Qt 5 made the same choice on GNOME; Qt 6 takes Wayland there, where mutter leaves
    // the title bar to Qt's narrow one and stops a covered window's frames. Should the
    // X server turn us away after all, Qt falls back to Wayland.
    if (!chosen && set("DISPLAY") && (saysGnome("XDG_CURRENT_DESKTOP") || saysGnome("XDG_SESSION_DESKTOP"))) {
        static char option[] = "-platform";
        static char platforms[] = "xcb;wayland";
        args.insert(args.begin() + std::min<std::ptrdiff_t>(1, argc), {option, platforms});
    }
    args.push_back(nullptr);
    return args;
}

}  // namespace numora
