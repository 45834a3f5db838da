# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end harness: the real binary on a private Xvfb display managed by
openbox, with a temporary home, driven by xdotool and read back by screen
pixels (every position here is one) and files. Python standard library only.
A test script calls main() with its tests, each taking the binary's path."""

import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback
import types

TITLE = "ZIRC DF Display"
SCREEN_WIDTH = 1920
SCREEN_HEIGHT = 1080
DPI = 96
TWIPS_PER_PIXEL = 1440 / DPI  # 15
# The colours of a first start, slot by slot, as stored (0x00BBGGRR).
DEFAULT_SCHEME = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]
ACQUIRE_ON, ACQUIRE_OFF = "A:ACQUIRE    ( ON )", "A:ACQUIRE  ( OFF )"
TEST_ON, TEST_OFF = "T:TEST             ( ON )", "T:TEST             ( OFF )"


def items(port=1, rate=4800, acquire=ACQUIRE_ON, test=TEST_ON, heading="MANUAL", variation=-1):
    """The items of a settings file: the first start's colours and these settings."""
    return DEFAULT_SCHEME * 5 + [port, rate, acquire, test, heading, variation]


def wait_until(condition, timeout, what="condition", interval=0.05):
    """Polls condition() until it is true; returns its value. what (or what()) names the wait."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        told = what() if callable(what) else what
        check(time.monotonic() < deadline, "%.1f s went by waiting for %s" % (timeout, told))
        time.sleep(interval)
    return value


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def twips_to_pixels(twips):
    """The pixel that a twips coordinate falls on (the program's own rounding)."""
    return math.floor(twips / TWIPS_PER_PIXEL + 0.5)


class Image(bytes):
    """An RGB screen grab; pixel(x, y) gives (r, g, b)."""

    def pixel(self, x, y):
        i = (y * SCREEN_WIDTH + x) * 3
        return tuple(self[i:i + 3])


def colour_of(bbggrr):
    """The (r, g, b) of a colour written 0x00BBGGRR, as the program stores it."""
    return (bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


class Session:
    """A private X server with a window manager and a home folder for runs of
    the program. Use as a context manager: everything is cleaned up on exit."""

    def __init__(self, binary):
        self.binary = os.path.abspath(binary)
        self.process = self.window = self.display = self.log = None
        # The masters of its ptys, the command it starts behind, and the processes
        # it needs (ended after it, the last first).
        self.ptys, self.wrapper, self.helpers = [], [], []
        self.home = tempfile.mkdtemp(prefix="vectrin-e2e-")
        config_home = os.path.join(self.home, ".config")
        self.settings_folder = os.path.join(config_home, "Vectrin")
        self.settings_path = os.path.join(self.settings_folder, "Vectrin.ini")
        os.makedirs(self.settings_folder)
        runtime = os.path.join(self.home, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=config_home,
                        XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb")
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                     "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING"):
            self.env.pop(name, None)

    def __enter__(self):
        """Starts Xvfb on a display number it picks itself (-displayfd), so
        several sessions on one machine never race for the same number, and
        openbox on it."""
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (SCREEN_WIDTH,
             SCREEN_HEIGHT), "-dpi", str(DPI), "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        self.helpers.append(self.xvfb)
        # Xvfb writes the number and a newline (in pieces) once it listens; its end
        # of the pipe closes if it fails. Ours stays open until the line is read.
        with os.fdopen(read_end, "rb") as pipe:
            answer = pipe.readline()
        if not answer.strip().isdigit():
            self.cleanup()
            raise AssertionError("Xvfb did not start")
        self.display = self.env["DISPLAY"] = ":" + answer.decode().strip()
        # openbox manages the screen once it names its check window on the root window.
        with open(os.path.join(self.home, "openbox.log"), "w") as log:
            wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=log,
                                  stderr=subprocess.STDOUT, cwd=self.home)
        self.helpers.append(wm)
        wait_until(lambda: wm.poll() is None and "window id" in self.x(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 30, "openbox to manage the screen")
        return self

    def __exit__(self, *exc):
        self.cleanup()

    def x(self, *args):
        """Runs an X tool (xdotool, xwininfo, ...) on this display; returns its stdout."""
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=20)
        check(result.returncode == 0, "%s failed: %s" % (" ".join(args), result.stderr.strip()))
        return result.stdout

    def link_com(self, n, target):
        """Makes serial port n the device `target` (the COMn link in the settings folder)."""
        os.symlink(target, os.path.join(self.settings_folder, "COM%d" % n))

    def open_pty(self, com=None):
        """A pseudo-terminal pair: the test writes into the master (pty.write), the
        program opens the slave (pty.slave_path), serial port n with com=n."""
        master, slave = os.openpty()
        self.ptys.append(master)
        pty = types.SimpleNamespace(slave_path=os.ttyname(slave),
                                    write=lambda text: os.write(master, text.encode("latin-1")))
        os.close(slave)
        if com is not None:
            self.link_com(com, pty.slave_path)
        return pty

    def run_as_nobody(self, *devices):
        """Runs the program from now on as an unprivileged user, owner of the
        home folder and the devices; root ignores file modes and exclusive use."""
        if os.geteuid() != 0:
            return
        # The user nobody.
        subprocess.run(["chown", "-hR", "65534:65534", self.home, *devices], check=True)
        self.wrapper = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]

    def write_settings(self, items):
        """Writes the settings file: numbers as they are, texts quoted, CRLF."""
        with open(self.settings_path, "w", newline="") as f:
            f.write("".join(('"%s"' % i if isinstance(i, str) else str(int(i))) + "\r\n"
                            for i in items))

    def read_settings(self):
        """The items of the settings file, quotes removed (texts stay text)."""
        lines = read_bytes(self.settings_path).decode().split("\r\n")[:-1]
        return [s[1:-1] if s.startswith('"') and s.endswith('"') else s for s in lines]

    def start(self):
        """Starts the program (behind the wrapper) and waits for its window."""
        self.log = open(os.path.join(self.home, "program.log"), "w")
        self.process = subprocess.Popen([*self.wrapper, self.binary], env=self.env, stdout=self.log,
                                        stderr=subprocess.STDOUT, cwd=self.home)

        def window():
            check(self.running(), "the program ended: %s" % self.said())
            return self.windows_titled(TITLE)

        self.window = int(wait_until(window, 60, lambda: "a window titled %r; the program said: "
                                     "%s" % (TITLE, self.said()))[0])
        wait_until(lambda: self.window_geometry()[2] > 0, 60, "the window to be mapped")
        self.focus()

    def windows_titled(self, title):
        """The ids of the visible windows with this title; none while xdotool
        fails (it does when a window vanishes while it looks at it)."""
        try:
            return self.x("xdotool", "search", "--onlyvisible", "--name", "^%s$" % title).split()
        except AssertionError:
            return []

    def window_geometry(self):
        """(x, y, width, height) of the window's client area on the screen."""
        values = dict(line.strip().partition(":")[::2]
                      for line in self.x("xwininfo", "-id", str(self.window)).splitlines())
        if values.get("Map State", "").strip() != "IsViewable":
            return (0, 0, 0, 0)
        return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                               "Width", "Height"))

    def frame_extents(self):
        """(left, right, top, bottom): the window manager's title bar and borders."""
        out = self.x("xprop", "-id", str(self.window), "_NET_FRAME_EXTENTS")
        values = re.findall(r"\d+", out.partition("=")[2])
        return tuple(int(v) for v in values) if len(values) == 4 else (0, 0, 0, 0)

    def focus(self):
        self.x("xdotool", "windowactivate", "--sync", str(self.window))

    def running(self):
        return self.process is not None and self.process.poll() is None

    def said(self):
        """What the program has written to standard output and error so far."""
        return read_bytes(self.log.name).decode()

    def key(self, *keys):
        """Presses and releases keys by X keysym names ("h", "shift+2", "KP_6")."""
        self.x("xdotool", "key", "--delay", "30", *keys)

    def grab(self):
        """The whole screen as an Image."""
        return Image(subprocess.run(
            ["import", "-display", self.display, "-window", "root", "-depth", "8", "rgb:-"],
            env=self.env, capture_output=True, timeout=30, check=True).stdout)

    def polar(self):
        """Centre (x, y) and azimuth radius of the polar display in screen pixels."""
        left, top, width, height = self.window_geometry()
        return (left + width / 2, top + height / 2 + 250 / TWIPS_PER_PIXEL, height * 0.4)

    def polar_point(self, screen_angle_deg, fraction, polar=None):
        """The screen pixel at `fraction` of the azimuth radius from the centre,
        `screen_angle_deg` clockwise from straight up (heading up)."""
        cx, cy, r = polar or self.polar()
        a = math.radians(screen_angle_deg)
        return (round(cx + fraction * r * math.sin(a)), round(cy - fraction * r * math.cos(a)))

    def close_window(self, window=None):
        """Closes a window (the program's by default) as its close box does:
        the window manager asks it to close (WM_DELETE_WINDOW)."""
        self.x("xdotool", "windowactivate", "--sync", str(window or self.window), "key", "alt+F4")

    def wait_exit(self):
        """Waits up to a minute for the program to end; returns its exit code."""
        return self.process.wait(60)

    def cleanup(self):
        for process in [self.process] + self.helpers[::-1]:
            self._stop(process)
        for master in self.ptys:
            os.close(master)
        shutil.rmtree(self.home, ignore_errors=True)

    @staticmethod
    def _stop(process):
        """Ends a process as the system does at shut-down (SIGTERM), killing it
        if it does not end within seconds."""
        if process is not None and process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


