"""The settings file as an operator meets it: a first start writes the default
file, changes made through the real options dialog and keys survive QUIT and
the next start, and damaged or unwritable settings never stop the program."""

import os
import shutil
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

DIALOG_TITLE = "Vectrin Options"
PICKER_TITLE = "Select Color"

ACQUIRE_ON = "A:ACQUIRE    ( ON )"
ACQUIRE_OFF = "A:ACQUIRE  ( OFF )"
TEST_ON = "T:TEST             ( ON )"
TEST_OFF = "T:TEST             ( OFF )"

DEFAULT_SCHEME = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]
DEFAULT_ITEMS = DEFAULT_SCHEME * 5 + [1, 4800, ACQUIRE_ON, TEST_ON, "MANUAL", -1]
DEFAULT_FILE = ("".join("%d\r\n" % c for c in DEFAULT_SCHEME) * 5 +
                '1\r\n4800\r\n"A:ACQUIRE    ( ON )"\r\n"T:TEST             ( ON )"\r\n'
                '"MANUAL"\r\n-1\r\n').encode()

# Controls of the dialog in twips: (left, top, width, height) and their frame's corner.
FRAME_COMM = (3600, 120)
FRAME_HEADING = (3600, 1440)
FRAME_VARIATION = (3600, 2400)
FRAME_COLORS = (120, 120)
COMM_PORT = ((120, 360, 2055, 375), FRAME_COMM)
BAUD_RATE = ((120, 720, 2055, 375), FRAME_COMM)
HEADING = ((120, 360, 2055, 375), FRAME_HEADING)
EAST = ((1200, 600, 975, 375), FRAME_VARIATION)
DISPLAY_BACKGROUND = ((120, 360, 2415, 375), FRAME_COLORS)
B_COLORS = ((1680, 4080, 1455, 375), FRAME_COLORS)
SAVE = ((120, 3600, 855, 375), FRAME_COLORS)

# The main window's Label_COMM: inside Frame_TOP_RIGHT, which follows the right edge.
COMM_LABEL = (240, 1200, 1695, 255)
TOP_RIGHT_FROM_RIGHT_EDGE = 2280
TOP_RIGHT_TOP = 120


def default_lines():
    return DEFAULT_FILE.decode().split("\r\n")[:-1]


def write_lines(s, lines):
    with open(s.settings_path, "w", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))


def file_bytes(s):
    try:
        with open(s.settings_path, "rb") as f:
            return f.read()
    except OSError:
        return None


def background_pixel(s, image=None):
    """A pixel of the main window's background, outside the azimuth disk."""
    cx, cy, r = s.polar()
    image = image or s.grab()
    return image.pixel(int(cx + r + 60), int(cy + 0.3 * r))


def wait_for_display(s, background):
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


def comm_label_box(s):
    left, top, width, _ = s.window_geometry()
    frame_left = width * e2e.TWIPS_PER_PIXEL - TOP_RIGHT_FROM_RIGHT_EDGE
    x0 = left + e2e.twips_to_pixels(frame_left + COMM_LABEL[0])
    y0 = top + e2e.twips_to_pixels(TOP_RIGHT_TOP + COMM_LABEL[1])
    return (x0, y0, x0 + e2e.twips_to_pixels(COMM_LABEL[2]),
            y0 + e2e.twips_to_pixels(COMM_LABEL[3]))


def comm_label_pixels(s):
    x0, y0, x1, y1 = comm_label_box(s)
    image = s.grab()
    return tuple(image.pixel(x, y) for y in range(y0, y1) for x in range(x0, x1))


