#!/usr/bin/env bash
# Start-up counted in instructions: numora against its main window drawn
# straight (bench/same_window), from exec to the end of the first
# QWidgetRepaintManager::paintAndFlush, the first paint of the window. Callgrind
# counts the instructions of every thread, Qt's and the dynamic loader's
# included, so the figure does not move with the machine's load the way a time
# does: a run repeats it within about 0.3 %.
#
#   bench/instructions.sh [-b BUILD_DIR] [-n RUNS] [-m MAX_RATIO] [-l LOCALE] [-N] [-k]
#
#   -b DIR    Release build directory (default build-bench; configured here if
#             missing, as startup.sh does)
#   -n RUNS   runs per program (default 1); the medians are compared
#   -m RATIO  fail (exit 1) when numora / same-window exceeds it (default 1.02)
#   -l LOCALE the programs' LANG (default C.UTF-8: English), to count another
#             language's start-up (ja_JP.UTF-8, ar_EG.UTF-8)
#   -N        do not build: the tree is built already (the test suite's)
#   -k        keep each run's folder (callgrind's profiles, logs) and say where
#
# Each run gets its own Xvfb, session bus, home and runtime folder, a clean
# environment in C.UTF-8 (or -l's locale), and starts through bench/launcher.sh's launcher (a
# fake xdg-open first on PATH, connected in a network namespace where nothing is
# reachable), exactly as startup.sh starts the programs it times. Callgrind
# writes a profile when the first paint-and-flush returns; the program is then
# stopped, and the profile's total is the figure.
#
# Needs valgrind, xvfb, dbus-daemon, iproute2 and util-linux (unshare): root,
# or user namespaces for the network namespace.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=build-bench RUNS=1 MAX=1.02 BUILD_IT=1 KEEP=0 LOCALE=C.UTF-8
while getopts "b:n:m:l:Nkh" opt; do
    case $opt in
        b) BUILD=$OPTARG ;;
        n) RUNS=$OPTARG ;;
        m) MAX=$OPTARG ;;
        l) LOCALE=$OPTARG ;;
        N) BUILD_IT=0 ;;
        k) KEEP=1 ;;
        *) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 2 ;;
    esac
done
[[ $BUILD == /* ]] || BUILD="$ROOT/$BUILD"

# shellcheck source=launcher.sh
. "$ROOT/bench/launcher.sh"
[[ $BUILD_IT == 0 ]] || bench_programs "$BUILD" numora numora_same_window
NUMORA=$BUILD/app/numora SAME=$BUILD/bench/numora_same_window
for program in "$NUMORA" "$SAME"; do
    [[ -x $program ]] || { echo "no $program: build numora and numora_same_window in $BUILD" >&2; exit 2; }
done
for tool in valgrind Xvfb dbus-daemon ip unshare; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (./test.sh installs it)" >&2; exit 2; }
done

WORK=$(mktemp -d /tmp/numora-instructions.XXXXXX)
PIDS=()
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
    [[ $KEEP == 1 ]] || rm -rf "$WORK"
}
trap cleanup EXIT
bench_launcher "$WORK"

# stop PID: TERM, a short grace, then KILL; reaped.
stop() {
    kill -TERM "$1" 2>/dev/null || return 0
    local i
    for ((i = 0; i < 30; i++)); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# count NAME PROGRAM: sets COUNT to the instructions to the end of the first paint.
count() {
    local run i disp="" xvfb dbus app profile=""
    run=$(mktemp -d "$WORK/$1.XXXX")
    mkdir -p "$run/home" "$run/runtime"
    chmod 700 "$run/runtime"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$run/display" >"$run/xvfb.log" 2>&1 &
    xvfb=$!
    PIDS+=("$xvfb")
    for ((i = 0; i < 100; i++)); do
        disp=$(tr -dc 0-9 <"$run/display" 2>/dev/null || true)  # the file comes with Xvfb's start
        [[ -n $disp ]] && break
        sleep 0.1
    done
    [[ -n $disp ]] || { echo "$1: Xvfb did not start: $(tail -n 2 "$run/xvfb.log")" >&2; return 1; }
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$run/bus" >"$run/dbus.log" 2>&1 &
    dbus=$!
    PIDS+=("$dbus")
    for ((i = 0; i < 50; i++)); do [[ -S $run/bus ]] && break; sleep 0.1; done

    # Callgrind numbers each dump: the first one ends at the first paint.
    env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$run/home" USER="${USER:-root}" LANG="$LOCALE" \
        DISPLAY=":$disp" XDG_RUNTIME_DIR="$run/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$run/bus" \
        NO_AT_BRIDGE=1 "$WORK/launch" valgrind --tool=callgrind --callgrind-out-file="$run/callgrind.out" \
        --dump-after='QWidgetRepaintManager::paintAndFlush*' "$2" >"$run/program.log" 2>&1 &
    app=$!
    PIDS+=("$app")
    # Valgrind runs a program some fifty times slower: minutes on a loaded machine.
    for ((i = 0; i < 3000; i++)); do
        if grep -qs '^totals:' "$run/callgrind.out.1"; then profile=$run/callgrind.out.1; break; fi
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    stop "$app"
    stop "$dbus"
    stop "$xvfb"
    if [[ -z $profile ]]; then
        echo "$1: no paint within 300 s; the program said:" >&2
        tail -n 20 "$run/program.log" >&2
        return 1
    fi
    COUNT=$(sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$profile")
    [[ -n $COUNT ]] || { echo "$1: no total in $profile" >&2; return 1; }
}

median() { sort -g | awk '{ v[NR] = $1 } END { printf "%d\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "# $(date -u '+%F %H:%M UTC'), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'), valgrind $(valgrind --version | sed 's/^valgrind-//'), $RUNS run(s) each, load $(cut -d' ' -f1-3 /proc/loadavg)"
same_counts=() numora_counts=()
for ((r = 0; r < RUNS; r++)); do
    # Alternate the order, as startup.sh does.
    if ((r % 2)); then
        count numora "$NUMORA"; numora_counts+=("$COUNT")
        count same-window "$SAME"; same_counts+=("$COUNT")
    else
        count same-window "$SAME"; same_counts+=("$COUNT")
        count numora "$NUMORA"; numora_counts+=("$COUNT")
    fi
done
same=$(printf '%s\n' "${same_counts[@]}" | median)
numora=$(printf '%s\n' "${numora_counts[@]}" | median)
[[ $KEEP == 0 ]] || echo "profiles and logs: $WORK"
awk -v s="$same" -v n="$numora" -v max="$MAX" -v many="$((RUNS > 1))" -v runs="${same_counts[*]} / ${numora_counts[*]}" 'BEGIN {
    printf "instructions to the first paint (exec to the end of the first paintAndFlush)\n"
    printf "  same window  %13d\n  numora       %13d\n", s, n
    if (many) printf "  runs (same window / numora): %s\n", runs
    r = n / s
    printf "  numora / same window: %.4f (limit %s): %s\n", r, max, (r <= max) ? "holds" : "EXCEEDED"
    exit (r <= max) ? 0 : 1
}'
