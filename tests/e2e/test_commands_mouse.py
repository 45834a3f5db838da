"""The stepping buttons under the mouse: a short click steps once; holding a
button down repeats ten-degree steps after half a second until the button is
released, and the click that ends the held press adds no step."""

import threading
import time

import commands_screen as cs
import vectrin_e2e as e2e

HOLD_SECONDS = 2.0


def hold(s, box, seconds):
    """Holds the main mouse button on a control for `seconds` (the operator's
    own press) and returns the cursor angles seen meanwhile. The repeat keeps
    the X server busy, so a grab can take longer than the press: the release
    comes from a timer of its own."""
    # Not the button's middle: moving the pointer onto the point where it
    # already stands (after a click there) would wait for a motion that never comes.
    x, y = cs.middle(box)
    s.mouse_down(x + 7, y + 3)
    release = threading.Timer(seconds, s.mouse_up)
    release.start()
    seen = []
    try:
        while release.is_alive():
            seen.append(cs.cursor_angle(s, s.grab()))
    finally:
        release.join()
    return seen


def test_a_click_steps_once_and_a_held_button_repeats_by_ten(binary):
    with e2e.Session(binary) as s:
        cs.start_shown(s)
        s.key("a", "c")
        cs.wait_cursor(s, 0)
        cur_cw = cs.stepping_button(s, "CUR_CW")
        s.click(*cs.middle(cur_cw))
        cs.wait_cursor(s, 1)

        seen = hold(s, cur_cw, HOLD_SECONDS)
        released = cs.settle_cursor(s)
        seen.append(released)
        e2e.check(any(a not in (None, 1) for a in seen), "no repeat while held: %r" % seen)
        e2e.check(all(a is None or a % 10 == 1 for a in seen), "steps other than ten: %r" % seen)
        e2e.check(cs.settle_cursor(s) == released, "the cursor moved on after the release")

        stepped_back = (released - 1) % 360
        s.click(*cs.middle(cs.stepping_button(s, "CUR_CCW")))
        cs.wait_cursor(s, stepped_back)

        # Holding HDG CCW turns the heading back ten at a time, so the cursor
        # turns clockwise on the heading-up display.
        seen = hold(s, cs.stepping_button(s, "HDG_CCW"), 1.2)
        after = cs.settle_cursor(s)
        seen.append(after)
        e2e.check(any(a not in (None, stepped_back) for a in seen), "no heading repeat: %r" % seen)
        e2e.check(after % 10 == stepped_back % 10, "the heading hold left the cursor at %d" % after)


if __name__ == "__main__":
    e2e.main([test_a_click_steps_once_and_a_held_button_repeats_by_ten])