def test_first_start_without_a_settings_folder_writes_the_defaults(binary):
    with e2e.Session(binary) as s:
        shutil.rmtree(s.settings_folder)
        s.start()
        wait_for_display(s, e2e.colour_of(0x557B78))
        e2e.check(file_bytes(s) == DEFAULT_FILE, "default file: %r" % file_bytes(s))

        legend = e2e.colour_of(0x9BCEDF)
        first = e2e.wait_until(lambda: (p := comm_label_pixels(s)) and legend in p and p, 10,
                               "text in the legend colour in Label_COMM")
        # The label follows the port: COM 2 looks different, eight clicks come back to COM 1.
        s.open_pty(com=2)
        window = dialog(s)
        click_in_dialog(s, window, COMM_PORT)
        e2e.wait_until(lambda: comm_label_pixels(s) != first, 10, "Label_COMM to show COM2")
        for com in range(3, 9):
            s.open_pty(com=com)
        click_in_dialog(s, window, COMM_PORT, times=7)
        e2e.wait_until(lambda: comm_label_pixels(s) == first, 10, "Label_COMM back at COM1")

        items = quit_and_read(s)
        e2e.check(items == [str(i) for i in DEFAULT_ITEMS], "items at shut-down: %r" % items)


def test_changes_made_in_the_dialog_and_by_keys_are_restored_at_the_next_start(binary):
    with e2e.Session(binary) as s:
        s.open_pty(com=1)
        s.open_pty(com=2)
        s.write_settings(DEFAULT_SCHEME * 5 + [1, 4800, ACQUIRE_ON, TEST_ON, "MANUAL", -176])
        s.start()
        wait_for_display(s, e2e.colour_of(0x557B78))

        window = dialog(s)
        click_in_dialog(s, window, EAST, times=4)  # -175 -> -179
        click_in_dialog(s, window, BAUD_RATE)  # 4800 -> 9600
        click_in_dialog(s, window, COMM_PORT)  # COM1 -> COM2, trial open
        click_in_dialog(s, window, HEADING)  # MANUAL -> GPS
        pick_colour(s, window, DISPLAY_BACKGROUND, "#204060")
        wait_for_display(s, (0x20, 0x40, 0x60))
        click_in_dialog(s, window, B_COLORS)
        click_in_dialog(s, window, SAVE)
        s.focus()
        s.key("t", "a")  # test mode off (opens COM2), then acquisition off

        chosen = 0x604020
        expected = ([chosen] + DEFAULT_SCHEME[1:]) + DEFAULT_SCHEME + \
            ([chosen] + DEFAULT_SCHEME[1:]) + DEFAULT_SCHEME * 2
        expected = [str(i) for i in expected] + ["2", "9600", ACQUIRE_OFF, TEST_OFF, "GPS", "-180"]
        first = quit_and_read(s)
        e2e.check(first == expected, "items at QUIT:\n%r\nexpected\n%r" % (first, expected))

        # The next start restores everything: the next shut-down writes the same file.
        s.start()
        wait_for_display(s, (0x20, 0x40, 0x60))
        second = quit_and_read(s)
        e2e.check(second == first, "items after a restart: %r" % second)

        # One more EAST click wraps -179 to 180, which survives a restart too.
        s.start()
        window = dialog(s)
        click_in_dialog(s, window, EAST)
        third = quit_and_read(s)
        e2e.check(third[45] == "179", "variation 180 stored as %r" % third[45])
        s.start()
        wait_for_display(s, (0x20, 0x40, 0x60))
        fourth = quit_and_read(s)
        e2e.check(fourth == third, "items after the restart with 180: %r" % fourth)


def start_and_quit(s, background=e2e.colour_of(0x557B78)):
    s.start()
    wait_for_display(s, background)
    return quit_and_read(s)


