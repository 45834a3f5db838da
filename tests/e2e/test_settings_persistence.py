# SPDX-License-Identifier: GPL-3.0-or-later
"""The settings file as an operator meets it: a first start writes the default
file and shows COM1 @ 4800 BAUD, changes made through the real options dialog
(buttons, a swatch and the colour picker, its close box) and keys survive QUIT
and the next start, and damaged or unwritable settings never stop the program."""

import ctypes
import glob
import os
import shutil
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

DIALOG_TITLE = "Vectrin Options"
PICKER_TITLE = "Select Color"
ACQUIRE_ON, ACQUIRE_OFF = "A:ACQUIRE    ( ON )", "A:ACQUIRE  ( OFF )"
TEST_ON, TEST_OFF = "T:TEST             ( ON )", "T:TEST             ( OFF )"

DEFAULT_SCHEME = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]
DEFAULT_ITEMS = [str(c) for c in DEFAULT_SCHEME * 5] + ["1", "4800", ACQUIRE_ON, TEST_ON,
                                                       "MANUAL", "-1"]
DEFAULT_FILE = ("".join("%d\r\n" % c for c in DEFAULT_SCHEME) * 5 +
                '1\r\n4800\r\n"A:ACQUIRE    ( ON )"\r\n"T:TEST             ( ON )"\r\n'
                '"MANUAL"\r\n-1\r\n').encode()
DEFAULT_BACKGROUND = e2e.colour_of(0x557B78)

# Controls of the dialog in twips: (left, top, width, height) and their frame's corner.
COMM_PORT = ((120, 360, 2055, 375), (3600, 120))
BAUD_RATE = ((120, 720, 2055, 375), (3600, 120))
HEADING = ((120, 360, 2055, 375), (3600, 1440))
EAST = ((1200, 600, 975, 375), (3600, 2400))
DISPLAY_BACKGROUND_SWATCH = ((2520, 360, 615, 375), (120, 120))
B_COLORS = ((1680, 4080, 1455, 375), (120, 120))
SAVE = ((120, 3600, 855, 375), (120, 120))
# The main window's Label_COMM (left, top, width, height) inside Frame_TOP_RIGHT, whose
# corner lies 2280 twips left of the window's right edge and 120 twips down.
COMM_LABEL = (240, 1200, 1695, 255)
TOP_RIGHT = (-2280, 120)


def hold_display(s):
    """Keeps one client connected to the X server for the whole session. When its
    last client leaves, the server resets, and a client that connects just then
    (the program at a restart, or xdotool looking for it) is turned away."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    e2e.wait_until(lambda: x11.XOpenDisplay(s.display.encode()), 10, "a lasting X connection")


def file_bytes(s):
    try:
        with open(s.settings_path, "rb") as f:
            return f.read()
    except OSError:
        return None


def background_pixel(s):
    """A pixel of the main window's background, outside the azimuth disk."""
    cx, cy, r = s.polar()
    return s.grab().pixel(int(cx + r + 60), int(cy + 0.3 * r))


def wait_for_display(s, background=DEFAULT_BACKGROUND):
    e2e.wait_until(lambda: background_pixel(s) == background, 15,
                   "the display background %r" % (background,))


def windows_titled(s, title):
    """The ids of the visible windows with this title (xdotool fails when there are none)."""
    try:
        return [int(w) for w in s.x("xdotool", "search", "--onlyvisible", "--name",
                                    "^%s$" % title).split()]
    except e2e.E2EError:
        return []


def dialog(s):
    """Opens the options dialog with the O key; returns its window id."""
    s.focus()
    s.key("o")
    return e2e.wait_until(lambda: windows_titled(s, DIALOG_TITLE), 10, "the options dialog")[0]


def click_in_dialog(s, window, control, times=1):
    (left, top, width, height), (frame_left, frame_top) = control
    x = e2e.twips_to_pixels(frame_left + left + width / 2)
    y = e2e.twips_to_pixels(frame_top + top + height / 2)
    # No --sync: the pointer may already be there, and xdotool would wait for a move.
    s.x("xdotool", "mousemove", "--window", str(window), str(x), str(y), "click", "--repeat",
        str(times), "--delay", "120", "1")


def pick_colour(s, window, control, html, accept=True):
    """Clicks a colour button or swatch, types a colour into the picker by its
    HTML text and accepts it (Return) or cancels (Escape)."""
    click_in_dialog(s, window, control)
    picker = e2e.wait_until(lambda: windows_titled(s, PICKER_TITLE), 10, "the colour picker")[0]
    s.x("xdotool", "windowfocus", "--sync", str(picker))
    s.key("alt+h", "ctrl+a")
    s.x("xdotool", "type", "--delay", "30", html)
    s.key("Return" if accept else "Escape")
    e2e.wait_until(lambda: not windows_titled(s, PICKER_TITLE), 10, "the colour picker to close")


def quit_and_read(s):
    """Q on the main window; returns the items written at shut-down."""
    s.focus()
    s.key("q")
    code = s.wait_exit(20)
    e2e.check(code == 0, "exit code %d" % code)
    return s.read_settings()


def comm_label_pixels(s):
    left, top, width, _ = s.window_geometry()
    x0 = left + e2e.twips_to_pixels(width * e2e.TWIPS_PER_PIXEL + TOP_RIGHT[0] + COMM_LABEL[0])
    y0 = top + e2e.twips_to_pixels(TOP_RIGHT[1] + COMM_LABEL[1])
    image = s.grab()
    return tuple(image.pixel(x, y) for y in range(y0, y0 + e2e.twips_to_pixels(COMM_LABEL[3]))
                 for x in range(x0, x0 + e2e.twips_to_pixels(COMM_LABEL[2])))


