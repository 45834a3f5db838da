"""What the operator-command tests read back from the running program: where
the main window's controls stand, the cursor and spokes of the polar display,
whether the program holds a serial device open, how much CPU it uses, and a
second, unprivileged user for the port failures that root would not see."""

import ctypes
import fcntl
import math
import os
import pwd
import shutil
import stat
import subprocess
import termios
import time

import vectrin_e2e as e2e

# The eight default colours of a first start in slot order, as the program
# stores them (0x00BBGGRR), and those the tests look for on screen.
DEFAULT_COLOURS = [0x557B78, 0x6F9B98, 0x9BCEDF, 0x009100, 0xC7C7C7, 0x4080FF, 0xFFFFFF, 0x6FFFFF]
DISPLAY_BACKGROUND = e2e.colour_of(DEFAULT_COLOURS[0])
AZIMUTH_BACKGROUND = e2e.colour_of(DEFAULT_COLOURS[3])
VECTORS = e2e.colour_of(DEFAULT_COLOURS[6])
CURSOR = e2e.colour_of(DEFAULT_COLOURS[7])

ACQUIRE_ON = "A:ACQUIRE    ( ON )"
ACQUIRE_OFF = "A:ACQUIRE  ( OFF )"
TEST_ON = "T:TEST             ( ON )"
TEST_OFF = "T:TEST             ( OFF )"


def settings_items(acquire=ACQUIRE_ON, test=TEST_ON, heading="MANUAL", variation=0):
    """The 46 items of a settings file: default colours, COM 1 at 4800 baud."""
    return DEFAULT_COLOURS * 5 + [1, 4800, acquire, test, heading, variation - 1]


# --- where things are on screen ----------------------------------------------


def control_box(s, left, top, width, height, frame=(0, 0)):
    """Screen pixel box (left, top, right, bottom) of a control placed in twips
    inside a frame whose left/top are given in twips."""
    wl, wt, _, _ = s.window_geometry()
    x0 = wl + e2e.twips_to_pixels(frame[0] + left)
    y0 = wt + e2e.twips_to_pixels(frame[1] + top)
    return (x0, y0, x0 + e2e.twips_to_pixels(width), y0 + e2e.twips_to_pixels(height))


def window_twips(s):
    """Width and height of the window in twips (no window manager: no border)."""
    _, _, w, h = s.window_geometry()
    return (w * e2e.TWIPS_PER_PIXEL, h * e2e.TWIPS_PER_PIXEL)


def bottom_right_frame(s):
    w, h = window_twips(s)
    return (w - 2760, h - 1665)


def top_right_frame(s):
    w, _ = window_twips(s)
    return (w - 2280, 120)


def stepping_button(s, name):
    """Screen box of a stepping button: CUR_CW, CUR_CCW, HDG_CW, HDG_CCW."""
    places = {"HDG_CW": (0, 360), "HDG_CCW": (1200, 360), "CUR_CW": (0, 720),
              "CUR_CCW": (1200, 720)}
    left, top = places[name]
    return control_box(s, left, top, 1215, 375, bottom_right_frame(s))


def inner(box, margin=3):
    """The box without its edges, which neighbouring buttons may touch."""
    return (box[0] + margin, box[1] + margin, box[2] - margin, box[3] - margin)


def memory_button(s, n):
    w, _ = window_twips(s)
    return inner(control_box(s, w - 1200, 1800 + 360 * (n - 1), 855, 375))


def save_button(s):
    w, _ = window_twips(s)
    return inner(control_box(s, w - 2040, 1800, 855, 375))


def comm_label(s):
    return control_box(s, 240, 1200, 1695, 255, top_right_frame(s))


def copyright_label(s):
    return control_box(s, 720, 0, 1335, 255, top_right_frame(s))


