# SPDX-License-Identifier: GPL-3.0-or-later
"""The operator's set-up survives: SIGTERM, SIGHUP, SIGINT and the X server
going away write the settings as QUIT does; a second start on the same folder
brings the first window back and leaves, a killed program keeps no one out; a
read-only file is never written, a linked one is written through its link, and
one that can be neither used nor copied is left alone."""

import glob
import os
import signal
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

ITEMS = e2e.items(variation=9)


def run(s, keys=("a", "q")):
    """Starts the program, presses the keys (A, then Q to quit); returns what it said."""
    s.start()
    s.key(*keys)
    e2e.check(s.wait_exit() == 0, "exit code")
    return s.said()


def ends_writing_the_settings(s, end):
    s.start()
    os.remove(s.settings_path)
    end()
    s.wait_exit()
    e2e.check(len(s.read_settings()) == 46, "no settings written at the end")


def test_ends_from_outside_and_a_second_start(binary):
    with e2e.Session(binary) as s:
        for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
            ends_writing_the_settings(s, lambda: s.process.send_signal(sig))
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
        ends_writing_the_settings(s, s.xvfb.terminate)


def test_read_only_linked_and_uncopyable_files(binary):
    with e2e.Session(binary) as s:
        s.write_settings(ITEMS)
        os.chmod(s.settings_path, 0o444)
        pinned = e2e.read_bytes(s.settings_path)
        said = run(s)
        e2e.check(e2e.read_bytes(s.settings_path) == pinned and said.count("is read-only") == 1,
                  said)

        os.chmod(s.settings_path, 0o644)
        os.rename(s.settings_path, os.path.join(s.home, "site.ini"))
        os.symlink("../../site.ini", s.settings_path)
        run(s)
        e2e.check(os.path.islink(s.settings_path) and s.read_settings()[42:] == [
            e2e.ACQUIRE_OFF, e2e.TEST_ON, "MANUAL", "9"], "written through the link")

        os.remove(s.settings_path)
        with open(s.settings_path, "w") as f:
            f.write("9" * 4000)  # damaged, and more than the 1024 bytes a file may grow to
        damaged = e2e.read_bytes(s.settings_path)
        s.wrapper = ["/bin/sh", "-c", 'trap "" XFSZ; ulimit -f 2; exec "$0"']
        said = run(s)
        s.wrapper = []
        s.run_as_nobody()  # root reads anything
        os.chmod(s.settings_path, 0)
        said += run(s)
        e2e.check(e2e.read_bytes(s.settings_path) == damaged and
                  not glob.glob(s.settings_path + ".*"),
                  "replaced or copied: %r" % os.listdir(s.settings_folder))
        e2e.check(said.count("it is left as it is") == 2, said)


if __name__ == "__main__":
    e2e.main([test_ends_from_outside_and_a_second_start, test_read_only_linked_and_uncopyable_files])
