#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerates docs/screenshot.png: the program in test mode, maximized on a
1920 x 1080 screen, after a few seconds of simulated bearings.

Runs the built program on a private Xvfb with a temporary home (so it starts
in test mode, as on a fresh installation), waits for the first frame, lets the
test mode run, and grabs the window.

Usage: tools/screenshot.py [--binary build/vectrin] [--seconds 10] [--out docs/screenshot.png]
"""
import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

import vectrin_e2e as e2e  # noqa: E402

AZIMUTH_BACKGROUND = 0x009100  # the disk's colour in the default settings file


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "vectrin"))
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "screenshot.png"))
    args = parser.parse_args()

    with e2e.Session(args.binary) as s:
        s.start()
        cx, cy, r = s.polar()
        # A point inside the disk, clear of the spokes' hub and the cross.
        probe = (int(cx - r / 2), int(cy + r / 5))
        disk = e2e.colour_of(AZIMUTH_BACKGROUND)
        e2e.wait_until(lambda: s.grab().pixel(*probe) == disk, 20, "the azimuth disk")
        time.sleep(args.seconds)  # test mode runs: the picture builds up
        os.makedirs(os.path.dirname(args.out), exist_ok=True)
        subprocess.run(["import", "-display", s.display, "-window", str(s.window),
                        "-depth", "8", "-strip", args.out], env=s.env, check=True, timeout=30)
    print("wrote", args.out)


if __name__ == "__main__":
    main()
