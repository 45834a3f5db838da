#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program alone as a packager would (a Release build with the
# compiler's default flags, in build-package/), makes the Debian package and
# checks it (tools/check_package.py).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DVECTRIN_TESTS=OFF \
  -DVECTRIN_BENCH=OFF -DVECTRIN_WERROR="${VECTRIN_WERROR:-OFF}" >/dev/null
cmake --build build-package -j "$(nproc)"
rm -f build-package/vectrin_*.deb
(cd build-package && cpack -G DEB >/dev/null)
python3 tools/check_package.py build-package/vectrin_*.deb
