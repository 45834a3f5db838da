#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs. Idempotent: packages already
# present are left as they are.
#   setup.sh run    what building and running the program needs
#   setup.sh test   that, plus everything the tests, benchmarks and checks use
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev libxcb1-dev
  fonts-liberation2
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb openbox xdotool x11-utils imagemagick python3
  dbus at-spi2-core python3-pyatspi
  dpkg-dev file desktop-file-utils appstream groff-base librsvg2-bin
)

packages=("${run_packages[@]}")
case "${1:-test}" in
  run) ;;
  test) packages+=("${test_packages[@]}") ;;
  *) echo "usage: setup.sh [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
