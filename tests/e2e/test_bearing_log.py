# SPDX-License-Identifier: GPL-3.0-or-later
"""The bearing log end to end: a modern receiver's capture (combined $GN fixes
only) on COM 1 with a DF message behind each RMC sentence is logged to
bearings.csv in the data folder with each fix's position and time, and
vectrin --export-kml starts a line of bearing at each of them."""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

CAPTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "nmea",
                       "nl2008u.log")
DEFAULT_COLOURS = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]


def fix_of(rmc):
    """UTC, latitude and longitude of an RMC sentence (northern, eastern)."""
    f = rmc.split(",")
    d = f[9]
    return ("20%s-%s-%sT%s:%s:%sZ" % (d[4:], d[2:4], d[:2], f[1][:2], f[1][2:4], f[1][4:]),
            int(f[3][:2]) + float(f[3][2:]) / 60, int(f[5][:3]) + float(f[5][3:]) / 60)


def test_bearings_logged_with_their_fixes_export_as_lines_of_bearing(binary):
    with e2e.Session(binary) as s:
        s.env["XDG_DATA_HOME"] = os.path.join(s.home, "data")
        log = os.path.join(s.home, "data", "Vectrin", "bearings.csv")
        rows = lambda: [r.split(",") for r in open(log).read().splitlines()[1:]] \
            if os.path.exists(log) else []  # noqa: E731
        pty = s.open_pty(com=1)
        s.write_settings(DEFAULT_COLOURS * 5 + [1, 4800, "A:ACQUIRE    ( ON )",
                                                "T:TEST             ( OFF )", "GPS", -1])
        s.start()
        e2e.wait_shown(s)
        e2e.wait_open(s, pty.slave_path)
        fixes = []
        for line in (l for l in open(CAPTURE) if not l.startswith("#")):
            pty.write(line)
            if line.startswith("$GNRMC"):
                fixes.append(fix_of(line))
                pty.write("%045")
                e2e.wait_until(lambda: len(rows()) == len(fixes), 30, "bearing %d" % len(fixes))
        s.close_window()
        s.wait_exit()

        logged = rows()
        e2e.check(len(fixes) == 9, "the capture holds %d fixes" % len(fixes))
        for row, (utc, lat, lon) in zip(logged, fixes):
            e2e.check(row[2] == "45" and row[5] == "GPS" and
                      int(row[3]) % 360 == (int(row[4]) + 45) % 360, "bearing: %r" % row)
            e2e.check(row[6] == utc and abs(float(row[7]) - lat) < 1e-6 and
                      abs(float(row[8]) - lon) < 1e-6, "not at fix %s: %r" % (utc, row))
        # The heading is the course of a moving $GN fix before the bearing, or none yet.
        headings = set(int(r[4]) for r in logged)
        e2e.check(headings - {0} and headings <= {0, 175, 179, 186, 189, 187}, str(headings))

        kml = subprocess.run([binary, "--export-kml", log, "--length", "5"], env=s.env,
                             capture_output=True, text=True, timeout=30)
        e2e.check(kml.stderr == "vectrin: lines of bearing written: 9\n", kml.stderr)
        starts = re.findall(r"<when>(.*?)</when>.*?<coordinates>([-\d.]+),([-\d.]+) ",
                            kml.stdout, re.S)
        e2e.check([(w, float(la), float(lo)) for w, lo, la in starts] ==
                  [(r[6], float(r[7]), float(r[8])) for r in logged], "lines not at the fixes")


if __name__ == "__main__":
    e2e.main([test_bearings_logged_with_their_fixes_export_as_lines_of_bearing])