def test_damaged_settings_files_start_cleanly(binary):
    with e2e.Session(binary) as s:
        # Cut off after item 20: the defaults replace the file at once.
        write_lines(s, ["111"] + default_lines()[1:20])
        s.start()
        e2e.wait_until(lambda: file_bytes(s) == DEFAULT_FILE, 10, "the defaults written over it")
        wait_for_display(s, e2e.colour_of(0x557B78))
        e2e.check(quit_and_read(s) == [str(i) for i in DEFAULT_ITEMS], "cut-off file")

        # Letters in numeric items read as 0: a black background, 4800 baud, variation 1.
        lines = default_lines()
        lines[0], lines[41], lines[45] = '"abc"', "fast", "x"
        write_lines(s, lines)
        items = start_and_quit(s, background=(0, 0, 0))
        e2e.check((items[0], items[41], items[45]) == ("0", "4800", "0"),
                  "letters read as 0: %r" % ((items[0], items[41], items[45]),))

        # A baud rate of 300 runs at 4800 and is written back as 4800.
        s.write_settings(DEFAULT_SCHEME * 5 + [1, 300, ACQUIRE_ON, TEST_ON, "MANUAL", -1])
        e2e.check(start_and_quit(s)[41] == "4800", "baud 300")

        # Port 12 is refused by the serial port: the defaults are written and used.
        s.write_settings(DEFAULT_SCHEME * 5 + [12, 9600, ACQUIRE_ON, TEST_ON, "GPS", 5])
        s.start()
        e2e.wait_until(lambda: file_bytes(s) == DEFAULT_FILE, 10, "the defaults after port 12")
        e2e.check(quit_and_read(s)[40:] == ["1", "4800", ACQUIRE_ON, TEST_ON, "MANUAL", "-1"],
                  "port 12")

        # A settings file that is a folder: the built-in defaults, the folder untouched.
        os.remove(s.settings_path)
        os.makedirs(os.path.join(s.settings_path, "inside"))
        s.start()
        wait_for_display(s, e2e.colour_of(0x557B78))
        s.focus()
        s.key("q")
        e2e.check(s.wait_exit(20) == 0, "exit code with a folder for a file")
        e2e.check(os.path.isdir(os.path.join(s.settings_path, "inside")), "folder replaced")


def run_as_nobody(s):
    """Lets the program run as an unprivileged user, for whom a read-only
    folder really is read-only (root writes anywhere)."""
    for path in (s.home, s.config_home, os.path.join(s.home, "runtime")):
        os.chmod(path, 0o755)
    os.chown(os.path.join(s.home, "runtime"), 65534, 65534)
    return ["--reuid=65534", "--regid=65534", "--clear-groups", s.binary]


def test_a_read_only_settings_folder_loses_nothing(binary):
    with e2e.Session(binary) as s:
        s.write_settings(DEFAULT_SCHEME * 5 + [3, 9600, ACQUIRE_ON, TEST_ON, "MANUAL", 9])
        before = file_bytes(s)
        os.chmod(s.settings_path, 0o444)
        os.chmod(s.settings_folder, 0o555)
        args = run_as_nobody(s)
        s.binary = "/usr/bin/setpriv"

        s.start(args)
        wait_for_display(s, e2e.colour_of(0x557B78))
        window = dialog(s)
        click_in_dialog(s, window, EAST)
        s.focus()
        s.key("q")
        e2e.check(s.wait_exit(20) == 0, "exit code in a read-only folder")
        e2e.check(file_bytes(s) == before, "the read-only file changed")
        e2e.check(sorted(os.listdir(s.settings_folder)) == ["Vectrin.ini"],
                  "files left in the folder: %r" % os.listdir(s.settings_folder))

        # A damaged file there cannot be replaced: the built-in defaults, no loop.
        os.chmod(s.settings_folder, 0o755)
        os.chmod(s.settings_path, 0o644)
        with open(s.settings_path, "wb") as f:
            f.write(DEFAULT_FILE[:100])
        os.chmod(s.settings_folder, 0o555)
        s.start(args)
        wait_for_display(s, e2e.colour_of(0x557B78))
        s.focus()
        s.key("q")
        e2e.check(s.wait_exit(20) == 0, "exit code with a damaged read-only file")
        e2e.check(file_bytes(s) == DEFAULT_FILE[:100], "the damaged read-only file changed")
        os.chmod(s.settings_folder, 0o755)


if __name__ == "__main__":
    e2e.main([test_first_start_without_a_settings_folder_writes_the_defaults,
              test_changes_made_in_the_dialog_and_by_keys_are_restored_at_the_next_start,
              test_damaged_settings_files_start_cleanly,
              test_a_read_only_settings_folder_loses_nothing])
