#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerates the pictures of the README and the user's guide, made by the
program itself on a private Xvfb with a temporary home (so it starts as on a
fresh installation, in test mode):

  docs/images/main-window.png   the display in test mode after a few seconds
  docs/images/options.png       the options dialog
  docs/images/no-device.png     test mode left with COM 1 missing: the
                                communications label and the options
                                dialog say why

Usage: tools/screenshot.py [--binary build/vectrin] [--seconds 10] [--out docs/images]
"""
import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
sys.dont_write_bytecode = True

import vectrin_e2e as e2e  # noqa: E402

# Labels stay legible at the width of a page.
e2e.SCREEN_WIDTH, e2e.SCREEN_HEIGHT = 1280, 800


def save(s, window, path):
    subprocess.run(["import", "-display", s.display, "-window", str(window), "-depth", "8",
                    "-strip", path], env=s.env, check=True, timeout=30)
    print("wrote", path)


def show_dialog(s):
    """Waits for the options dialog on screen; returns its window."""
    found = s.x("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Vectrin Options$")
    dialog = int(found.split()[0])
    e2e.wait_until(lambda: "IsViewable" in s.x("xwininfo", "-id", str(dialog)), 10,
                   "the options dialog on screen")
    return dialog


def main_window(binary, out, seconds):
    with e2e.Session(binary) as s:
        s.start()
        e2e.wait_shown(s)
        time.sleep(seconds)  # test mode runs: the picture builds up
        save(s, s.window, os.path.join(out, "main-window.png"))


def options_dialog(binary, out):
    with e2e.Session(binary) as s:
        s.start()
        e2e.wait_shown(s)
        s.key("o")
        save(s, show_dialog(s), os.path.join(out, "options.png"))


def no_device(binary, out):
    with e2e.Session(binary) as s:
        s.link_com(1, "/dev/ttyUSB-unplugged")
        s.start()
        e2e.wait_shown(s)
        before = e2e.comm_label_pixels(s)
        s.key("t")
        e2e.wait_until(lambda: e2e.comm_label_pixels(s) != before, 10, "the port's failure")
        s.key("o")
        show_dialog(s)
        save(s, "root", os.path.join(out, "no-device.png"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "vectrin"))
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "images"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    main_window(args.binary, args.out, args.seconds)
    options_dialog(args.binary, args.out)
    no_device(args.binary, args.out)


if __name__ == "__main__":
    main()
