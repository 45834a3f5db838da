# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end harness: the real binary on a private Xvfb display managed by
openbox, with a temporary home, driven by xdotool and read back by screen
pixels and the settings file. The window manager frames the window and moves
its client area: every position the harness hands out or takes is a screen
pixel. Python standard library only. A test script is a plain program:

    import vectrin_e2e as e2e

    def test_something(binary):
        with e2e.Session(binary) as s:
            s.start()
            s.key("h")
            e2e.wait_until(lambda: ..., 5, "what we waited for")

    if __name__ == "__main__":
        e2e.main([test_something])
"""

import argparse
import ctypes
import math
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

TITLE = "ZIRC DF Display"
SCREEN_WIDTH = 1920
SCREEN_HEIGHT = 1080
DPI = 96
TWIPS_PER_PIXEL = 1440 / DPI  # 15


class E2EError(AssertionError):
    pass


def wait_until(condition, timeout, what="condition", interval=0.05):
    """Polls condition() until it returns something true; returns that value.
    Raises E2EError naming `what` when the deadline passes first."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise E2EError("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def check(condition, message):
    if not condition:
        raise E2EError(message)


def twips_to_pixels(twips):
    """The pixel that a twips coordinate falls on (the program's own rounding)."""
    return math.floor(twips / TWIPS_PER_PIXEL + 0.5)


def polar_geometry(client_width_px, client_height_px):
    """Centre (x, y) and azimuth radius of the polar display in client pixels:
    radius 0.4 x client height, centre in the middle of the width and 250
    twips below the middle of the height."""
    return (client_width_px / 2, client_height_px / 2 + 250 / TWIPS_PER_PIXEL,
            client_height_px * 0.4)


def polar_point(client_width_px, client_height_px, screen_angle_deg, fraction):
    """The client pixel at `fraction` of the azimuth radius from the centre, at
    `screen_angle_deg` clockwise from straight up (a true bearing minus the
    heading on the heading-up display)."""
    cx, cy, r = polar_geometry(client_width_px, client_height_px)
    a = math.radians(screen_angle_deg)
    return (int(round(cx + fraction * r * math.sin(a))), int(round(cy - fraction * r * math.cos(a))))


class Image:
    """An RGB screen grab; pixel(x, y) gives (r, g, b)."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError("pixel (%d, %d) outside %dx%d" % (x, y, self.width, self.height))
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def _pixels(self, box):
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        left, right = max(left, 0), min(right, self.width)
        for y in range(max(top, 0), min(bottom, self.height)):
            row = self.data[(y * self.width + left) * 3:(y * self.width + right) * 3]
            for i in range(0, len(row), 3):
                yield tuple(row[i:i + 3])

    def count(self, colour, box=None):
        """How many pixels of the box (left, top, right, bottom; exclusive) have the colour."""
        return list(self._pixels(box)).count(tuple(colour))

    def colours(self, box=None):
        """The set of colours in the box (left, top, right, bottom; exclusive)."""
        return set(self._pixels(box))


def parse_ppm(raw):
    """Reads a binary PPM (P6, 8 or 16 bits per sample, no comments) into 8-bit RGB."""
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", raw)
    check(header, "not a binary PPM: %r" % raw[:16])
    width, height, maxval = (int(v) for v in header.groups())
    size = width * height * 3 * (1 if maxval < 256 else 2)
    data = raw[header.end():header.end() + size]
    check(len(data) == size, "short PPM")
    return Image(width, height, data if maxval < 256 else data[0::2])  # 16 bits: the high bytes


def colour_of(bbggrr):
    """The (r, g, b) of a colour written 0x00BBGGRR, as the program stores it."""
    return (bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF)


class _XClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def send_delete_window(display, window_id):
    """Asks a window to close as its close box does: the WM_DELETE_WINDOW
    message of the window-manager protocol, sent straight to the window
    (xdotool's windowclose destroys the window)."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(display.encode())
    check(dpy, "cannot open display %s" % display)
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window_id
        event.xclient.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)  # at CurrentTime
        check(x11.XSendEvent(dpy, window_id, 0, 0, ctypes.byref(event)), "XSendEvent failed")
        x11.XFlush(dpy)
    finally:
        x11.XCloseDisplay(dpy)


class Pty:
    """A pseudo-terminal pair: the test writes DF and GPS text into the master,
    the program opens the slave (link it as COMn with Session.link_com)."""

    def __init__(self):
        self.master, slave = os.openpty()
        self.slave_path = os.ttyname(slave)
        os.close(slave)

    def write(self, text):
        os.write(self.master, text.encode("latin-1") if isinstance(text, str) else text)

    def close(self):
        if self.master is not None:
            os.close(self.master)
            self.master = None


