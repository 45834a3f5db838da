#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon, packaging/icons/vectrin.svg, to the PNG sizes of
# the hicolor theme (packaging/icons/vectrin-<size>.png). Run it after
# changing the SVG and commit the PNGs: the build only copies them.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" vectrin.svg --output "vectrin-$size.png"
done
