#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the whole program in test mode on a 1920 x 1080 Xvfb screen.

Starts a private Xvfb (-dpi 96) and the built program with a temporary home,
so that it starts in test mode as on a fresh installation, and reports:
  - first frame: from the start of the process until the screen shows the
    azimuth disk's colour inside the disk (polled pixel by pixel);
  - CPU of the program and of the X server over the measuring window, in % of
    one core, from /proc/<pid>/stat utime + stime;
  - the program's resident memory (VmRSS), largest sample and at the end.
Targets: program <= 2.5 % CPU, X server <= 2 %, RSS <= 50 MiB, first frame <= 150 ms.

Usage: measure_program.py [--binary build/vectrin] [--seconds 60]
"""
import argparse
import ctypes
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

import vectrin_e2e as e2e  # noqa: E402

AZIMUTH_BACKGROUND = 0x009100  # the disk's colour in the default settings file
TARGETS = {"cpu": 2.5, "x_cpu": 2.0, "rss_mib": 50.0, "first_frame_ms": 150.0}
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


class ScreenPixel:
    """Reads single pixels of the root window straight from the X server:
    fast enough to poll for the first frame."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetPixel.restype = ctypes.c_ulong
        self.x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.x11.XDestroyImage.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.dpy = self.x11.XOpenDisplay(display.encode())
        e2e.check(self.dpy, "cannot open display %s" % display)
        self.root = self.x11.XDefaultRootWindow(self.dpy)

    def rgb(self, x, y):
        image = self.x11.XGetImage(self.dpy, self.root, x, y, 1, 1, 0xFFFFFFFF, 2)  # ZPixmap
        value = self.x11.XGetPixel(image, 0, 0)
        self.x11.XDestroyImage(image)
        return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)

    def close(self):
        self.x11.XCloseDisplay(self.dpy)


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS  # utime, stime


def rss_mib(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def measure(binary, seconds):
    """The figures of one run; None when our X server is gone before the start."""
    with e2e.Session(binary) as s:
        # A first start fills the screen: the disk lies about its middle.
        cx, cy, r = e2e.SCREEN_WIDTH / 2, e2e.SCREEN_HEIGHT / 2, e2e.SCREEN_HEIGHT * 0.4
        probe = (int(cx - r / 2), int(cy + r / 5))  # inside the disk, clear of hub and cross
        disk = e2e.colour_of(AZIMUTH_BACKGROUND)
        try:
            screen = ScreenPixel(s.display)
        except AssertionError:
            return None
        s.log = open(os.path.join(s.home, "program.log"), "w")
        started = time.monotonic()
        s.process = subprocess.Popen([s.binary], env=s.env, stdout=s.log,
                                     stderr=subprocess.STDOUT, cwd=s.home)
        e2e.wait_until(lambda: screen.rgb(*probe) == disk, 10, "the first frame", interval=0.001)
        first_frame_ms = (time.monotonic() - started) * 1000
        screen.close()

        pid, xpid = s.process.pid, s.xvfb.pid
        cpu0, xcpu0, t0 = cpu_seconds(pid), cpu_seconds(xpid), time.monotonic()
        peak_rss = 0.0
        while time.monotonic() < t0 + seconds:
            e2e.check(s.running(), "the program ended during the measurement")
            peak_rss = max(peak_rss, rss_mib(pid))
            time.sleep(1)
        elapsed = time.monotonic() - t0
        return {
            "cpu": (cpu_seconds(pid) - cpu0) / elapsed * 100,
            "x_cpu": (cpu_seconds(xpid) - xcpu0) / elapsed * 100,
            "rss_mib": max(peak_rss, rss_mib(pid)),
            "first_frame_ms": first_frame_ms,
            "seconds": elapsed,
        }


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "vectrin"))
    parser.add_argument("--seconds", type=float, default=60)
    args = parser.parse_args()

    figures = None
    for _ in range(3):  # another X server may take the display number meanwhile
        figures = measure(args.binary, args.seconds)
        if figures:
            break
    e2e.check(figures, "no X server of our own could be started")
    elapsed = figures.pop("seconds")

    print("first frame      %7.1f ms   (target <= %.0f)" % (figures["first_frame_ms"],
                                                           TARGETS["first_frame_ms"]))
    print("program CPU      %7.2f %%    (target <= %.1f), over %.0f s" % (figures["cpu"],
                                                                       TARGETS["cpu"], elapsed))
    print("X server CPU     %7.2f %%    (target <= %.1f)" % (figures["x_cpu"], TARGETS["x_cpu"]))
    print("program RSS      %7.1f MiB  (target <= %.0f, largest sample)" % (figures["rss_mib"],
                                                                         TARGETS["rss_mib"]))
    missed = [name for name, limit in TARGETS.items() if figures[name] > limit]
    print("targets met" if not missed else "TARGETS MISSED: " + ", ".join(missed))
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
