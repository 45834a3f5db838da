# SPDX-License-Identifier: GPL-3.0-or-later
"""The operator's run from a file that takes the heading from GPS and DF from
COM 1: a combined ($GN) fix's course turns the heading-up display and DF
messages draw their bearing on it; the keypad steps the cursor and the heading
(by ten with Shift or Ctrl); the right mouse button held on a stepping button
repeats its step (the mirror and stepping tests stop it on release). After Q
each bearing is in bearings.csv in the data folder at the fix, and vectrin
--export-kml draws a line for each."""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

# A course of 90 degrees at 12.4 knots.
FIX = "$GNRMC,101530,A,4807.038,N,01131.000,E,012.4,090.0,060324,003.1,W*71\r\n"
# Relative, true bearing, heading, heading source and the fix's time of each logged bearing.
LOGGED = ["0", "90", "90", "GPS", "2024-03-06T10:15:30Z"]
WHERE = (48 + 7.038 / 60, 11 + 31 / 60)


def check_logged_and_exported(s, binary, log):
    rows = [r.split(",") for r in open(log).read().splitlines()[1:]]
    e2e.check(rows and all(r[2:7] == LOGGED and abs(float(r[7]) - WHERE[0]) < 1e-6 and
                           abs(float(r[8]) - WHERE[1]) < 1e-6 for r in rows), "log: %r" % rows)
    kml = subprocess.run([binary, "--export-kml", log, "--length", "5"], env=s.env,
                         capture_output=True, text=True, timeout=30)
    e2e.check(kml.stderr == "vectrin: lines of bearing written: %d\n" % len(rows), kml.stderr)
    e2e.check(re.findall(r"<when>(.*?)</when>", kml.stdout) == [r[6] for r in rows],
              "not a line for each bearing logged")


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
        e2e.draw_spoke(s, pty, "%000", 0)

        # Keypad 8 and 2 turn the cursor (by ten with Shift); top-row 8 is CANCEL.
        s.key("KP_8", "shift+KP_8", "8", "KP_2")
        e2e.wait_cursor(s, 280)
        # Ctrl pressed before keypad 6 turns the heading by ten, keypad 4 back by one.
        s.x("xdotool", "keydown", "Control_L", "key", "KP_6", "keyup", "Control_L", "key", "KP_4")
        e2e.wait_cursor(s, 271)

        # Held, the button steps at once and repeats: the cursor goes beyond its first step.
        box = e2e.cur_cw_button(s)
        s.x("xdotool", "mousemove", str((box[0] + box[2]) // 2), str((box[1] + box[3]) // 2),
            "mousedown", "3")
        e2e.wait_until(lambda: e2e.cursor_angle(s) not in (None, 271, 281), 30, "a repeat")
        s.x("xdotool", "mouseup", "3")

        s.key("q")
        e2e.check(s.wait_exit() == 0, "exit code after Q")
        check_logged_and_exported(s, binary, os.path.join(s.home, "data", "Vectrin",
                                                          "bearings.csv"))


if __name__ == "__main__":
    e2e.main([test_gps_df_keys_a_held_mouse_button_and_the_bearing_log])
