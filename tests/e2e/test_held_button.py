# SPDX-License-Identifier: GPL-3.0-or-later
"""A stepping button held down with the right mouse button repeats its
ten-degree steps, goes on repeating after the pointer has slid off the button,
and stops when the mouse button comes up."""

import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402


def test_the_right_button_repeats_until_released_off_the_button(binary):
    with e2e.Session(binary) as s:
        s.start()
        e2e.wait_shown(s)
        e2e.wait_cursor(s, 0)
        box = e2e.cur_cw_button(s)
        s.mouse_down((box[0] + box[2]) // 2, (box[1] + box[3]) // 2, button=3)
        e2e.wait_until(lambda: e2e.cursor_angle(s) not in (None, 0), 30, "the repeat to start")
        s.move_to(box[0] - 200, box[1] - 200)  # off the button, over the display
        slid_off = e2e.cursor_angle(s)
        e2e.wait_until(lambda: e2e.cursor_angle(s) not in (None, slid_off), 30,
                       "steps after the pointer left the button")
        s.mouse_up(button=3)
        stopped = e2e.settle_cursor(s)
        e2e.check(stopped % 10 == 0, "a step other than ten: cursor at %d" % stopped)
        e2e.check(e2e.settle_cursor(s) == stopped, "the cursor moved on after the release")


if __name__ == "__main__":
    e2e.main([test_the_right_button_repeats_until_released_off_the_button])