def test_first_start_and_changes_through_the_dialog_survive_quit_and_restart(binary):
    with e2e.Session(binary) as s:
        hold_display(s)
        shutil.rmtree(s.settings_folder)
        s.start()
        wait_for_display(s)
        e2e.check(file_bytes(s) == DEFAULT_FILE, "default file: %r" % file_bytes(s))
        legend = e2e.colour_of(0x9BCEDF)
        first = e2e.wait_until(lambda: (p := comm_label_pixels(s)) and legend in p and p, 10,
                               "text in the legend colour in Label_COMM")

        # Label_COMM follows the port: COM 2 looks different, eight clicks come back to COM 1.
        for com in range(1, 9):
            s.open_pty(com=com)
        window = dialog(s)
        click_in_dialog(s, window, COMM_PORT)
        e2e.wait_until(lambda: comm_label_pixels(s) != first, 10, "Label_COMM to show COM2")
        click_in_dialog(s, window, COMM_PORT, times=7)
        e2e.wait_until(lambda: comm_label_pixels(s) == first, 10, "Label_COMM back at COM1")

        click_in_dialog(s, window, COMM_PORT)  # COM2, trial open
        click_in_dialog(s, window, BAUD_RATE)  # 4800 -> 9600
        click_in_dialog(s, window, EAST, times=2)  # variation -2
        click_in_dialog(s, window, HEADING)  # MANUAL -> GPS
        pick_colour(s, window, DISPLAY_BACKGROUND_SWATCH, "#102030", accept=False)
        e2e.check(background_pixel(s) == DEFAULT_BACKGROUND, "a cancelled picker changed it")
        pick_colour(s, window, DISPLAY_BACKGROUND_SWATCH, "#204060")
        wait_for_display(s, (0x20, 0x40, 0x60))
        click_in_dialog(s, window, B_COLORS)
        click_in_dialog(s, window, SAVE)

        # The dialog's close box hides it like EXIT; O brings the same window back.
        e2e.send_delete_window(s.display, window)
        e2e.wait_until(lambda: not windows_titled(s, DIALOG_TITLE), 10, "the dialog to hide")
        e2e.check(s.running() and dialog(s) == window, "the dialog after its close box")
        s.focus()
        s.key("t", "a")  # test mode off (opens COM2), then acquisition off

        scheme = [str(0x604020)] + [str(c) for c in DEFAULT_SCHEME[1:]]
        defaults = [str(c) for c in DEFAULT_SCHEME]
        expected = (scheme + defaults + scheme + defaults * 2 +
                    ["2", "9600", ACQUIRE_OFF, TEST_OFF, "GPS", "-3"])
        first_run = quit_and_read(s)
        e2e.check(first_run == expected, "items at QUIT:\n%r\nexpected\n%r" % (first_run, expected))

        s.start()
        wait_for_display(s, (0x20, 0x40, 0x60))
        e2e.check(quit_and_read(s) == first_run, "the next start did not restore everything")


def run_as_nobody(s):
    """Arguments that start the program as an unprivileged user, for whom a
    read-only folder really is read-only (root writes anywhere)."""
    for path in (s.home, s.config_home, os.path.join(s.home, "runtime")):
        os.chmod(path, 0o755)
    os.chown(os.path.join(s.home, "runtime"), 65534, 65534)
    s.binary, binary = "/usr/bin/setpriv", s.binary
    return ["--reuid=65534", "--regid=65534", "--clear-groups", binary]


def test_damaged_and_unwritable_settings_start_cleanly(binary):
    with e2e.Session(binary) as s:
        hold_display(s)
        # Cut off after item 20: the defaults replace the file at once.
        lines = [b"111"] + DEFAULT_FILE.split(b"\r\n")[1:20]
        with open(s.settings_path, "wb") as f:
            f.write(b"".join(line + b"\r\n" for line in lines))
        s.start()
        e2e.wait_until(lambda: file_bytes(s) == DEFAULT_FILE, 10, "the defaults written over it")
        wait_for_display(s)
        e2e.check(quit_and_read(s) == DEFAULT_ITEMS, "items after a cut-off file")
        kept, = glob.glob(s.settings_path + ".replaced-*")
        with open(kept, "rb") as f:
            e2e.check(f.read() == b"".join(line + b"\r\n" for line in lines),
                      "the cut-off file kept beside the defaults")
        os.remove(kept)

        # A damaged file in a read-only folder cannot be replaced: the built-in
        # defaults, no loop, and neither the file nor the folder changes at QUIT.
        with open(s.settings_path, "wb") as f:
            f.write(DEFAULT_FILE[:100])
        os.chmod(s.settings_path, 0o444)
        os.chmod(s.settings_folder, 0o555)
        s.start(run_as_nobody(s))
        wait_for_display(s)
        click_in_dialog(s, dialog(s), EAST)
        s.focus()
        s.key("q")
        e2e.check(s.wait_exit(20) == 0, "exit code in a read-only folder")
        e2e.check(file_bytes(s) == DEFAULT_FILE[:100], "the read-only file changed")
        e2e.check(os.listdir(s.settings_folder) == ["Vectrin.ini"],
                  "files left in the folder: %r" % os.listdir(s.settings_folder))
        os.chmod(s.settings_folder, 0o755)


if __name__ == "__main__":
    e2e.main([test_first_start_and_changes_through_the_dialog_survive_quit_and_restart,
              test_damaged_and_unwritable_settings_start_cleanly])