def middle(box):
    return ((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)


def shows_only(image, box, colour):
    """The box holds nothing but the colour (a hidden control over the background)."""
    return image.colours(box) == {colour}


def shows_something(image, box, background=DISPLAY_BACKGROUND):
    """More than a few pixels of the box differ from the background."""
    total = (box[2] - box[0]) * (box[3] - box[1])
    return total - image.count(background, box) > total // 20


def box_pixels(image, box):
    return [image.pixel(x, y) for y in range(box[1], box[3]) for x in range(box[0], box[2])]


# --- the polar display -------------------------------------------------------


def ray_point(polar, screen_angle, fraction):
    """The screen point at `fraction` of the azimuth radius along a screen
    angle (degrees clockwise from up); polar is Session.polar()."""
    cx, cy, r = polar
    a = math.radians(screen_angle)
    return (cx + fraction * r * math.sin(a), cy - fraction * r * math.cos(a))


def near(image, x, y, colour, reach=1):
    xi, yi = int(round(x)), int(round(y))
    for dy in range(-reach, reach + 1):
        for dx in range(-reach, reach + 1):
            if image.pixel(xi + dx, yi + dy) == colour:
                return True
    return False


def spoke_length(s, image, screen_angle):
    """How far along the angle a bearing vector reaches, as a fraction of the
    azimuth radius (0 when there is none). Near the centre all spokes meet, so
    only a reach beyond a fifth of the radius tells one angle from the next."""
    polar = s.polar()
    reach = 0.0
    for i in range(20, 100):
        if near(image, *ray_point(polar, screen_angle, i / 100), VECTORS):
            reach = i / 100
    return reach


def send_df(pty, message, count, gap=0.1):
    """DF messages one by one, each after the 50 ms lock-out of the one before."""
    for _ in range(count):
        pty.write(message)
        started = time.monotonic()
        e2e.wait_until(lambda: time.monotonic() - started >= gap, gap + 1, "the message gap")


CURSOR_FRACTIONS = [0.55 + 0.04 * i for i in range(10)]


def cursor_angle(s, image):
    """The screen angle (whole degrees clockwise from up) along which the dotted
    cursor line runs, or None when no ray carries it."""
    polar = s.polar()
    best, best_hits = None, 0
    for angle in range(360):
        hits = sum(near(image, *ray_point(polar, angle, f), CURSOR) for f in CURSOR_FRACTIONS)
        if hits > best_hits:
            best, best_hits = angle, hits
    return best if best_hits >= len(CURSOR_FRACTIONS) // 2 else None


def wait_cursor(s, angle, timeout=5):
    e2e.wait_until(lambda: cursor_angle(s, s.grab()) == angle, timeout,
                   "the cursor at screen angle %d" % angle)


def settle_cursor(s, timeout=5):
    """The cursor's angle once two grabs in a row agree."""
    last = [None]

    def steady():
        now = cursor_angle(s, s.grab())
        same = now is not None and now == last[0]
        last[0] = now
        return same and (now,)

    return e2e.wait_until(steady, timeout, "the cursor to stand still")[0]


# --- the keyboard ------------------------------------------------------------


def num_lock_on(s):
    """Whether the Num Lock indicator of the X server is lit."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XkbGetNamedIndicator.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                         ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_int), ctypes.c_void_p,
                                         ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(s.display.encode())
    e2e.check(dpy, "cannot open display %s" % s.display)
    try:
        index, state = ctypes.c_int(), ctypes.c_int()
        atom = x11.XInternAtom(dpy, b"Num Lock", 0)
        e2e.check(x11.XkbGetNamedIndicator(dpy, atom, ctypes.byref(index), ctypes.byref(state),
                                           None, None), "no Num Lock indicator")
        return bool(state.value)
    finally:
        x11.XCloseDisplay(dpy)


def switch_num_lock_off(s):
    """xdotool lights Num Lock to type a keypad digit and leaves it lit."""
    if num_lock_on(s):
        s.key("Num_Lock")
    e2e.check(not num_lock_on(s), "Num Lock stays on")


# --- the program as a process ------------------------------------------------


def program_pids(s):
    """The program's process and its descendants (it may run under runuser)."""
    root = s.process.pid
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(entry))
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        found.append(pid)
        todo.extend(children.get(pid, []))
    return found


def holds_open(s, path):
    """Whether the program has the device open."""
    for pid in program_pids(s):
        try:
            fds = os.listdir("/proc/%d/fd" % pid)
        except OSError:
            continue
        for fd in fds:
            try:
                if os.readlink("/proc/%d/fd/%s" % (pid, fd)) == path:
                    return True
            except OSError:
                pass
    return False


