#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what the program needs, builds the program alone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh run
bash tools/build.sh program
exec ./build/vectrin "$@"
