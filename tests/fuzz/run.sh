#!/usr/bin/env bash
# Build the fuzz targets with clang and libFuzzer, then run each for a bounded
# time on a copy of its corpus (the corpus in the repository stays as it is).
# Usage: tests/fuzz/run.sh [build-dir]   (default: build-fuzz/ at the top)
# NUMORA_FUZZ_SECONDS sets the time per target (60 by default). A finding is
# kept as <build-dir>/crash-<target>-*; replay it with <build-dir>/fuzz_<target> FILE.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${NUMORA_FUZZ_SECONDS:-60}

cxx=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$cxx" ]; then
    echo "no clang++: install clang-14 and libclang-rt-14-dev (./test.sh does)" >&2
    exit 1
fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in route update_line; do
    mkdir "$work/$target"
    cp "$here/corpus/$target/"* "$work/$target/"
    echo "== fuzz_$target, ${seconds} s"
    "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/crash-$target-" "$work/$target" 2>"$work/$target.log" || status=1
    # The run's summary: executions, coverage, corpus; the whole log on a finding.
    if [ $status -eq 0 ]; then
        grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$work/$target.log" || true
    else
        cat "$work/$target.log"
        break
    fi
done
exit $status
