# SPDX-License-Identifier: GPL-3.0-or-later
"""Ends from outside and starts beside a running program: SIGTERM, SIGHUP,
SIGINT and the X server going away write the settings as QUIT does; a second
start on the same settings folder brings the first window back and leaves;
a killed program does not keep the next one out; a start whose DF adapter is
not plugged in keeps the file and starts acquisition when the device appears."""

import os
import signal
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import commands_screen as cs  # noqa: E402
import vectrin_e2e as e2e  # noqa: E402

SCHEME = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]
DF_ON_COM1 = SCHEME * 5 + [1, 9600, "A:ACQUIRE    ( ON )", "T:TEST             ( OFF )", "GPS", 9]


def written_at_end(s, end):
    """Removes the settings file, ends the program by `end`; whether it wrote them again."""
    os.remove(s.settings_path)
    end()
    s.wait_exit(20)
    return len(s.read_settings()) == 46


def test_signals_and_the_end_of_the_x_session_save_the_settings(binary):
    for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        with e2e.Session(binary) as s:
            s.start()
            e2e.check(written_at_end(s, lambda: s.process.send_signal(sig)), "after %r" % sig)
            e2e.check(s.process.returncode == 0, "exit code %d" % s.process.returncode)
    with e2e.Session(binary) as s:
        s.start()
        e2e.check(written_at_end(s, lambda: s.xvfb.kill()), "after the X server ended")


def test_one_program_a_settings_folder(binary):
    with e2e.Session(binary) as s:
        s.start()
        s.x("xdotool", "windowminimize", "--sync", str(s.window))
        before = os.stat(s.settings_path).st_mtime_ns
        second = subprocess.run([s.binary], env=s.env, capture_output=True, text=True, timeout=30)
        e2e.check(second.returncode == 0 and "already running" in second.stderr, second.stderr)
        e2e.wait_until(lambda: s.window_geometry()[2] > 0, 10, "the first window to come back")
        e2e.check(s.running() and os.stat(s.settings_path).st_mtime_ns == before,
                  "the second start touched the first or its file")
        s.process.kill()
        s.wait_exit()
        e2e.wait_until(lambda: not s.windows_titled(e2e.TITLE), 10, "the killed window to go")
        s.start()
        s.key("q")
        e2e.check(s.wait_exit() == 0, "the start after a killed program")


def test_the_adapter_plugged_in_after_the_start(binary):
    with e2e.Session(binary) as s:
        s.write_settings(DF_ON_COM1)
        with open(s.settings_path, "rb") as f:
            asked = f.read()
        device = os.path.join(s.home, "ttyDF")
        s.link_com(1, device)  # dangling until the adapter is plugged in
        for plugged_in in (False, True):
            cs.start_shown(s)
            cs.check_not_spinning(s)
            if plugged_in:
                unplugged = cs.comm_label_pixels(s)
                pty = s.open_pty()
                os.symlink(pty.slave_path, device)
                e2e.wait_until(lambda: cs.holds_open(s, pty.slave_path), 15, "the port to open")
                e2e.wait_until(lambda: cs.comm_label_pixels(s) != unplugged, 15, "COM1 @ 9600 BAUD")
            s.key("q")
            e2e.check(s.wait_exit() == 0, "exit code")
            with open(s.settings_path, "rb") as f:
                e2e.check(f.read() == asked, "the file after QUIT, plugged in: %s" % plugged_in)


if __name__ == "__main__":
    e2e.main([test_signals_and_the_end_of_the_x_session_save_the_settings,
              test_one_program_a_settings_folder, test_the_adapter_plugged_in_after_the_start])
