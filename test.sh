#!/usr/bin/env bash
# Build Numora with AddressSanitizer and UndefinedBehaviorSanitizer and run the
# whole suite (unit, widgets offscreen, end-to-end under Xvfb). Installs the
# Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
# shellcheck disable=SC2086
numora_install_missing $NUMORA_BUILD_PACKAGES $NUMORA_RUN_PACKAGES $NUMORA_RECOMMENDED_PACKAGES $NUMORA_TEST_PACKAGES

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMORA_SANITIZE=ON -DNUMORA_WERROR=ON >/dev/null
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Four at a time on two cores: the end-to-end tests spend half their time waiting
# on windows and buses. Tests that need more declare it (PROCESSORS).
ctest --test-dir "$build" --output-on-failure -j4 --timeout 300 -LE long
