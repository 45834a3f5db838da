"""End-to-end harness: the real binary on a private Xvfb display with a
temporary home, driven by xdotool and read back by screen pixels and the
settings file. Python standard library only.

A test script is a plain program:

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
    """Raises E2EError with the message unless the condition holds."""
    if not condition:
        raise E2EError(message)


def twips_to_pixels(twips):
    """The pixel that a twips coordinate falls on (the program's own rounding)."""
    return math.floor(twips / TWIPS_PER_PIXEL + 0.5)


def polar_geometry(client_width_px, client_height_px):
    """Centre (x, y) and azimuth radius of the polar display in client pixels,
    from the window's geometry rule: radius 0.4 x client height, centre in the
    middle of the width and 250 twips below the middle of the height."""
    width_twips = client_width_px * TWIPS_PER_PIXEL
    height_twips = client_height_px * TWIPS_PER_PIXEL
    centre_x = width_twips / 2
    centre_y = height_twips / 2 + 250
    radius = height_twips * 0.4
    return (centre_x / TWIPS_PER_PIXEL, centre_y / TWIPS_PER_PIXEL, radius / TWIPS_PER_PIXEL)


def polar_point(client_width_px, client_height_px, screen_angle_deg, fraction):
    """The client pixel at `fraction` of the azimuth radius from the centre, at
    `screen_angle_deg` clockwise from straight up (a true bearing minus the
    heading on the heading-up display)."""
    cx, cy, r = polar_geometry(client_width_px, client_height_px)
    a = math.radians(screen_angle_deg)
    return (int(round(cx + fraction * r * math.sin(a))), int(round(cy - fraction * r * math.cos(a))))


# --- screen pixels ---------------------------------------------------------


class Image:
    """An RGB screen grab; pixel(x, y) gives (r, g, b)."""

    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = data

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError("pixel (%d, %d) outside %dx%d" % (x, y, self.width, self.height))
        i = (y * self.width + x) * 3
        return (self.data[i], self.data[i + 1], self.data[i + 2])

    def count(self, colour, box=None):
        """How many pixels of the box (left, top, right, bottom; exclusive) have the colour."""
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        target = bytes(colour)
        n = 0
        for y in range(max(top, 0), min(bottom, self.height)):
            row = self.data[(y * self.width) * 3:(y * self.width + self.width) * 3]
            for x in range(max(left, 0), min(right, self.width)):
                if row[x * 3:x * 3 + 3] == target:
                    n += 1
        return n

    def colours(self, box=None):
        """The set of colours in the box (left, top, right, bottom; exclusive)."""
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        found = set()
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                found.add(self.pixel(x, y))
        return found


def parse_ppm(raw):
    """Reads a binary PPM (P6, 8 or 16 bits per sample) into 8-bit RGB."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while raw[pos:pos + 1].isspace():
            pos += 1
        if raw[pos:pos + 1] == b"#":
            pos = raw.index(b"\n", pos) + 1
            continue
        start = pos
        while not raw[pos:pos + 1].isspace():
            pos += 1
        fields.append(raw[start:pos])
    check(fields[0] == b"P6", "not a binary PPM: %r" % fields[0])
    width, height, maxval = int(fields[1]), int(fields[2]), int(fields[3])
    check(maxval in (255, 65535), "PPM maxval %d" % maxval)
    size = width * height * 3 * (1 if maxval == 255 else 2)
    data = raw[pos + 1:pos + 1 + size]
    check(len(data) == size, "short PPM")
    if maxval == 65535:
        data = data[0::2]  # the high byte of each big-endian sample
    return Image(width, height, data)


def colour_of(bbggrr):
    """The (r, g, b) of a colour written 0x00BBGGRR, as the program stores it."""
    return (bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF)


# --- closing a window cleanly without a window manager -----------------------


class _XClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def send_delete_window(display, window_id):
    """Asks a window to close as its close box does: the WM_DELETE_WINDOW
    message of the window-manager protocol, sent straight to the window (bare
    Xvfb has no window manager; xdotool's windowclose destroys the window)."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(display.encode())
    check(dpy, "cannot open display %s" % display)
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window_id
        event.xclient.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        check(x11.XSendEvent(dpy, window_id, 0, 0, ctypes.byref(event)), "XSendEvent failed")
        x11.XFlush(dpy)
    finally:
        x11.XCloseDisplay(dpy)


# --- pseudo-terminals ------------------------------------------------------


class Pty:
    """A pseudo-terminal pair: the test writes DF and GPS text into the master,
    the program opens the slave (link it as COMn with Session.link_com)."""

    def __init__(self):
        self.master, slave = os.openpty()
        self.slave_path = os.ttyname(slave)
        os.close(slave)

    def write(self, text):
        data = text.encode("latin-1") if isinstance(text, str) else text
        os.write(self.master, data)

    def close(self):
        if self.master is not None:
            os.close(self.master)
            self.master = None


# --- a session: Xvfb, home, the program --------------------------------------


class Session:
    """A private X server and home folder for one run (or several runs) of the
    program. Use as a context manager: everything is cleaned up on exit."""

    def __init__(self, binary, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.binary = os.path.abspath(binary)
        self.width = width
        self.height = height
        self.xvfb = None
        self.process = None
        self.window = None
        self.home = tempfile.mkdtemp(prefix="vectrin-e2e-")
        self.config_home = os.path.join(self.home, ".config")
        self.settings_folder = os.path.join(self.config_home, "Vectrin")
        self.settings_path = os.path.join(self.settings_folder, "Vectrin.ini")
        os.makedirs(self.settings_folder)
        runtime = os.path.join(self.home, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.ptys = []
        self.display = None
        self.env = dict(os.environ)
        self.env.update({"HOME": self.home, "XDG_CONFIG_HOME": self.config_home,
                         "XDG_RUNTIME_DIR": runtime, "QT_QPA_PLATFORM": "xcb"})
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                     "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING"):
            self.env.pop(name, None)

    def __enter__(self):
        self.start_x()
        return self

    def __exit__(self, *exc):
        self.cleanup()
        return False

    # X server

    def start_x(self):
        """Starts Xvfb on a display number it picks itself (-displayfd), so
        several sessions on one machine never race for the same number."""
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % (self.width, self.height), "-dpi", str(DPI), "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        answer = b""
        try:
            with os.fdopen(read_end, "rb") as pipe:
                deadline = time.monotonic() + 20
                while not answer.endswith(b"\n") and time.monotonic() < deadline:
                    ready, _, _ = select.select([pipe], [], [], 0.5)
                    if ready:
                        chunk = os.read(pipe.fileno(), 16)
                        if not chunk:
                            break
                        answer += chunk
        finally:
            if not answer.strip().isdigit():
                self._stop(self.xvfb)
        if not answer.strip().isdigit():
            raise E2EError("Xvfb did not start")
        self.display = ":" + answer.decode().strip()
        self.env["DISPLAY"] = self.display
        wait_until(lambda: self._x_answers(self.display), 10, "Xvfb on %s" % self.display)

    def _x_answers(self, display):
        return subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def x(self, *args, timeout=20):
        """Runs an X tool (xdotool, xwininfo, ...) on this display; returns its stdout."""
        result = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        if result.returncode != 0:
            raise E2EError("%s failed (%d): %s" % (" ".join(args), result.returncode,
                                                   result.stderr.strip()))
        return result.stdout

    # settings folder

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
        lines = []
        for item in items:
            lines.append('"%s"' % item if isinstance(item, str) else str(int(item)))
        with open(self.settings_path, "w", newline="") as f:
            f.write("".join(line + "\r\n" for line in lines))

    def read_settings(self):
        """The items of the settings file, quotes removed (texts stay text)."""
        with open(self.settings_path, newline="") as f:
            content = f.read()
        items = []
        for line in content.split("\r\n")[:-1]:
            items.append(line[1:-1] if line.startswith('"') and line.endswith('"') else line)
        return items

    # the program

    def start(self, args=(), timeout=20):
        """Starts the program and waits for its window; returns the window id."""
        check(self.process is None or self.process.poll() is not None, "program already running")
        self.log = open(os.path.join(self.home, "program.log"), "w")
        self.process = subprocess.Popen([self.binary, *args], env=self.env, stdout=self.log,
                                        stderr=subprocess.STDOUT, cwd=self.home)
        self.window = self.find_window(timeout)
        wait_until(lambda: self.window_geometry()[2] > 0, timeout, "the window to be mapped")
        self.focus()
        return self.window

    def find_window(self, timeout=20):
        out = self.x("xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % TITLE,
                     timeout=timeout)
        ids = [int(line) for line in out.split()]
        check(ids, "no window titled %r" % TITLE)
        return ids[0]

    def window_geometry(self):
        """(x, y, width, height) of the window's client area on the screen."""
        out = self.x("xwininfo", "-id", str(self.window))
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        if values.get("Map State") != "IsViewable":
            return (0, 0, 0, 0)
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def focus(self):
        self.x("xdotool", "windowfocus", "--sync", str(self.window))

    def running(self):
        return self.process is not None and self.process.poll() is None

    def program_log(self):
        with open(os.path.join(self.home, "program.log")) as f:
            return f.read()

    # input

    def key(self, *keys):
        """Presses and releases keys by X keysym names ("h", "shift+2", "KP_6")."""
        self.x("xdotool", "key", "--delay", "30", *keys)

    def key_down(self, key):
        self.x("xdotool", "keydown", key)

    def key_up(self, key):
        self.x("xdotool", "keyup", key)

    def move_to(self, x_px, y_px):
        """Moves the pointer to a client pixel of the window."""
        self.x("xdotool", "mousemove", "--window", str(self.window), "--sync", str(x_px), str(y_px))

    def click(self, x_px, y_px, button=1):
        """Clicks at a client pixel of the window."""
        self.move_to(x_px, y_px)
        self.x("xdotool", "click", str(button))

    def mouse_down(self, x_px, y_px, button=1):
        self.move_to(x_px, y_px)
        self.x("xdotool", "mousedown", str(button))

    def mouse_up(self, button=1):
        self.x("xdotool", "mouseup", str(button))

    def click_twips(self, x_twips, y_twips, button=1):
        self.click(twips_to_pixels(x_twips), twips_to_pixels(y_twips), button)

    def click_control(self, left, top, width, height, container=(0, 0)):
        """Clicks the middle of a control placed in twips (relative to its
        container's left and top, also twips)."""
        self.click_twips(container[0] + left + width / 2, container[1] + top + height / 2)

    # pixels

    def grab(self):
        """The whole screen as an Image."""
        raw = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8",
                              "ppm:-"],
                             env=self.env, capture_output=True, timeout=30, check=True).stdout
        return parse_ppm(raw)

    def client_pixel(self, image, x_px, y_px):
        """The colour of a client pixel of the window in a grab."""
        left, top, _, _ = self.window_geometry()
        return image.pixel(left + x_px, top + y_px)

    def polar(self):
        """Centre (x, y) and azimuth radius of the polar display in screen pixels."""
        left, top, width, height = self.window_geometry()
        cx, cy, r = polar_geometry(width, height)
        return (left + cx, top + cy, r)

    def polar_point(self, screen_angle_deg, fraction):
        """The screen pixel at `fraction` of the azimuth radius from the centre,
        `screen_angle_deg` clockwise from straight up (see polar_point())."""
        left, top, width, height = self.window_geometry()
        x, y = polar_point(width, height, screen_angle_deg, fraction)
        return (left + x, top + y)

    # closing

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
        if getattr(self, "log", None):
            self.log.close()
            self.log = None

    def cleanup(self):
        self.stop_program()
        for pty in self.ptys:
            pty.close()
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


# --- running a script's tests ------------------------------------------------


def main(tests):
    """Runs each test(binary) and prints "N passed, N failed"; exits non-zero on failure."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True, help="path of the vectrin program")
    parser.add_argument("-k", default="", help="run only tests whose name contains this")
    args = parser.parse_args()
    check(os.access(args.binary, os.X_OK), "no program at %s" % args.binary)
    passed = failed = 0
    for test in tests:
        if args.k not in test.__name__:
            continue
        started = time.monotonic()
        try:
            test(args.binary)
        except Exception:
            failed += 1
            print("FAIL %s (%.1f s)" % (test.__name__, time.monotonic() - started))
            traceback.print_exc()
        else:
            passed += 1
            print("PASS %s (%.1f s)" % (test.__name__, time.monotonic() - started))
        sys.stdout.flush()
    print("%d passed, %d failed" % (passed, failed))
    sys.exit(1 if failed or not passed else 0)