def wait_port(s, path, open_, timeout=5):
    e2e.wait_until(lambda: holds_open(s, path) == open_, timeout,
                   "the program to %s %s" % ("open" if open_ else "close", path))


def cpu_seconds(s):
    total = 0
    for pid in program_pids(s):
        try:
            with open("/proc/%d/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        total += int(fields[11]) + int(fields[12])
    return total / os.sysconf("SC_CLK_TCK")


def check_not_spinning(s, seconds=2.0, limit=0.6):
    """Over a stretch of wall time the program uses well under one core."""
    before, started = cpu_seconds(s), time.monotonic()
    e2e.wait_until(lambda: time.monotonic() - started >= seconds, seconds + 1, "the stretch")
    used = cpu_seconds(s) - before
    e2e.check(used < limit * seconds, "the program used %.2f s CPU in %.1f s" % (used, seconds))


def quit_and_read_settings(s):
    s.key("q")
    code = s.wait_exit(20)
    e2e.check(code == 0, "exit code %d" % code)
    return s.read_settings()


def start_shown(s):
    s.start()
    e2e.wait_until(lambda: s.grab().pixel(*[int(v) for v in ray_point(s.polar(), 100, 0.95)])
                   == AZIMUTH_BACKGROUND, 15, "the polar display on screen")


# --- a serial device held exclusively by another process ---------------------


class ExclusiveHolder:
    """Opens a device and sets the exclusive-use flag, as a program that owns
    the port does; non-root opens then fail with 'busy'."""

    def __init__(self, path):
        self.fd = os.open(path, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        fcntl.ioctl(self.fd, termios.TIOCEXCL)

    def release(self):
        """Gives the port up as such a program does on closing it."""
        if self.fd is not None:
            fcntl.ioctl(self.fd, termios.TIOCNXCL)
            os.close(self.fd)
            self.fd = None


# --- an unprivileged user ----------------------------------------------------

USER = "vectrin-e2e"


class Unprivileged:
    """Runs the program as a user without special rights. As root this needs a
    throw-away user (useradd, runuser); otherwise the program already runs
    unprivileged. `reason` says why it cannot be had, when it cannot."""

    def __init__(self):
        self.reason = None
        self.created = False
        self.root = os.geteuid() == 0
        if not self.root:
            return
        for tool in ("useradd", "userdel", "runuser"):
            if shutil.which(tool) is None:
                self.reason = "running as root and %s is not available" % tool
                return
        try:
            pwd.getpwnam(USER)
        except KeyError:
            result = subprocess.run(["useradd", "--system", "--no-create-home", "--shell",
                                     "/usr/sbin/nologin", USER], capture_output=True, text=True)
            if result.returncode != 0:
                self.reason = "useradd failed: %s" % result.stderr.strip()
                return
            self.created = True
        entry = pwd.getpwnam(USER)
        self.uid, self.gid = entry.pw_uid, entry.pw_gid

    def binary(self, session, binary):
        """A program path for Session.start that runs `binary` as the user."""
        if not self.root:
            return binary
        copy = os.path.join(session.home, "vectrin")
        shutil.copy(binary, copy)
        wrapper = os.path.join(session.home, "run-unprivileged")
        with open(wrapper, "w") as f:
            f.write('#!/bin/sh\nexec runuser -p -u %s -- "%s" "$@"\n' % (USER, copy))
        os.chmod(wrapper, 0o755)
        for folder, dirs, files in os.walk(session.home):
            for name in [folder] + [os.path.join(folder, n) for n in dirs + files]:
                os.lchown(name, self.uid, self.gid)
        session.binary = wrapper
        return wrapper

    def give(self, path):
        """Lets the user open the device."""
        if self.root:
            os.chown(path, self.uid, self.gid)
        os.chmod(path, stat.S_IRUSR | stat.S_IWUSR)

    def deny(self, path):
        """Keeps the user from opening the device."""
        if self.root:
            os.chown(path, 0, 0)
            os.chmod(path, stat.S_IRUSR | stat.S_IWUSR)
        else:
            os.chmod(path, 0)

    def close(self):
        if self.created:
            subprocess.run(["userdel", USER], capture_output=True)
            self.created = False
