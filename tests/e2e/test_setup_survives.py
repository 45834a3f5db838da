# SPDX-License-Identifier: GPL-3.0-or-later
"""The operator's set-up survives: SIGTERM, SIGHUP, SIGINT and the X server
going away write the settings as QUIT does; a second start on the same folder
brings the first window back and leaves, a killed program keeps no one out; a
read-only file is never written, a linked one is written through its link, and
one that can be neither used nor copied is left alone; a DF adapter plugged in
after the start keeps the file and starts acquisition."""

import glob
import os
import signal
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

SCHEME = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]
ACQUIRE_ON, ACQUIRE_OFF = "A:ACQUIRE    ( ON )", "A:ACQUIRE  ( OFF )"
ITEMS = SCHEME * 5 + [1, 4800, ACQUIRE_ON, "T:TEST             ( ON )", "MANUAL", 9]
DF_ON_COM1 = ITEMS[:41] + [9600, ACQUIRE_ON, "T:TEST             ( OFF )", "GPS", 9]
NOBODY = 65534


def content(path):
    with open(path, "rb") as f:
        return f.read()


def run(s, args=(), keys=("a", "q")):
    """Starts the program, presses the keys (A, then Q to quit); returns what it said."""
    s.start(args)
    s.key(*keys)
    e2e.check(s.wait_exit() == 0, "exit code")
    s.stop_program()
    return content(os.path.join(s.home, "program.log")).decode()


def test_ends_from_outside_and_a_second_start(binary):
    ends = [lambda s, sig=sig: s.process.send_signal(sig)
            for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT)]
    for end in ends + [lambda s: s.xvfb.terminate()]:
        with e2e.Session(binary) as s:
            s.start()
            os.remove(s.settings_path)
            end(s)
            s.wait_exit()
            e2e.check(len(s.read_settings()) == 46, "no settings written at the end")
    with e2e.Session(binary) as s:
        s.start()
        s.x("xdotool", "windowminimize", "--sync", str(s.window))
        before = os.stat(s.settings_path).st_mtime_ns
        second = subprocess.run([s.binary], env=s.env, capture_output=True, text=True, timeout=60)
        e2e.check(second.returncode == 0 and "already running" in second.stderr, second.stderr)
        e2e.wait_until(lambda: s.window_geometry()[2] > 0, 15, "the first window to come back")
        e2e.check(s.running() and os.stat(s.settings_path).st_mtime_ns == before,
                  "the second start touched the first or its file")
        s.process.kill()
        s.wait_exit()
        e2e.wait_until(lambda: not s.windows_titled(e2e.TITLE), 15, "the killed window to go")
        run(s, keys=("q",))


def test_read_only_linked_and_uncopyable_files(binary):
    with e2e.Session(binary) as s:
        s.write_settings(ITEMS)
        os.chmod(s.settings_path, 0o444)
        pinned = content(s.settings_path)
        said = run(s)
        e2e.check(content(s.settings_path) == pinned and said.count("is read-only") == 1, said)

        os.chmod(s.settings_path, 0o644)
        os.rename(s.settings_path, os.path.join(s.home, "site.ini"))
        os.symlink("../../site.ini", s.settings_path)
        run(s)
        e2e.check(os.path.islink(s.settings_path) and s.read_settings()[42:] == [
            ACQUIRE_OFF, ITEMS[43], "MANUAL", "9"], "written through the link")

        os.remove(s.settings_path)
        with open(s.settings_path, "w") as f:
            f.write("9" * 4000)  # damaged, and more than the 1024 bytes a file may grow to
        damaged, program = content(s.settings_path), s.binary
        s.binary = "/bin/sh"
        said = run(s, ["-c", 'trap "" XFSZ; ulimit -f 2; exec "$0"', program])
        os.chmod(s.settings_path, 0)
        s.binary, args = program, ()
        if os.geteuid() == 0:  # root reads anything: the program runs as nobody
            os.chmod(s.home, 0o755)
            os.chmod(s.config_home, 0o755)
            for path in (s.settings_folder, os.path.join(s.home, "runtime")):
                os.chown(path, NOBODY, NOBODY)
            s.binary, args = "/usr/bin/setpriv", ["--reuid=%d" % NOBODY, "--regid=%d" % NOBODY,
                                                  "--clear-groups", program]
        said += run(s, args)
        e2e.check(content(s.settings_path) == damaged and not glob.glob(s.settings_path + ".*"),
                  "replaced or copied: %r" % os.listdir(s.settings_folder))
        e2e.check(said.count("it is left as it is") == 2, said)


def test_the_adapter_plugged_in_after_the_start(binary):
    with e2e.Session(binary) as s:
        s.write_settings(DF_ON_COM1)
        asked = content(s.settings_path)
        device = os.path.join(s.home, "ttyDF")
        s.link_com(1, device)  # dangling until the adapter is plugged in
        for plugged_in in (False, True):
            s.start()
            e2e.wait_shown(s)
            e2e.check_not_spinning(s)
            if plugged_in:
                unplugged = e2e.comm_label_pixels(s)
                pty = s.open_pty()
                os.symlink(pty.slave_path, device)
                e2e.wait_until(lambda: e2e.holds_open(s, pty.slave_path), 30, "the port to open")
                e2e.wait_until(lambda: e2e.comm_label_pixels(s) != unplugged, 30, "COM1 @ 9600 BAUD")
            s.key("q")
            e2e.check(s.wait_exit() == 0 and content(s.settings_path) == asked,
                      "the file after QUIT, plugged in: %s" % plugged_in)


if __name__ == "__main__":
    e2e.main([test_ends_from_outside_and_a_second_start, test_read_only_linked_and_uncopyable_files,
              test_the_adapter_plugged_in_after_the_start])
