# SPDX-License-Identifier: GPL-3.0-or-later
"""The program starts maximized with its title, shows the polar display, and
ends cleanly by its close box: exit code 0, the settings file written. (The Q
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


def test_opens_maximized_and_closes_by_its_close_box(binary):
    with e2e.Session(binary) as s:
        s.start()
        left, top, width, height = e2e.wait_until(
            lambda: (g := s.window_geometry()) and g[2] >= e2e.SCREEN_WIDTH - 8 and g, 10,
            "the window to cover the screen")
        e2e.check(height >= e2e.SCREEN_HEIGHT - 40, "window height %d" % height)
        e2e.check((left, top) == (0, 0), "window at %d,%d" % (left, top))
        e2e.wait_until(lambda: shows_polar_display(s), 10, "the polar display on screen")

        s.close_window()
        code = s.wait_exit(20)
        e2e.check(code == 0, "exit code %d" % code)
        e2e.check(os.path.exists(s.settings_path), "no settings file after closing")
        e2e.check(len(s.read_settings()) == 46, "settings file items")


if __name__ == "__main__":
    e2e.main([test_opens_maximized_and_closes_by_its_close_box])
