#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the eight-hour soak (test mode in fake time) and checks its target:
the CPU time per cycle over the last minute is at most 20 % above that over
the first, however far the ring count has grown. It may well be below: while
the rings are few and far apart each is drawn as a circle of its own, which
costs more than the bands that close rings become.

Usage: check_soak.py [path/to/soak_bench]
"""
import json
import subprocess
import sys

TARGET_SPREAD = 0.20


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else "build/bench/soak_bench"
    out = subprocess.run([binary, "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    soak = json.loads(out)["benchmarks"][0]
    first, last = soak["minute1_us"], soak["last_minute_us"]
    print(f"cost per cycle: minute 1 {first:.1f} us, hour 1 {soak['hour1_us']:.1f} us, "
          f"hour 8 {last:.1f} us (x{last / first:.2f}); {soak['rings']:.0f} rings at the end; "
          f"{soak['cpu_time']:.0f} s of CPU for the whole soak")
    ok = last / first - 1 <= TARGET_SPREAD
    print("target met" if ok else "TARGET MISSED")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
