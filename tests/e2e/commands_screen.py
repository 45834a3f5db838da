# SPDX-License-Identifier: GPL-3.0-or-later
"""What the operator-command tests read back from the running program: the
cursor and the spokes of the polar display, where a control stands on screen,
the Num Lock light, and whether the program holds a serial device open or
spins the CPU."""

import ctypes
import math
import os
import time

import vectrin_e2e as e2e

# Colours of a first start (stored 0x00BBGGRR).
AZIMUTH_BACKGROUND = e2e.colour_of(0x009100)
VECTORS = e2e.colour_of(0xFFFFFF)
CURSOR = e2e.colour_of(0x6FFFFF)


def start_shown(s, args=()):
    s.start(args)
    e2e.wait_until(lambda: s.grab().pixel(*s.polar_point(100, 0.95)) == AZIMUTH_BACKGROUND, 15,
                   "the polar display on screen")


def control_box(s, frame, left, top, width, height):
    """Screen box (left, top, right, bottom) of a control placed in twips in a
    frame; frame(width, height) places the frame in a client area of that size."""
    x, y, w, h = s.window_geometry()
    frame_left, frame_top = frame(w * e2e.TWIPS_PER_PIXEL, h * e2e.TWIPS_PER_PIXEL)
    x0, y0 = x + e2e.twips_to_pixels(frame_left + left), y + e2e.twips_to_pixels(frame_top + top)
    return (x0, y0, x0 + e2e.twips_to_pixels(width), y0 + e2e.twips_to_pixels(height))


def cur_cw_button(s):
    return control_box(s, lambda w, h: (w - 2760, h - 1665), 0, 720, 1215, 375)


def comm_label_pixels(s):
    box = control_box(s, lambda w, h: (w - 2280, 120), 240, 1200, 1695, 255)
    image = s.grab()
    return [image.pixel(x, y) for y in range(box[1], box[3]) for x in range(box[0], box[2])]


# --- the polar display -------------------------------------------------------


def ray_point(polar, screen_angle, fraction):
    """The pixel at `fraction` of the azimuth radius along a screen angle
    (degrees clockwise from up); polar is Session.polar()."""
    cx, cy, r = polar
    a = math.radians(screen_angle)
    return (round(cx + fraction * r * math.sin(a)), round(cy - fraction * r * math.cos(a)))


def near(image, point, colour):
    return any(image.pixel(point[0] + dx, point[1] + dy) == colour
               for dx in (-1, 0, 1) for dy in (-1, 0, 1))


def spoke_length(polar, image, screen_angle):
    """How far a bearing vector reaches along the angle, as a fraction of the
    radius (0 for none). All spokes meet near the centre, so only a reach beyond
    a fifth of the radius tells one angle from the next."""
    return max([i / 100 for i in range(20, 100)
                if near(image, ray_point(polar, screen_angle, i / 100), VECTORS)], default=0)


def cursor_angle(s):
    """The whole screen angle along which the dotted cursor runs, or None."""
    polar, image = s.polar(), s.grab()
    hits = {angle: sum(near(image, ray_point(polar, angle, 0.55 + 0.04 * i), CURSOR)
                       for i in range(10)) for angle in range(360)}
    best = max(hits, key=hits.get)
    return best if hits[best] >= 5 else None


def wait_cursor(s, angle):
    e2e.wait_until(lambda: cursor_angle(s) == angle, 5, "the cursor at screen angle %d" % angle)


def settle_cursor(s):
    """The cursor's angle once two grabs in a row agree."""
    seen = [None]

    def steady():
        seen.append(cursor_angle(s))
        return seen[-1] is not None and seen[-1] == seen[-2] and (seen[-1],)

    return e2e.wait_until(steady, 5, "the cursor to stand still")[0]


# --- the keyboard and the process ---------------------------------------------


def num_lock_on(s):
    """Whether the X server's Num Lock light (the second keyboard LED) is lit."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XkbGetIndicatorState.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(s.display.encode())
    state = ctypes.c_uint()
    x11.XkbGetIndicatorState(dpy, 0x100, ctypes.byref(state))  # the core keyboard
    x11.XCloseDisplay(dpy)
    return bool(state.value & 2)


def holds_open(s, path):
    """Whether the program's process has the device open."""
    fds = "/proc/%d/fd" % s.process.pid
    for fd in os.listdir(fds):
        try:
            if os.readlink(os.path.join(fds, fd)) == path:
                return True
        except OSError:
            pass
    return False


def wait_open(s, path):
    e2e.wait_until(lambda: holds_open(s, path), 5, "the program to open %s" % path)


def check_not_spinning(s, seconds=2.0):
    """Over a stretch of wall time the program uses well under one core."""
    def cpu():
        with open("/proc/%d/stat" % s.process.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    before, started = cpu(), time.monotonic()
    e2e.wait_until(lambda: time.monotonic() - started >= seconds, seconds + 1, "the stretch")
    used = cpu() - before
    e2e.check(used < 0.6 * seconds, "the program used %.2f s CPU in %.1f s" % (used, seconds))