# --- what the tests read back from the screen and the process ---------------


def control_box(s, frame, left, top, width, height):
    """Screen box (left, top, right, bottom) of a control placed in twips in a
    frame, which frame(width, height) places by the window's outer size."""
    x, y, w, h = s.window_geometry()
    extent_left, extent_right, extent_top, extent_bottom = s.frame_extents()
    frame_left, frame_top = frame((w + extent_left + extent_right) * TWIPS_PER_PIXEL,
                                  (h + extent_top + extent_bottom) * TWIPS_PER_PIXEL)
    x0, y0 = x + twips_to_pixels(frame_left + left), y + twips_to_pixels(frame_top + top)
    return (x0, y0, x0 + twips_to_pixels(width), y0 + twips_to_pixels(height))


def comm_label_pixels(s):
    """The pixels of Label_COMM, in Frame_TOP_RIGHT 2280 twips left of the right edge."""
    box, image = control_box(s, lambda w, h: (w - 2280, 120), 240, 1200, 1695, 255), s.grab()
    return [image.pixel(x, y) for y in range(box[1], box[3]) for x in range(box[0], box[2])]


def wait_shown(s, background=colour_of(DEFAULT_SCHEME[0])):
    """Waits for the polar display on the screen: the azimuth disk in a first
    start's colour, the display background outside it."""
    def shown():
        cx, cy, r = polar = s.polar()
        image = s.grab()
        return (image.pixel(*s.polar_point(100, 0.95, polar)) == colour_of(DEFAULT_SCHEME[3])
                and image.pixel(int(cx + r + 60), int(cy + 0.3 * r)) == background)

    wait_until(shown, 30, "the polar display on a background of %r" % (background,))


