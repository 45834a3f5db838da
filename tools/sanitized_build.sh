#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures build-asan/ (clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# the fuzzer's coverage, the fuzz targets) and builds the named targets there.
# The checks of the sanitized tests and of the fuzz targets share this build.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DVECTRIN_SANITIZE=ON -DVECTRIN_FUZZ=ON \
  -DVECTRIN_BENCH=OFF -DVECTRIN_WERROR="${VECTRIN_WERROR:-OFF}" "${launcher[@]}" >/dev/null
cmake --build build-asan --target "$@" -j "$(nproc)"
