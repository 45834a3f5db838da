"""The options dialog as an operator works it: a swatch click opens the colour
picker, a cancelled picker keeps the colour, a port that cannot be opened greys
the COMM PORT button and stops acquisition, and the dialog hides by EXIT or by
its close box and comes back with O."""

import os
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402
from test_settings_persistence import (ACQUIRE_OFF, COMM_PORT, DIALOG_TITLE, background_pixel,
                                       click_in_dialog, dialog, pick_colour, quit_and_read,
                                       wait_for_display, windows_titled)

DISPLAY_BACKGROUND_SWATCH = ((2520, 360, 615, 375), (120, 120))
EXIT = ((3600, 4680, 2295, 375), (0, 0))
DEFAULT_BACKGROUND = e2e.colour_of(0x557B78)


def window_pixel(s, window, x_twips, y_twips):
    out = s.x("xwininfo", "-id", str(window))
    values = dict(line.strip().partition(":")[::2] for line in out.splitlines() if ":" in line)
    left = int(values["Absolute upper-left X"])
    top = int(values["Absolute upper-left Y"])
    return s.grab().pixel(left + e2e.twips_to_pixels(x_twips), top + e2e.twips_to_pixels(y_twips))


def comm_port_face(s, window):
    """A pixel of the COMM PORT button's face, left of its caption, with the
    pointer away from the button (hovering changes its look)."""
    s.x("xdotool", "mousemove", "--window", str(window), "2", "2")
    (left, top, _, height), (frame_left, frame_top) = COMM_PORT
    return window_pixel(s, window, frame_left + left + 90, frame_top + top + height / 2)


def test_a_swatch_click_opens_the_picker_and_cancel_keeps_the_colour(binary):
    with e2e.Session(binary) as s:
        s.start()
        wait_for_display(s, DEFAULT_BACKGROUND)
        window = dialog(s)
        pick_colour(s, window, DISPLAY_BACKGROUND_SWATCH, "#102030", accept=False)
        e2e.check(background_pixel(s) == DEFAULT_BACKGROUND, "cancel changed the background")

        pick_colour(s, window, DISPLAY_BACKGROUND_SWATCH, "#102030")
        wait_for_display(s, (0x10, 0x20, 0x30))
        e2e.check(quit_and_read(s)[0] == str(0x302010), "the new colour is not in the file")


def test_a_port_that_cannot_be_opened_greys_comm_port_and_stops_acquisition(binary):
    with e2e.Session(binary) as s:
        s.open_pty(com=1)
        s.link_com(2, os.path.join(s.home, "no-such-device"))
        s.open_pty(com=3)
        s.start()
        wait_for_display(s, DEFAULT_BACKGROUND)
        s.key("t")  # test mode off: COM1 opens for DF data
        window = dialog(s)
        normal = e2e.wait_until(lambda: comm_port_face(s, window), 5, "the COMM PORT button")

        click_in_dialog(s, window, COMM_PORT)  # COM2 cannot be opened
        e2e.wait_until(lambda: comm_port_face(s, window) != normal, 10, "a greyed COMM PORT")
        click_in_dialog(s, window, COMM_PORT)  # COM3 opens (trial) and clears the mark
        e2e.wait_until(lambda: comm_port_face(s, window) == normal, 10, "the normal COMM PORT")

        items = quit_and_read(s)
        e2e.check(items[40] == "3", "port %s" % items[40])
        e2e.check(items[42] == ACQUIRE_OFF, "acquisition after the failure: %r" % items[42])


def test_the_dialog_hides_by_exit_and_by_its_close_box(binary):
    with e2e.Session(binary) as s:
        s.start()
        wait_for_display(s, DEFAULT_BACKGROUND)
        window = dialog(s)
        click_in_dialog(s, window, EXIT)
        e2e.wait_until(lambda: not windows_titled(s, DIALOG_TITLE), 10, "EXIT to hide the dialog")

        window = dialog(s)
        e2e.send_delete_window(s.display, window)
        e2e.wait_until(lambda: not windows_titled(s, DIALOG_TITLE), 10,
                       "the close box to hide the dialog")
        e2e.check(s.running(), "the close box of the dialog ended the program")
        e2e.check(dialog(s) == window, "O shows the same dialog again")
        quit_and_read(s)


if __name__ == "__main__":
    e2e.main([test_a_swatch_click_opens_the_picker_and_cancel_keeps_the_colour,
              test_a_port_that_cannot_be_opened_greys_comm_port_and_stops_acquisition,
              test_the_dialog_hides_by_exit_and_by_its_close_box])
