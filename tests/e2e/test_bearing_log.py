# SPDX-License-Identifier: GPL-3.0-or-later
"""The bearing log end to end: a modern receiver's capture (combined $GN fixes
only) on COM 1 with a DF message behind each of its RMC sentences. The program
logs each bearing with the position and time of the fix before it to
bearings.csv in the data folder, and vectrin --export-kml draws the log as
lines of bearing that start at those positions."""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import commands_screen as cs  # noqa: E402
import vectrin_e2e as e2e  # noqa: E402

CAPTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "nmea",
                       "nl2008u.log")
DEFAULT_COLOURS = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]


def degrees(value, hemisphere):
    """NMEA ddmm.mmmm or dddmm.mmmm as signed degrees."""
    whole = len(value.split(".")[0]) - 2
    d = int(value[:whole]) + float(value[whole:]) / 60
    return -d if hemisphere in "SW" else d


def rows_of(path):
    if not os.path.exists(path):
        return []
    with open(path) as f:
        return f.read().splitlines()[1:]


def test_bearings_logged_with_their_fixes_export_as_lines_of_bearing(binary):
    with e2e.Session(binary) as s:
        s.env["XDG_DATA_HOME"] = os.path.join(s.home, "data")
        log = os.path.join(s.home, "data", "Vectrin", "bearings.csv")
        pty = s.open_pty(com=1)
        s.write_settings(DEFAULT_COLOURS * 5 + [1, 4800, "A:ACQUIRE    ( ON )",
                                                "T:TEST             ( OFF )", "GPS", -1])
        cs.start_shown(s)
        cs.wait_open(s, pty.slave_path)
        fixes = []
        with open(CAPTURE, encoding="latin-1") as capture:
            for line in (l for l in capture if not l.startswith("#")):
                pty.write(line)
                if not line.startswith("$GNRMC"):
                    continue
                f = line.split(",")
                fixes.append(("20%s-%s-%sT%s:%s:%sZ" % (f[9][4:], f[9][2:4], f[9][:2], f[1][:2],
                                                         f[1][2:4], f[1][4:]),
                              degrees(f[3], f[4]), degrees(f[5], f[6])))
                pty.write("%045")
                e2e.wait_until(lambda: len(rows_of(log)) == len(fixes), 10, "bearing %d logged"
                               % len(fixes))
        s.close_window()
        e2e.check(s.wait_exit() == 0, "the program failed")

        rows = [r.split(",") for r in rows_of(log)]
        e2e.check(len(fixes) == 9, "the capture holds %d fixes" % len(fixes))
        for row, (utc, lat, lon) in zip(rows, fixes):
            e2e.check(row[2] == "45" and row[5] == "GPS", "not a GPS bearing of 45: %r" % row)
            e2e.check(int(row[3]) % 360 == (int(row[4]) + 45) % 360, "true bearing: %r" % row)
            e2e.check(row[6] == utc and abs(float(row[7]) - lat) < 1e-6 and
                      abs(float(row[8]) - lon) < 1e-6, "not at fix %s: %r" % (utc, row))
        # The heading is the course of a moving fix before the bearing, or none yet.
        headings = set(int(r[4]) for r in rows)
        e2e.check(headings - {0} and headings <= {0, 175, 179, 186, 189, 187},
                  "not the headings of the drive: %r" % headings)

        kml = subprocess.run([binary, "--export-kml", log, "--length", "5"], env=s.env,
                             capture_output=True, text=True, timeout=30)
        e2e.check(kml.returncode == 0, "--export-kml failed: %s" % kml.stderr)
        e2e.check(kml.stderr == "vectrin: lines of bearing written: 9\n", kml.stderr)
        marks = re.findall(r"<when>(.*?)</when>.*?<coordinates>([-\d.]+),([-\d.]+) ",
                           kml.stdout, re.S)
        e2e.check([(w, float(la), float(lo)) for w, lo, la in marks] ==
                  [(r[6], float(r[7]), float(r[8])) for r in rows], "lines not at the fixes")


if __name__ == "__main__":
    e2e.main([test_bearings_logged_with_their_fixes_export_as_lines_of_bearing])
