# SPDX-License-Identifier: GPL-3.0-or-later
"""The operator commands end to end, in one run of the program: T leaves test
mode and opens COM 1, where DF messages draw their bearing; the keypad steps
the cursor and the manual heading with Num Lock on (by ten with Shift or Ctrl)
and does nothing with Num Lock off; holding a stepping button down with the
right mouse button repeats ten-degree steps, also once the pointer has slid
off the button, until the mouse button is released; a GPS course on the
line turns the heading-up display under the DF bearings."""

import sys
import threading
import time

sys.dont_write_bytecode = True  # no cache files beside the scripts

import commands_screen as cs  # noqa: E402
import vectrin_e2e as e2e  # noqa: E402


def send_df(pty, message, count):
    """DF messages one by one, each after the 50 ms lock-out of the one before."""
    for _ in range(count):
        pty.write(message)
        sent = time.monotonic()
        e2e.wait_until(lambda: time.monotonic() - sent >= 0.1, 1, "the message gap")


def hold(s, box, seconds):
    """Holds the right mouse button on a control, slides the pointer off it
    before the repeat starts and returns the cursor angles seen meanwhile. The
    repeat keeps the X server busy, so a grab can outlast the press: the
    release comes from a timer of its own."""
    x, y = (box[0] + box[2]) // 2, (box[1] + box[3]) // 2
    s.mouse_down(x, y, button=3)
    s.move_to(box[0] - 200, box[1] - 200)
    release = threading.Timer(seconds, s.mouse_up, kwargs={"button": 3})
    release.start()
    seen = []
    try:
        while release.is_alive():
            seen.append(cs.cursor_angle(s))
    finally:
        release.join()
    return seen


def test_df_bearings_keypad_and_a_held_mouse_button(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty(com=1)
        cs.start_shown(s)
        e2e.check(not cs.holds_open(s, pty.slave_path), "the port is open in test mode")
        s.key("t")
        cs.wait_open(s, pty.slave_path)
        e2e.wait_until(lambda: cs.spoke_length(s.polar(), s.grab(), 45) == 0, 5, "an empty display")
        send_df(pty, "%045", 50)
        polar = s.polar()
        image = e2e.wait_until(
            lambda: (i := s.grab()) and cs.spoke_length(polar, i, 45) > 0.6 and i, 5,
            "the spoke at 45 degrees")
        for other in (0, 90, 135, 180, 225, 270, 315):
            e2e.check(cs.spoke_length(polar, image, other) == 0, "a spoke at %d degrees" % other)

        # Keypad 8 and 2 turn the cursor (by ten with Shift); top-row 8 is CANCEL.
        cs.wait_cursor(s, 0)
        s.key("KP_8", "shift+KP_8", "8", "KP_2")
        cs.wait_cursor(s, 10)
        # xdotool lit Num Lock to type the keypad digits. With Num Lock off the
        # keypad sends cursor keys, which press nothing; KP_8 lights it again.
        if cs.num_lock_on(s):
            s.key("Num_Lock")
        e2e.check(not cs.num_lock_on(s), "Num Lock stays on")
        s.key("KP_Up", "KP_Down", "ctrl+KP_Up", "ctrl+KP_8")
        cs.wait_cursor(s, 20)
        # Ctrl pressed before keypad 6 turns the heading by ten, keypad 4 back by
        # one; the heading-up display shows the cursor at its bearing less the heading.
        s.key_down("Control_L")
        s.key("KP_6")
        s.key_up("Control_L")
        s.key("KP_4")
        cs.wait_cursor(s, 11)

        seen = hold(s, cs.cur_cw_button(s), 2.0) + [cs.settle_cursor(s)]
        e2e.check(any(a not in (None, 11) for a in seen), "no repeat while held: %r" % seen)
        e2e.check(all(a is None or a % 10 == 1 for a in seen), "steps other than ten: %r" % seen)
        e2e.check(cs.settle_cursor(s) == seen[-1], "the cursor moved on after the release")


def test_a_gps_course_on_the_line_turns_the_display(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty(com=1)
        default_colours = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]
        s.write_settings(default_colours * 5 + [1, 4800, "A:ACQUIRE    ( ON )",
                                                "T:TEST             ( OFF )", "GPS", -1])
        cs.start_shown(s)
        cs.wait_open(s, pty.slave_path)
        cs.wait_cursor(s, 0)
        # A course of 90 degrees at 12.4 knots; the sentence behind it completes
        # the window the heading input waits for.
        pty.write("$GPRMC,101530,A,4807.038,N,01131.000,E,012.4,090.0,060324,003.1,W*6A\r\n"
                  "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n")
        cs.wait_cursor(s, 270)
        # Bearings dead ahead are true east, drawn straight up on the heading-up display.
        send_df(pty, "%000", 12)
        polar = s.polar()
        image = e2e.wait_until(
            lambda: (i := s.grab()) and cs.spoke_length(polar, i, 0) > 0.3 and i, 5,
            "the spoke straight up")
        e2e.check(cs.spoke_length(polar, image, 270) == 0, "a bearing drawn at heading 0")


if __name__ == "__main__":
    e2e.main([test_df_bearings_keypad_and_a_held_mouse_button,
              test_a_gps_course_on_the_line_turns_the_display])
