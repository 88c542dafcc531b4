#!/bin/sh
# Runs a cross-built Windows program under Wine: the emulator CMake hands the
# Windows build's tests to. The GCC runtime DLLs of the mingw-w64 -posix tool
# chain are found where Debian installs them; WINEPREFIX, if set, is the
# caller's (test.sh makes a fresh one).
gcc_lib='Z:\usr\lib\gcc\x86_64-w64-mingw32\12-posix'
mingw_lib='Z:\usr\x86_64-w64-mingw32\lib'
WINEPATH="$gcc_lib;$mingw_lib${WINEPATH:+;$WINEPATH}"
WINEDEBUG=${WINEDEBUG:--all}
# No desktop menu entries on the host, no Mono or Gecko prompts. Web
# addresses go through winebrowser to the host's xdg-open (test.sh puts a
# stand-in first on PATH).
WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}
export WINEPATH WINEDEBUG WINEDLLOVERRIDES
wine=${NUMORA_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
exec "$wine" "$@"