class Session:
    """A private X server with a window manager and a home folder for one run
    (or several runs) of the program; window_manager=False leaves the server
    bare. Use as a context manager: everything is cleaned up on exit."""

    def __init__(self, binary, width=SCREEN_WIDTH, height=SCREEN_HEIGHT, window_manager=True):
        self.binary = os.path.abspath(binary)
        self.width, self.height, self.managed = width, height, window_manager
        self.xvfb = self.wm = self.process = self.window = self.display = self.log = None
        self.ptys = []
        self.home = tempfile.mkdtemp(prefix="vectrin-e2e-")
        self.config_home = os.path.join(self.home, ".config")
        self.settings_folder = os.path.join(self.config_home, "Vectrin")
        self.settings_path = os.path.join(self.settings_folder, "Vectrin.ini")
        os.makedirs(self.settings_folder)
        runtime = os.path.join(self.home, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=self.config_home,
                        XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb")
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                     "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING"):
            self.env.pop(name, None)

    def __enter__(self):
        self.start_x()
        return self

    def __exit__(self, *exc):
        self.cleanup()
        return False

    def start_x(self):
        """Starts Xvfb on a display number it picks itself (-displayfd), so
        several sessions on one machine never race for the same number."""
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % (self.width, self.height), "-dpi", str(DPI), "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        # Xvfb writes the number and a newline (in pieces) once it listens; its end
        # of the pipe closes if it fails. Ours stays open until the line is read.
        with os.fdopen(read_end, "rb") as pipe:
            answer = pipe.readline() if select.select([pipe], [], [], 20)[0] else b""
        if not answer.strip().isdigit():
            self._stop(self.xvfb)
            raise E2EError("Xvfb did not start")
        self.display = self.env["DISPLAY"] = ":" + answer.decode().strip()
        wait_until(lambda: subprocess.run(["xdpyinfo", "-display", self.display],
                                          capture_output=True).returncode == 0,
                   10, "Xvfb on %s" % self.display)
        if self.managed:
            self.start_window_manager()

    def start_window_manager(self):
        """Starts openbox and waits until it manages the screen: a running
        manager names its check window on the root window."""
        with open(os.path.join(self.home, "openbox.log"), "w") as log:
            self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=log,
                                       stderr=subprocess.STDOUT, cwd=self.home)
        wait_until(lambda: self.wm.poll() is None and "window id" in self.x(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 10, "openbox to manage the screen")
        check(self.wm.poll() is None, "openbox ended")

    def x(self, *args, timeout=20):
        """Runs an X tool (xdotool, xwininfo, ...) on this display; returns its stdout."""
        result = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        if result.returncode != 0:
            raise E2EError("%s failed (%d): %s" % (" ".join(args), result.returncode,
                                                   result.stderr.strip()))
        return result.stdout

    def link_com(self, n, target):
        """Makes serial port n the device `target` (the COMn link in the settings folder)."""
        link = os.path.join(self.settings_folder, "COM%d" % n)
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(target, link)

    def open_pty(self, com=None):
        """A new pseudo-terminal pair; with com=n it becomes serial port n."""
        pty = Pty()
        self.ptys.append(pty)
        if com is not None:
            self.link_com(com, pty.slave_path)
        return pty

    def write_settings(self, items):
        """Writes the settings file: numbers as they are, texts quoted, CRLF."""
        with open(self.settings_path, "w", newline="") as f:
            f.write("".join(('"%s"' % i if isinstance(i, str) else str(int(i))) + "\r\n"
                            for i in items))

    def read_settings(self):
        """The items of the settings file, quotes removed (texts stay text)."""
        with open(self.settings_path, newline="") as f:
            lines = f.read().split("\r\n")[:-1]
        return [s[1:-1] if s.startswith('"') and s.endswith('"') else s for s in lines]

    def start(self, args=(), timeout=20):
        """Starts the program and waits for its window; returns the window id."""
        check(self.process is None or self.process.poll() is not None, "program already running")
        self.log = open(os.path.join(self.home, "program.log"), "w")
        self.process = subprocess.Popen([self.binary, *args], env=self.env, stdout=self.log,
                                        stderr=subprocess.STDOUT, cwd=self.home)
        out = self.x("xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % TITLE,
                     timeout=timeout)
        check(out.split(), "no window titled %r" % TITLE)
        self.window = int(out.split()[0])
        wait_until(lambda: self.window_geometry()[2] > 0, timeout, "the window to be mapped")
        self.focus()
        return self.window

    def window_geometry(self):
        """(x, y, width, height) of the window's client area on the screen."""
        values = dict(line.strip().partition(":")[::2]
                      for line in self.x("xwininfo", "-id", str(self.window)).splitlines())
        if values.get("Map State", "").strip() != "IsViewable":
            return (0, 0, 0, 0)
        return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                               "Width", "Height"))

    def frame_extents(self):
        """(left, right, top, bottom) of the frame the window manager puts
        around the window (title bar and borders); zeros on a bare server."""
        out = self.x("xprop", "-id", str(self.window), "_NET_FRAME_EXTENTS")
        values = re.findall(r"\d+", out.partition("=")[2])
        return tuple(int(v) for v in values) if len(values) == 4 else (0, 0, 0, 0)

    def focus(self):
        self.x("xdotool", "windowactivate" if self.managed else "windowfocus", "--sync",
               str(self.window))

    def running(self):
        return self.process is not None and self.process.poll() is None

    def key(self, *keys):
        """Presses and releases keys by X keysym names ("h", "shift+2", "KP_6")."""
        self.x("xdotool", "key", "--delay", "30", *keys)

    def key_down(self, key):
        self.x("xdotool", "keydown", key)

    def key_up(self, key):
        self.x("xdotool", "keyup", key)

    def move_to(self, x_px, y_px):
        """Moves the pointer to a screen pixel."""
        self.x("xdotool", "mousemove", str(x_px), str(y_px))
        wait_until(lambda: self.x("xdotool", "getmouselocation", "--shell").startswith(
            "X=%d\nY=%d\n" % (x_px, y_px)), 5, "the pointer at %d,%d" % (x_px, y_px))

    def click(self, x_px, y_px, button=1):
        """Clicks at a screen pixel."""
        self.move_to(x_px, y_px)
        self.x("xdotool", "click", str(button))

    def mouse_down(self, x_px, y_px, button=1):
        self.move_to(x_px, y_px)
        self.x("xdotool", "mousedown", str(button))

    def mouse_up(self, button=1):
        self.x("xdotool", "mouseup", str(button))

    def grab(self):
        """The whole screen as an Image."""
        return parse_ppm(subprocess.run(
            ["import", "-display", self.display, "-window", "root", "-depth", "8", "ppm:-"],
            env=self.env, capture_output=True, timeout=30, check=True).stdout)

    def polar(self):
        """Centre (x, y) and azimuth radius of the polar display in screen pixels."""
        left, top, width, height = self.window_geometry()
        cx, cy, r = polar_geometry(width, height)
        return (left + cx, top + cy, r)

    def polar_point(self, screen_angle_deg, fraction):
        """The screen pixel of polar_point() for this window."""
        left, top, width, height = self.window_geometry()
        x, y = polar_point(width, height, screen_angle_deg, fraction)
        return (left + x, top + y)

    def close_window(self):
        """Closes the window as its close box does."""
        send_delete_window(self.display, self.window)

    def wait_exit(self, timeout=20):
        """Waits for the program to end; returns its exit code."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EError("the program did not end within %.0f s" % timeout)

    def stop_program(self):
        if self.process is not None:
            self._stop(self.process)
            self.process = None
        if self.log:
            self.log.close()
            self.log = None

    def cleanup(self):
        self.stop_program()
        for pty in self.ptys:
            pty.close()
        if self.wm is not None:
            self._stop(self.wm)
            self.wm = None
        if self.xvfb is not None:
            self._stop(self.xvfb)
            self.xvfb = None
        shutil.rmtree(self.home, ignore_errors=True)

    @staticmethod
    def _stop(process):
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(5)


def main(tests):
    """Runs each test(binary) and prints "N passed, N failed"; exits non-zero on failure."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True, help="path of the vectrin program")
    parser.add_argument("-k", default="", help="run only tests whose name contains this")
    args = parser.parse_args()
    check(os.access(args.binary, os.X_OK), "no program at %s" % args.binary)
    passed = failed = 0
    for test in (t for t in tests if args.k in t.__name__):
        started = time.monotonic()
        try:
            test(args.binary)
            passed += 1
            print("PASS %s (%.1f s)" % (test.__name__, time.monotonic() - started))
        except Exception:
            failed += 1
            print("FAIL %s (%.1f s)" % (test.__name__, time.monotonic() - started))
            traceback.print_exc()
        sys.stdout.flush()
    print("%d passed, %d failed" % (passed, failed))
    sys.exit(1 if failed or not passed else 0)
