# SPDX-License-Identifier: GPL-3.0-or-later
"""The settings file as an operator meets it: a first start writes the default
file and shows COM1 @ 4800 BAUD; changes made through the real options dialog
(buttons, a swatch and the colour picker, its close box) and keys survive QUIT
and the next start; a damaged file in a read-only folder never stops the
program nor changes."""

import os
import shutil
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

ACQUIRE_OFF, TEST_OFF = "A:ACQUIRE  ( OFF )", "T:TEST             ( OFF )"
DEFAULT_FILE = ("".join("%d\r\n" % c for c in e2e.DEFAULT_SCHEME) * 5 +
                '1\r\n4800\r\n"A:ACQUIRE    ( ON )"\r\n"T:TEST             ( ON )"\r\n'
                '"MANUAL"\r\n-1\r\n').encode()
DEFAULT_BACKGROUND = e2e.colour_of(e2e.DEFAULT_SCHEME[0])

# Controls of the dialog in twips: (left, top, width, height) and their frame's corner.
COMM_PORT = ((120, 360, 2055, 375), (3600, 120))
BAUD_RATE = ((120, 720, 2055, 375), (3600, 120))
HEADING = ((120, 360, 2055, 375), (3600, 1440))
EAST = ((1200, 600, 975, 375), (3600, 2400))
DISPLAY_BACKGROUND_SWATCH = ((2520, 360, 615, 375), (120, 120))
B_COLORS = ((1680, 4080, 1455, 375), (120, 120))
SAVE = ((120, 3600, 855, 375), (120, 120))


def file_bytes(s):
    try:
        with open(s.settings_path, "rb") as f:
            return f.read()
    except OSError:
        return None


def wait_for_background(s, background=DEFAULT_BACKGROUND):
    """A pixel of the main window's background, outside the azimuth disk."""
    def shown():
        cx, cy, r = s.polar()
        return s.grab().pixel(int(cx + r + 60), int(cy + 0.3 * r)) == background

    e2e.wait_until(shown, 30, "the display background %r" % (background,))


def dialog(s):
    """Opens the options dialog with the O key; returns its window id."""
    s.focus()
    s.key("o")
    return int(e2e.wait_until(lambda: s.windows_titled("Vectrin Options"), 30, "the dialog")[0])


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
    picker = e2e.wait_until(lambda: s.windows_titled("Select Color"), 30, "the picker")[0]
    s.x("xdotool", "windowactivate", "--sync", str(picker))
    s.key("alt+h", "ctrl+a")
    s.x("xdotool", "type", "--delay", "30", html)
    s.key("Return" if accept else "Escape")
    e2e.wait_until(lambda: not s.windows_titled("Select Color"), 30, "the colour picker to close")


def quit_and_read(s):
    """Q on the main window; returns the items written at shut-down."""
    s.focus()
    s.key("q")
    e2e.check(s.wait_exit() == 0, "exit code")
    return s.read_settings()


def test_first_start_and_changes_through_the_dialog_survive_quit_and_restart(binary):
    with e2e.Session(binary) as s:
        shutil.rmtree(s.settings_folder)
        s.start()
        wait_for_background(s)
        e2e.check(file_bytes(s) == DEFAULT_FILE, "default file: %r" % file_bytes(s))
        legend = e2e.colour_of(e2e.DEFAULT_SCHEME[2])
        first = e2e.wait_until(lambda: (p := e2e.comm_label_pixels(s)) and legend in p and p, 30,
                               "text in the legend colour in Label_COMM")

        # Label_COMM follows the port: COM 2 looks different, eight clicks come back to COM 1.
        for com in range(1, 9):
            s.open_pty(com=com)
        window = dialog(s)
        click_in_dialog(s, window, COMM_PORT)
        e2e.wait_until(lambda: e2e.comm_label_pixels(s) != first, 30, "Label_COMM to show COM2")
        click_in_dialog(s, window, COMM_PORT, times=7)
        e2e.wait_until(lambda: e2e.comm_label_pixels(s) == first, 30, "Label_COMM back at COM1")

        click_in_dialog(s, window, COMM_PORT)  # COM2, trial open
        click_in_dialog(s, window, BAUD_RATE)  # 4800 -> 9600
        click_in_dialog(s, window, EAST, times=2)  # variation -2
        click_in_dialog(s, window, HEADING)  # MANUAL -> GPS
        pick_colour(s, window, DISPLAY_BACKGROUND_SWATCH, "#102030", accept=False)
        wait_for_background(s)
        pick_colour(s, window, DISPLAY_BACKGROUND_SWATCH, "#204060")
        wait_for_background(s, (0x20, 0x40, 0x60))
        click_in_dialog(s, window, B_COLORS)
        click_in_dialog(s, window, SAVE)

        # The dialog's close box hides it like EXIT; O brings the same window back.
        s.close_window(window)
        e2e.wait_until(lambda: not s.windows_titled("Vectrin Options"), 30, "the dialog to hide")
        e2e.check(s.running() and dialog(s) == window, "the dialog after its close box")
        s.focus()
        s.key("t", "a")  # test mode off (opens COM2), then acquisition off

        scheme = [str(0x604020)] + [str(c) for c in e2e.DEFAULT_SCHEME[1:]]
        defaults = [str(c) for c in e2e.DEFAULT_SCHEME]
        expected = (scheme + defaults + scheme + defaults * 2 +
                    ["2", "9600", ACQUIRE_OFF, TEST_OFF, "GPS", "-3"])
        first_run = quit_and_read(s)
        e2e.check(first_run == expected, "items at QUIT:\n%r\nexpected\n%r" % (first_run, expected))
        s.start()
        wait_for_background(s, (0x20, 0x40, 0x60))
        e2e.check(quit_and_read(s) == first_run, "the next start did not restore everything")


def test_a_damaged_file_in_a_read_only_folder_starts_cleanly(binary):
    """The defaults cannot replace the file: the built-in ones, no loop, and
    neither the file nor the folder changes at QUIT. Root writes anywhere, so
    the program runs as an unprivileged user."""
    with e2e.Session(binary) as s:
        with open(s.settings_path, "wb") as f:
            f.write(DEFAULT_FILE[:100])
        os.chmod(s.settings_path, 0o444)
        os.chmod(s.settings_folder, 0o555)
        for path in (s.home, s.config_home, os.path.join(s.home, "runtime")):
            os.chmod(path, 0o755)
        os.chown(os.path.join(s.home, "runtime"), 65534, 65534)
        s.binary, binary = "/usr/bin/setpriv", s.binary
        s.start(["--reuid=65534", "--regid=65534", "--clear-groups", binary])
        wait_for_background(s)
        click_in_dialog(s, dialog(s), EAST)
        s.focus()
        s.key("q")
        e2e.check(s.wait_exit() == 0, "exit code in a read-only folder")
        e2e.check(file_bytes(s) == DEFAULT_FILE[:100], "the read-only file changed")
        e2e.check(os.listdir(s.settings_folder) == ["Vectrin.ini"],
                  "files left in the folder: %r" % os.listdir(s.settings_folder))
        os.chmod(s.settings_folder, 0o755)


if __name__ == "__main__":
    e2e.main([test_first_start_and_changes_through_the_dialog_survive_quit_and_restart,
              test_a_damaged_file_in_a_read_only_folder_starts_cleanly])
