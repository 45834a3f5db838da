#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/.
#   build.sh            the program, its tests and benchmarks
#   build.sh program    the program only
# VECTRIN_WERROR=ON in the environment makes warnings errors (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVECTRIN_WERROR="${VECTRIN_WERROR:-OFF}" >/dev/null
if [ "${1:-all}" = program ]; then
  cmake --build build --target vectrin -j "$(nproc)"
else
  cmake --build build -j "$(nproc)"
fi