def near(image, point, colour):
    return any(image.pixel(point[0] + dx, point[1] + dy) == colour
               for dx in (-1, 0, 1) for dy in (-1, 0, 1))


def draw_spoke(s, pty, message, screen_angle):
    """Sends a DF message after each look at the screen until its spoke shows
    along the angle; returns that screen and the polar display. A look outlasts
    the 50 ms lock-out of the message before; three at one degree draw a spoke."""
    polar = s.polar()

    def drawn():
        pty.write(message)
        image = s.grab()
        # Whether a bearing vector reaches beyond a quarter of the radius along
        # the angle (all spokes meet near the centre).
        return any(near(image, s.polar_point(screen_angle, i / 100, polar),
                        colour_of(DEFAULT_SCHEME[6])) for i in range(26, 100)) and (image, polar)

    return wait_until(drawn, 30, "the spoke at %d degrees" % screen_angle, interval=0)


def cursor_angle(s):
    """The whole screen angle along which the dotted cursor runs, or None."""
    polar, image, cursor = s.polar(), s.grab(), colour_of(DEFAULT_SCHEME[7])
    hits = {angle: sum(near(image, s.polar_point(angle, 0.55 + 0.04 * i, polar), cursor)
                       for i in range(10)) for angle in range(360)}
    best = max(hits, key=hits.get)
    return best if hits[best] >= 5 else None


def wait_cursor(s, angle):
    wait_until(lambda: cursor_angle(s) == angle, 30, "the cursor at screen angle %d" % angle)


def cur_cw_button(s):
    """Screen box of CmdButton_CUR_CW, in Frame_BOTTOM_RIGHT at the bottom right."""
    return control_box(s, lambda w, h: (w - 2760, h - 1665), 0, 720, 1215, 375)


def holds_open(s, path):
    """Whether the program's process has the device open."""
    fds = "/proc/%d/fd" % s.process.pid
    return path in [os.path.realpath(os.path.join(fds, fd)) for fd in os.listdir(fds)]


def wait_open(s, path):
    wait_until(lambda: holds_open(s, path), 30, "the program to open %s" % path)


def cpu_seconds(pid):
    fields = read_bytes("/proc/%d/stat" % pid).rsplit(b")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def dialog(s):
    """Opens the options dialog with the O key; returns its window id."""
    s.focus()
    s.key("o")
    return int(wait_until(lambda: s.windows_titled("Vectrin Options"), 30, "the dialog")[0])


def click_in_dialog(s, window, control):
    """Clicks a control of the options dialog, given in twips as (left, top,
    width, height) and its frame's (left, top)."""
    (left, top, width, height), (frame_left, frame_top) = control
    x = twips_to_pixels(frame_left + left + width / 2)
    y = twips_to_pixels(frame_top + top + height / 2)
    # No --sync: the pointer may already be there, and xdotool would wait for a move.
    s.x("xdotool", "mousemove", "--window", str(window), str(x), str(y), "click", "1")


def main(tests):
    """Runs each test(binary) on the program given by --binary and says how it
    went; exits non-zero when one failed."""
    binary = sys.argv[sys.argv.index("--binary") + 1]
    failed = []
    for test in tests:
        started, outcome = time.monotonic(), "PASS"
        try:
            test(binary)
        except Exception:
            traceback.print_exc()
            failed.append(test.__name__)
            outcome = "FAIL"
        print("%s %s (%.1f s)" % (outcome, test.__name__, time.monotonic() - started), flush=True)
    sys.exit("failed: %s" % ", ".join(failed) if failed else 0)
