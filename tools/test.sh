#!/usr/bin/env bash
# Sets up the machine, builds the program and runs every test: unit,
# integration (real serial adapter on pseudo-terminals) and end-to-end (the
# real binary under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
ctest --test-dir build --output-on-failure --timeout 300
