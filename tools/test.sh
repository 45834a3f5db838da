#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up the machine, builds the program with its tests and runs every test:
# unit, integration (real serial adapter on pseudo-terminals) and end-to-end
# (the real binary under Xvfb and a window manager); then the unit and adapter
# tests again under the sanitizers, a short run of every fuzz target, and the
# Debian package of a packager's Release build, checked and started once.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh test
bash tools/build.sh
ctest --test-dir build --output-on-failure --no-tests=error --timeout 300 -j "$(nproc)"
bash tools/check_sanitizers.sh
bash tools/check_fuzz.sh
bash tools/check_package.sh
