# SPDX-License-Identifier: GPL-3.0-or-later
"""The operator's run from a file that takes the heading from GPS and DF from
COM 1: a combined ($GN) fix's course turns the heading-up display and DF
messages draw their bearing on it; the keypad steps the cursor and the heading
with Num Lock on (by ten with Shift or Ctrl), not with it off; the right mouse
button held on a stepping button repeats ten-degree steps, also once the pointer
has slid off, until it is released. After Q each bearing is in bearings.csv in
the data folder at the fix, where vectrin --export-kml starts its line."""

import os
import re
import subprocess
import sys
import threading

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

# A course of 90 degrees at 12.4 knots.
FIX = "$GNRMC,101530,A,4807.038,N,01131.000,E,012.4,090.0,060324,003.1,W*71\r\n"
# Relative, true bearing, heading, heading source and the fix's time of each logged bearing.
LOGGED = ["0", "90", "90", "GPS", "2024-03-06T10:15:30Z"]
WHERE = (48 + 7.038 / 60, 11 + 31 / 60)


def hold(s, box, seconds):
    """Holds the right mouse button on a control, slides the pointer off it
    before the repeat starts and returns the cursor angles seen meanwhile. The
    repeat keeps the X server busy, so a grab can outlast the press: the
    release comes from a timer of its own."""
    s.move_to((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)
    s.x("xdotool", "mousedown", "3")
    s.move_to(box[0] - 200, box[1] - 200)
    release = threading.Timer(seconds, s.x, ["xdotool", "mouseup", "3"])
    release.start()
    seen = []
    while release.is_alive():
        seen.append(e2e.cursor_angle(s))
    return seen


def check_logged_and_exported(s, binary, log):
    rows = [r.split(",") for r in open(log).read().splitlines()[1:]]
    e2e.check(rows and all(r[2:7] == LOGGED and abs(float(r[7]) - WHERE[0]) < 1e-6 and
                           abs(float(r[8]) - WHERE[1]) < 1e-6 for r in rows), "log: %r" % rows)
    kml = subprocess.run([binary, "--export-kml", log, "--length", "5"], env=s.env,
                         capture_output=True, text=True, timeout=30)
    e2e.check(kml.stderr == "vectrin: lines of bearing written: %d\n" % len(rows), kml.stderr)
    starts = re.findall(r"<when>(.*?)</when>.*?<coordinates>([-\d.]+),([-\d.]+) ",
                        kml.stdout, re.S)
    e2e.check([(w, float(la), float(lo)) for w, lo, la in starts] ==
              [(r[6], float(r[7]), float(r[8])) for r in rows], "lines not at the fixes")


def test_gps_df_keys_a_held_mouse_button_and_the_bearing_log(binary):
    with e2e.Session(binary) as s:
        s.env["XDG_DATA_HOME"] = os.path.join(s.home, "data")
        pty = s.open_pty(com=1)
        s.write_settings(e2e.items(test=e2e.TEST_OFF, heading="GPS"))
        s.start()
        e2e.wait_open(s, pty.slave_path)
        # The sentence behind the fix completes the window the heading input waits for.
        pty.write(FIX + "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n")
        e2e.wait_cursor(s, 270)
        # Bearings dead ahead are true east, drawn straight up, logged at a fresh fix.
        pty.write(FIX)
        image, polar = e2e.draw_spoke(s, pty, "%000", 0)
        for other in (45, 90, 135, 180, 225, 270, 315):
            e2e.check(not e2e.spoke_shown(s, image, other, polar), "a spoke at %d" % other)

        # Keypad 8 and 2 turn the cursor (by ten with Shift); top-row 8 is CANCEL.
        s.key("KP_8", "shift+KP_8", "8", "KP_2")
        e2e.wait_cursor(s, 280)
        # xdotool lit Num Lock to type the keypad digits. With Num Lock off the
        # keypad sends cursor keys, which press nothing; KP_8 lights it again.
        if e2e.num_lock_on(s):
            s.key("Num_Lock")
        e2e.check(not e2e.num_lock_on(s), "Num Lock stays on")
        s.key("KP_Up", "KP_Down", "ctrl+KP_Up", "ctrl+KP_8")
        e2e.wait_cursor(s, 290)
        # Ctrl pressed before keypad 6 turns the heading by ten, keypad 4 back by one.
        s.x("xdotool", "keydown", "Control_L", "key", "KP_6", "keyup", "Control_L", "key", "KP_4")
        e2e.wait_cursor(s, 281)

        seen = hold(s, e2e.cur_cw_button(s), 2.0) + [e2e.settle_cursor(s)]
        e2e.check(any(a not in (None, 281) for a in seen), "no repeat while held: %r" % seen)
        e2e.check(all(a is None or a % 10 == 1 for a in seen), "steps other than ten: %r" % seen)
        e2e.check(e2e.settle_cursor(s) == seen[-1], "the cursor moved on after the release")

        s.key("q")
        e2e.check(s.wait_exit() == 0, "exit code after Q")
        check_logged_and_exported(s, binary, os.path.join(s.home, "data", "Vectrin",
                                                          "bearings.csv"))


if __name__ == "__main__":
    e2e.main([test_gps_df_keys_a_held_mouse_button_and_the_bearing_log])
