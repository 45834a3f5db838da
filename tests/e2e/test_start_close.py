# SPDX-License-Identifier: GPL-3.0-or-later
"""The program starts maximized with its title, shows the polar display, goes
to the normal window and back with W while the window manager keeps its title
bar on the screen, and ends cleanly by its close box: exit code 0, the settings file written. (The Q
key's way out is taken at the end of the other scenarios.)"""

import os

import vectrin_e2e as e2e

DISPLAY_BACKGROUND = e2e.colour_of(0x557B78)
AZIMUTH_BACKGROUND = e2e.colour_of(0x009100)


def shows_polar_display(s):
    """The azimuth disk is painted around the centre, the display background outside it."""
    cx, cy, r = s.polar()
    image = s.grab()
    inside = image.pixel(int(cx + 0.6 * r), int(cy + 0.3 * r))
    outside = image.pixel(int(cx + r + 40), int(cy + 0.3 * r))
    return inside == AZIMUTH_BACKGROUND and outside == DISPLAY_BACKGROUND


def frame_box(s):
    """Screen box (left, top, right, bottom) of the window with its title bar and borders."""
    left, top, width, height = s.window_geometry()
    frame_left, frame_right, frame_top, frame_bottom = s.frame_extents()
    return (left - frame_left, top - frame_top, left + width + frame_right,
            top + height + frame_bottom)


def test_opens_maximized_and_closes_by_its_close_box(binary):
    with e2e.Session(binary) as s:
        s.start()

        def maximized():
            """The frame fills the screen, the title bar above the client area on it."""
            return (frame_box(s) == (0, 0, e2e.SCREEN_WIDTH, e2e.SCREEN_HEIGHT)
                    and s.window_geometry()[1] > 0)

        e2e.wait_until(maximized, 30, "the maximized window")
        s.key("w")
        e2e.wait_until(lambda: s.window_geometry()[2:] == (652, 453), 30,
                       "the normal window of 9780 x 6795 twips")
        s.key("w")
        e2e.wait_until(maximized, 30, "the maximized window again")
        e2e.wait_until(lambda: shows_polar_display(s), 30, "the polar display on screen")

        s.close_window()
        code = s.wait_exit()
        e2e.check(code == 0, "exit code %d" % code)
        e2e.check(os.path.exists(s.settings_path), "no settings file after closing")
        e2e.check(len(s.read_settings()) == 46, "settings file items")


if __name__ == "__main__":
    e2e.main([test_opens_maximized_and_closes_by_its_close_box])
