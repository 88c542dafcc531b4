#!/usr/bin/env bash
# Build Numora (Release) and start it. Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
# shellcheck disable=SC2086
numora_install_missing $NUMORA_BUILD_PACKAGES $NUMORA_RUN_PACKAGES $NUMORA_RECOMMENDED_PACKAGES

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMORA_TESTS=OFF >/dev/null
cmake --build build --target numora
exec build/app/numora
