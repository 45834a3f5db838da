#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures how many DF bearings the program takes in, with and without a
stepping button or key held down.

Runs the built program under Xvfb and openbox with a pseudo-terminal as COM 1
(acquisition on, test mode off, manual heading 0). A writer sends one DF
message at a time at a steady pace, each at its own bearing five degrees on
from the one before (0, 5, ..., 355). The bearings taken in are read from the
TOTAL BRG label, whose look for every count from 0 to 72 a slow calibration
feed records first. The run is made with nothing held, holding "8 : CUR CW"
down with the mouse, and holding keypad 8 down (X repeats the key) for the
whole feed.
Reports per run: messages sent, bearings taken in, both as a rate per second,
and the program's CPU in % of one core.

Usage: measure_df_intake.py [--binary build/vectrin] [--rate 10]
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

BEARINGS = range(0, 360, 5)


def feed(pty, rate):
    """Sends one message per 1/rate seconds on a fixed schedule; returns the seconds taken."""
    started = time.monotonic()
    for i, bearing in enumerate(BEARINGS):
        due = started + i / rate
        while time.monotonic() < due:
            time.sleep(max(0.0, min(0.005, due - time.monotonic())))
        pty.write("%%%03d" % bearing)
    return time.monotonic() - started


def count_label(s):
    """The pixels of the TOTAL BRG label (Label_TOTAL_BRG in Frame_TOP_LEFT)."""
    left, top, _, _ = s.window_geometry()
    x, y = left + e2e.twips_to_pixels(120), top + e2e.twips_to_pixels(120 + 855)
    w, h = e2e.twips_to_pixels(2055), e2e.twips_to_pixels(255)
    return subprocess.run(["import", "-display", s.display, "-window", "root", "-crop",
                           "%dx%d+%d+%d" % (w, h, x, y), "-depth", "8", "ppm:-"],
                          env=s.env, capture_output=True, timeout=30, check=True).stdout


def clear(s):
    s.focus()
    s.key("c")
    time.sleep(0.3)  # the cleared count on screen


def calibrate(s, pty):
    """The TOTAL BRG label's pixels for each count 0..72, each message sent only
    once the label shows the one before it taken in."""
    shown = [count_label(s)]
    for bearing in BEARINGS:
        pty.write("%%%03d" % bearing)
        shown.append(e2e.wait_until(lambda: (p := count_label(s)) != shown[-1] and p, 5,
                                    "the count to go up"))
    return shown


def holds(s):
    """What is held during each run: (name, press, release)."""
    box = e2e.cur_cw_button(s)
    middle = (str((box[0] + box[2]) // 2), str((box[1] + box[3]) // 2))
    return [("nothing held:", lambda: None, lambda: None),
            ("button held:", lambda: s.x("xdotool", "mousemove", *middle, "mousedown", "1"),
             lambda: s.x("xdotool", "mouseup", "1")),
            ("keypad 8 held:", lambda: s.x("xdotool", "keydown", "KP_8"),
             lambda: s.x("xdotool", "keyup", "KP_8"))]


def run(s, pty, rate, press, release, shown):
    clear(s)  # the label shows the new count from the first bearing taken in
    press()
    cpu0 = e2e.cpu_seconds(s.process.pid)
    seconds = feed(pty, rate)
    cpu = (e2e.cpu_seconds(s.process.pid) - cpu0) / seconds * 100
    release()
    time.sleep(0.3)  # the last message's cycle and the release
    label = count_label(s)
    e2e.check(label in shown, "a count the calibration did not see")
    return {"sent": len(BEARINGS), "taken": shown.index(label), "seconds": seconds, "cpu": cpu}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "vectrin"))
    parser.add_argument("--rate", type=float, default=10, help="DF messages per second")
    args = parser.parse_args()
    with e2e.Session(args.binary) as s:
        pty = s.open_pty(com=1)
        s.write_settings(e2e.items(test=e2e.TEST_OFF))
        s.start()
        e2e.wait_shown(s)
        e2e.wait_open(s, pty.slave_path)
        shown = calibrate(s, pty)
        for name, press, release in holds(s):
            r = run(s, pty, args.rate, press, release, shown)
            print("%-15s sent %3d (%5.1f/s)  taken in %3d (%5.1f/s)  program CPU %5.1f %%" % (
                name, r["sent"], r["sent"] / r["seconds"], r["taken"], r["taken"] / r["seconds"],
                r["cpu"]))


if __name__ == "__main__":
    main()
