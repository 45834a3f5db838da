# SPDX-License-Identifier: GPL-3.0-or-later
"""A first start opens maximized, goes to the normal window and back with W
(the title bar stays on the screen), writes the default file and shows COM1 @
4800 BAUD; changes made through the options dialog (buttons, the colour picker,
its close box) and keys survive the close box and the next start, ended by Q."""

import shutil
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

# Controls of the dialog in twips: (left, top, width, height) and their frame's corner.
COMM_PORT = ((120, 360, 2055, 375), (3600, 120))
BAUD_RATE = ((120, 720, 2055, 375), (3600, 120))
HEADING = ((120, 360, 2055, 375), (3600, 1440))
EAST = ((1200, 600, 975, 375), (3600, 2400))
DISPLAY_BACKGROUND_SWATCH = ((2520, 360, 615, 375), (120, 120))
B_COLORS = ((1680, 4080, 1455, 375), (120, 120))
SAVE = ((120, 3600, 855, 375), (120, 120))


def maximized(s):
    """The window with its title bar and borders fills the screen, the title
    bar above the client area on it."""
    left, top, width, height = s.window_geometry()
    frame_left, frame_right, frame_top, frame_bottom = s.frame_extents()
    return top > 0 and (left - frame_left, top - frame_top, left + width + frame_right,
                        top + height + frame_bottom) == (0, 0, e2e.SCREEN_WIDTH, e2e.SCREEN_HEIGHT)


def pick_colour(s, window, control, html):
    """Clicks a colour button or swatch, types a colour into the picker by its
    HTML text and accepts it."""
    e2e.click_in_dialog(s, window, control)
    picker = e2e.wait_until(lambda: s.windows_titled("Select Color"), 30, "the picker")[0]
    s.x("xdotool", "windowactivate", "--sync", str(picker))
    s.key("alt+h", "ctrl+a")
    s.x("xdotool", "type", "--delay", "30", html)
    s.key("Return")
    e2e.wait_until(lambda: not s.windows_titled("Select Color"), 30, "the colour picker to close")


def test_first_start_and_changes_through_the_dialog_survive_close_and_restart(binary):
    with e2e.Session(binary) as s:
        shutil.rmtree(s.settings_folder)
        s.start()
        e2e.wait_until(lambda: maximized(s), 30, "the maximized window")
        s.key("w")
        e2e.wait_until(lambda: s.window_geometry()[2:] == (652, 453), 30,
                       "the normal window of 9780 x 6795 twips")
        s.key("w")
        e2e.wait_until(lambda: maximized(s), 30, "the maximized window again")
        e2e.wait_shown(s)
        e2e.check(s.read_settings() == [str(i) for i in e2e.items()], "not the default file")
        legend = e2e.colour_of(e2e.DEFAULT_SCHEME[2])
        first = e2e.wait_until(lambda: (p := e2e.comm_label_pixels(s)) and legend in p and p, 30,
                               "text in the legend colour in Label_COMM")

        s.open_pty(com=2)
        window = e2e.dialog(s)
        e2e.click_in_dialog(s, window, COMM_PORT)  # COM2, trial open
        e2e.wait_until(lambda: e2e.comm_label_pixels(s) != first, 30, "Label_COMM to show COM2")
        e2e.click_in_dialog(s, window, BAUD_RATE)  # 4800 -> 9600
        e2e.click_in_dialog(s, window, EAST, times=2)  # variation -2
        e2e.click_in_dialog(s, window, HEADING)  # MANUAL -> GPS
        pick_colour(s, window, DISPLAY_BACKGROUND_SWATCH, "#204060")
        e2e.wait_shown(s, (0x20, 0x40, 0x60))
        e2e.click_in_dialog(s, window, B_COLORS)
        e2e.click_in_dialog(s, window, SAVE)

        # The dialog's close box hides it like EXIT; O brings the same window back.
        s.close_window(window)
        e2e.wait_until(lambda: not s.windows_titled("Vectrin Options"), 30, "the dialog to hide")
        e2e.check(s.running() and e2e.dialog(s) == window, "the dialog after its close box")
        s.focus()
        s.key("t", "a")  # test mode off (opens COM2), then acquisition off

        scheme = [0x604020] + e2e.DEFAULT_SCHEME[1:]
        expected = [str(i) for i in scheme + e2e.DEFAULT_SCHEME + scheme +
                    e2e.DEFAULT_SCHEME * 2 + [2, 9600]] + [e2e.ACQUIRE_OFF, e2e.TEST_OFF, "GPS", "-3"]
        s.close_window()
        e2e.check(s.wait_exit() == 0, "exit code after the close box")
        first_run = s.read_settings()
        e2e.check(first_run == expected, "items at close:\n%r\nexpected\n%r" % (first_run, expected))
        s.start()
        e2e.wait_shown(s, (0x20, 0x40, 0x60))
        s.key("q")
        e2e.check(s.wait_exit() == 0 and s.read_settings() == first_run,
                  "the next start did not restore everything, or Q did not save it")


if __name__ == "__main__":
    e2e.main([test_first_start_and_changes_through_the_dialog_survive_close_and_restart])
