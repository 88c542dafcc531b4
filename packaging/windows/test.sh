#!/bin/bash
# Tests the Windows build under Wine, each part in a fresh Wine prefix:
#   unit       the game-rule and online unit tests, cross-built (GoogleTest),
#              and the WinHTTP downloader against the local HTTPS server
#   installer  silent install, the Start-menu entry and the uninstall entry,
#              the program's window, its Exit button ends it, the offline
#              box, the end-to-end journeys of tests/e2e against the installed
#              program, the uninstaller leaves nothing behind
#   screenshots  the main and the multiplication window, English and Arabic
#              (pictures into <build>/screenshots; they are looked at, not compared)
#
#   packaging/windows/test.sh [unit] [installer] [screenshots]   (default: unit installer)
#
# Run packaging/windows/build.sh first. NUMORA_WINDOWS_BUILD as there.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${NUMORA_WINDOWS_BUILD:-$repo/build-windows}
version=$(sed -n 's/^project(numora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
wine=$here/wine.sh
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok   $*"; }
fail() { failed=$((failed + 1)); echo "FAIL $*"; }
check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

work=$(mktemp -d "${TMPDIR:-/tmp}/numora-wine.XXXXXX")
xvfb_pid=
servers=()
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ ${#servers[@]} -gt 0 ] && kill "${servers[@]}" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The welcome page goes to the host's browser through Wine's winebrowser and
# xdg-open: a stand-in on PATH notes the address instead.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<'OPEN'
#!/bin/sh
echo "$1" >>"${0%/bin/xdg-open}/opened-urls"
OPEN
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

new_prefix() {  # a fresh Wine prefix in the work folder
    [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k 2>/dev/null
    export WINEPREFIX=$work/prefix-$1
    export WINEDEBUG=-all
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
    # Debian's Wine leaves its own fonts (Tahoma, Marlett, MS Sans Serif) out
    # of a new prefix; Windows' dialogs, menus and caption buttons need them.
    [ -d /usr/share/wine/fonts ] && cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# --- The unit tests ---------------------------------------------------------
# The local HTTPS server of the Linux tests, on the build machine: one with a
# certificate the tests trust in the prefix, one with a certificate nobody
# trusts. Both name localhost alone: Wine matches no IP address.
start_https_servers() {
    local name
    for name in trusted untrusted; do
        openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=localhost -addext subjectAltName=DNS:localhost \
            -days 2 -keyout "$work/$name-key.pem" -out "$work/$name-cert.pem" 2>/dev/null || return 1
        python3 "$repo/tests/online/https_server.py" "$work/$name-cert.pem" "$work/$name-key.pem" \
            "$work/$name-port" 600 &
        servers+=($!)
    done
    for _ in $(seq 100); do
        [ -s "$work/trusted-port" ] && [ -s "$work/untrusted-port" ] && break
        sleep 0.1
    done
    export NUMORA_HTTPS_PORT NUMORA_HTTPS_UNTRUSTED_PORT NUMORA_HTTPS_CERT
    NUMORA_HTTPS_PORT=$(cat "$work/trusted-port" 2>/dev/null) || return 1
    NUMORA_HTTPS_UNTRUSTED_PORT=$(cat "$work/untrusted-port" 2>/dev/null) || return 1
    NUMORA_HTTPS_CERT="Z:$work/trusted-cert.pem"
    # Never through a proxy of the environment.
    export no_proxy=localhost,127.0.0.1 NO_PROXY=localhost,127.0.0.1
}

unit() {
    new_prefix unit
    local exe log ok bad start
    start_https_servers || fail "the local HTTPS servers"
    for exe in unit_tests.exe online_tests.exe online_https_tests.exe; do
        log=$work/$(basename "$exe").log
        start=$SECONDS
        if ! [ -f "$build/numora/$exe" ]; then
            fail "$exe: not built"
            continue
        fi
        # Windows programs end their lines with CR LF.
        "$wine" "$build/numora/$exe" --gtest_color=no 2>&1 | tr -d '\r' >"$log"
        local status=${PIPESTATUS[0]}
        ok=$(grep -c '^\[       OK \]' "$log")
        bad=$(grep -c '^\[  FAILED  \] .*(.* ms)$' "$log")
        passed=$((passed + ok))
        failed=$((failed + bad))
        grep '^\[  FAILED  \] .*(.* ms)$' "$log"
        # A crash or an exit code without a failed test is a failure of its own.
        if [ "$status" -ne 0 ] && [ "$bad" -eq 0 ]; then
            fail "$exe ended with $status"
            tail -20 "$log"
        fi
        echo "     $exe: $ok passed, $bad failed in $((SECONDS - start)) s"
    done
}

# --- A display for the program ----------------------------------------------
start_display() {  # start_display [WxHxDEPTH]
    [ -n "$xvfb_pid" ] && return 0
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 "${1:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds for a window titled $1; prints its id.
find_window() {
    local end=$((SECONDS + $2)) id
    while [ $SECONDS -lt $end ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    return 1
}

# Waits up to $2 seconds for process $1 to end.
ended() {
    local end=$((SECONDS + $2))
    while [ $SECONDS -lt $end ]; do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.2
    done
    return 1
}

# Waits up to $1 seconds for an https address in the stand-in xdg-open's list.
welcome_opened() {
    local end=$((SECONDS + $1))
    while [ $SECONDS -lt $end ]; do
        grep -q '^https://' "$work/opened-urls" 2>/dev/null && return 0
        sleep 0.2
    done
    return 1
}

# What the user's part of the prefix holds, Wine's own temporary files aside.
user_files() {
    (cd "$WINEPREFIX/drive_c/users" && find . -path '*/Temp' -prune -o -print | sort)
}

# Without a network (a namespace of its own, with the whole Wine session in
# it: Wine asks its own driver process), the program says so and ends when
# the box is closed.
offline() {
    if ! unshare -n true 2>/dev/null; then
        fail "no network namespace here (unshare -n needs root)"
        return
    fi
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w
    unshare -n "$wine" start /wait /unix "$1" >"$work/offline.log" 2>&1 &
    local pid=$! id
    if id=$(find_window "Internet Required" 60); then
        pass "offline, the program says an Internet connection is required"
        xdotool windowfocus --sync "$id" >/dev/null 2>&1
        xdotool key Return
        check "closing that box ends the program" ended "$pid" 20
    else
        fail "offline, the program says an Internet connection is required"
    fi
    kill "$pid" 2>/dev/null
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Numora'
registry_value() {  # registry_value NAME: the uninstall entry's value
    "$wine" reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

# --- The setup program --------------------------------------------------------
installer() {
    local setup=$build/numora-$version-setup.exe
    if ! [ -f "$setup" ]; then
        fail "$setup: not built"
        return
    fi
    new_prefix installer
    local user_dir before after
    user_dir=$WINEPREFIX/drive_c/users/$(whoami)
    local dir=$user_dir/AppData/Local/Programs/Numora
    local link="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Numora.lnk"
    before=$(user_files)
    local start=$SECONDS
    "$wine" "$setup" /S >/dev/null 2>&1
    "$wineserver" -w
    echo "     silent install in $((SECONDS - start)) s"
    check "installed into %LOCALAPPDATA%\\Programs\\Numora" test -f "$dir/numora.exe"
    check "numpic\\ beside the executable" test -f "$dir/numpic/pno1.bmp"
    check "the Start-menu entry" test -f "$link"
    check "the uninstall entry's DisplayName" test "$(registry_value DisplayName)" = Numora
    check "the uninstall entry's DisplayVersion" test "$(registry_value DisplayVersion)" = "$version"
    check "the uninstall entry's Publisher" test "$(registry_value Publisher)" = "the Numora developers"

    if start_display; then
        # Started as a player starts it: from the Start-menu entry (start /wait
        # ends when the program does).
        "$wine" start /wait /unix "$link" >"$work/numora.log" 2>&1 &
        local pid=$! id
        start=$SECONDS
        if id=$(find_window KORVELLAN 60); then
            pass "the Start-menu entry starts the program: its window KORVELLAN (after $((SECONDS - start)) s)"
            # The welcome page goes just after the first paint: waited for
            # before Exit, which would otherwise race it.
            check "the welcome page went to the browser" welcome_opened 20
            # No window manager: the focus is given, never asked for.
            xdotool windowfocus --sync "$id" >/dev/null 2>&1
            xdotool key --delay 30 alt+e
            check "Exit (Alt+E) ends the program" ended "$pid" 20
        else
            fail "the Start-menu entry starts the program: its window KORVELLAN"
            tail -20 "$work/numora.log"
        fi
        kill "$pid" 2>/dev/null
        "$wineserver" -w
        offline "$link"
        journeys "$dir/numora.exe"
    else
        fail "a virtual display (Xvfb)"
    fi

    "$wine" "$dir/uninstall.exe" /S >/dev/null 2>&1
    "$wineserver" -w
    # The uninstaller runs from a copy of itself, which may still be finishing.
    for _ in $(seq 50); do [ -e "$dir" ] || break; sleep 0.2; done
    check "the uninstaller removes the folder" test ! -e "$dir"
    check "the uninstaller removes the Start-menu entry" test ! -e "$link"
    check "the uninstaller removes the uninstall entry" test -z "$(registry_value DisplayName)"
    after=$(user_files)
    local left
    left=$(comm -13 <(echo "$before") <(echo "$after"))
    check "nothing is left behind in the user's folders" test -z "$left"
    [ -n "$left" ] && echo "$left"
}

# The end-to-end journeys of the Linux build, against the installed program:
# the harness's --wine-prefix runs it under Wine, in this prefix.
journeys() {
    local t
    # The update check's host, as the Windows build was configured.
    NUMORA_WEB_HOST=$(sed -n 's/^NUMORA_WEB_HOST:STRING=//p' "$build/numora/CMakeCache.txt") || true
    export NUMORA_WEB_HOST
    for t in start_and_navigate missing_numbers_play multiplication_play welcome_page offline; do
        if python3 "$repo/tests/e2e/test_$t.py" --numora "$1" --wine-prefix "$WINEPREFIX" \
            --artifacts "$build/e2e-artifacts" >"$work/journey-$t.log" 2>&1; then
            pass "journey $t: $(tail -1 "$work/journey-$t.log")"
        else
            fail "journey $t"
            cat "$work/journey-$t.log"
        fi
    done
    # The last journey's Wine session lives in its network namespace: end it.
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w
}

# --- Screenshots ----------------------------------------------------------------
# In a Wine virtual desktop, which draws the windows' frames and captions as
# Windows does (without a window manager, Wine's windows on X have none). The
# program centres its windows, so File and its first item are found from the
# main window's size in Wine's frame (304 x 351 with caption and menu bar);
# right to left, File is at the right end.
screenshots() {
    local folder=${NUMORA_WINDOWS_SHOTS:-$build/screenshots} exe=$build/stage/Numora/numora.exe
    [ -f "$exe" ] || { fail "$exe: not built"; return; }
    mkdir -p "$folder" "$work/locales" || return
    local width=800 height=600 lang
    start_display 1280x1024x24 || { fail "a virtual display (Xvfb)"; return; }
    local left=$(((width - 304) / 2)) top=$(((height - 351) / 2))
    for lang in en_US ar_EG; do
        new_prefix "shots-$lang"
        # Wine takes the user's locale and display language from the host's,
        # which must exist: a private compiled copy does.
        localedef -i "$lang" -f UTF-8 "$work/locales/$lang.UTF-8" 2>/dev/null
        LOCPATH=$work/locales LANG=$lang.UTF-8 LC_ALL=$lang.UTF-8 \
            "$wine" explorer "/desktop=numora,${width}x${height}" "$exe" >"$work/shots-$lang.log" 2>&1 &
        local pid=$! file_x=$((left + 21)) item_x=$((left + 80))
        [ "$lang" = ar_EG ] && file_x=$((left + 304 - 21)) item_x=$((left + 304 - 80))
        local start_x=$((left + 66)) stop_x=$((left + 150))
        [ "$lang" = ar_EG ] && start_x=$((left + 304 - 66)) stop_x=$((left + 304 - 152))
        sleep "${NUMORA_SHOT_WAIT:-10}"
        import -window root -crop "${width}x${height}+0+0" "$folder/main-$lang.png"
        check "screenshot of the main window ($lang)" test -s "$folder/main-$lang.png"
        # A game under way: the pictures, and the countdown in the caption.
        xdotool mousemove "$start_x" $((top + 62)) click 1
        sleep 3
        import -window root -crop "${width}x${height}+0+0" "$folder/game-$lang.png"
        xdotool mousemove "$stop_x" $((top + 62)) click 1
        sleep 1
        xdotool mousemove "$file_x" $((top + 30)) click 1
        sleep 2
        import -window root -crop "${width}x${height}+0+0" "$folder/file-menu-$lang.png"
        xdotool mousemove "$item_x" $((top + 50)) click 1
        sleep 4
        import -window root -crop "${width}x${height}+0+0" "$folder/multiplication-$lang.png"
        check "screenshot of the multiplication window ($lang)" test -s "$folder/multiplication-$lang.png"
        "$wineserver" -k 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    # The main window at 125 %, 150 % and 200 % (Windows' dots per inch in
    # the user's settings), on a desktop big enough for it.
    local dpi
    new_prefix shots-scaled
    for dpi in 120 144 192; do
        "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        "$wineserver" -w
        "$wine" explorer /desktop=numora,1280x1024 "$exe" >"$work/shots-$dpi.log" 2>&1 &
        local pid=$!
        sleep "${NUMORA_SHOT_WAIT:-10}"
        import -window root "$folder/main-en_US-$((dpi * 100 / 96))percent.png"
        check "screenshot of the main window at $((dpi * 100 / 96)) %" test -s "$folder/main-en_US-$((dpi * 100 / 96))percent.png"
        "$wineserver" -k 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    echo "     screenshots in $folder (to be looked at: they are not compared)"
}

main() {
    local parts=("$@") start=$SECONDS part
    [ ${#parts[@]} -eq 0 ] && parts=(unit installer)
    for part in "${parts[@]}"; do
        case $part in
        unit | installer | screenshots) echo "== $part"; "$part" ;;
        *) echo "unknown part: $part" >&2; exit 2 ;;
        esac
    done
    echo "All in $((SECONDS - start)) s"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

main "$@"
