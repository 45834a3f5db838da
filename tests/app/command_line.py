#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line of the real binary: exit statuses, where the texts go, and
that nothing but a real start touches the settings. Needs no X server.

Usage: command_line.py BINARY
"""
import os
import re
import subprocess
import sys
import tempfile
import time

MANUAL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging",
                      "vectrin.1.in")
UNREACHABLE = ":9327"  # no X server listens there

# (arguments, DISPLAY, exit status, stream that must hold the text, text)
CASES = [
    (["--help"], None, 0, "stdout", "--settings-folder DIR"),
    (["-h"], None, 0, "stdout", "Usage: vectrin"),
    (["--version"], None, 0, "stdout", "vectrin 1."),
    (["--bogus"], UNREACHABLE, 2, "stderr", "unknown option --bogus"),
    (["--bogus"], UNREACHABLE, 2, "stderr", "Usage: vectrin"),
    (["stray"], UNREACHABLE, 2, "stderr", "unexpected argument stray"),
    (["--settings-folder"], UNREACHABLE, 2, "stderr", "--settings-folder needs DIR"),
    (["--version=2"], UNREACHABLE, 2, "stderr", "--version takes no value"),
    (["-platform"], UNREACHABLE, 2, "stderr", "-platform needs a value"),
    (["--speed", "10"], UNREACHABLE, 2, "stderr", "--speed goes with --replay"),
    (["--replay", "s", "--speed", "0"], UNREACHABLE, 2, "stderr", "number above 0"),
    (["--length", "5"], UNREACHABLE, 2, "stderr", "--length goes with --export-kml"),
    (["--export-kml", "/none/b.csv"], UNREACHABLE, 1, "stderr", "cannot read /none/b.csv"),
    ([], None, 1, "stderr", "DISPLAY is not set"),
    ([], UNREACHABLE, 1, "stderr", 'display "%s" named by DISPLAY' % UNREACHABLE),
    (["-display", UNREACHABLE], None, 1, "stderr", "named by -display"),
    (["--style", "Fusion"], UNREACHABLE, 1, "stderr", "DISPLAY"),
]


def environment(home, display):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME")}
    env["HOME"] = home
    if display:
        env["DISPLAY"] = display
    return env


def run_cases(binary):
    failures = []
    for args, display, status, stream, text in CASES:
        with tempfile.TemporaryDirectory() as home:
            done = subprocess.run([binary] + args, env=environment(home, display),
                                  capture_output=True, text=True, timeout=30)
            out = {"stdout": done.stdout, "stderr": done.stderr}
            what = "vectrin %s (DISPLAY=%s)" % (" ".join(args), display)
            if done.returncode != status:
                failures.append("%s: exit %d, expected %d" % (what, done.returncode, status))
            if text not in out[stream]:
                failures.append("%s: %r not on %s: %r" % (what, text, stream, out[stream]))
            if status == 1 and len(done.stderr.splitlines()) != 1:
                failures.append("%s: more than one line: %r" % (what, done.stderr))
            if os.listdir(home):
                failures.append("%s: wrote %s" % (what, os.listdir(home)))
    return failures


def run_offscreen(binary):
    """Qt's -platform passes through, and --settings-folder is where the
    settings file is written."""
    with tempfile.TemporaryDirectory() as home:
        folder = os.path.join(home, "second station")
        program = subprocess.Popen(
            [binary, "-platform", "offscreen", "--settings-folder", folder],
            env=environment(home, None), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + 60
            settings = os.path.join(folder, "Vectrin.ini")
            while not os.path.exists(settings) and program.poll() is None \
                    and time.monotonic() < deadline:
                time.sleep(0.05)
            if not os.path.exists(settings):
                return ["-platform offscreen --settings-folder: no %s (exit %s)"
                        % (settings, program.poll())]
            if os.path.exists(os.path.join(home, ".config", "Vectrin")):
                return ["--settings-folder: the usual folder was written as well"]
            return []
        finally:
            program.kill()
            program.wait()


def undocumented(binary):
    """Options that --help shows but the manual page does not describe."""
    shown = subprocess.run([binary, "--help"], capture_output=True, text=True).stdout
    with open(MANUAL) as f:
        manual = f.read()
    return ["%s is not in the manual page" % name
            for name in re.findall(r"^ +(?:-\w, )?(--[\w-]+)", shown, re.M)
            if name.replace("-", "\\-") not in manual]


def main():
    failures = run_cases(sys.argv[1]) + run_offscreen(sys.argv[1]) + undocumented(sys.argv[1])
    for failure in failures:
        print("FAIL:", failure)
    print("%d failure(s)" % len(failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
