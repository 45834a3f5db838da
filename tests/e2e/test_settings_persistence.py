# SPDX-License-Identifier: GPL-3.0-or-later
"""The operator's set-up survives. A first start opens maximized, goes to the
normal window and back with W (the title bar stays on the screen) and writes
the default file; a colour chosen in the options dialog's colour picker, the
dialog's close box and a key survive the close box and the next start,
ended by Q. SIGTERM, SIGHUP, SIGINT and the X server
going away write the settings as QUIT does; a second start on the same folder
brings the first window back and leaves, a killed program keeps no one out; a
read-only file is never written, a linked one is written through its link, and
one that can be neither used nor copied is left alone."""

import glob
import os
import shutil
import signal
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

# Controls of the dialog in twips: (left, top, width, height) and their frame's corner.
DISPLAY_BACKGROUND_SWATCH = ((2520, 360, 615, 375), (120, 120))


def maximized(s):
    """The window with its title bar and borders fills the screen, the title bar on it."""
    left, top, width, height = s.window_geometry()
    frame_left, frame_right, frame_top, frame_bottom = s.frame_extents()
    return top > 0 and (left - frame_left, top - frame_top, left + width + frame_right,
                        top + height + frame_bottom) == (0, 0, e2e.SCREEN_WIDTH, e2e.SCREEN_HEIGHT)


def test_first_start_and_changes_through_the_dialog_survive_close_and_restart(binary):
    with e2e.Session(binary) as s:
        shutil.rmtree(s.settings_folder)
        s.start()
        e2e.wait_until(lambda: maximized(s), 30, "the maximized window")
        s.key("w")
        e2e.wait_until(lambda: s.window_geometry()[2:] == (652, 453), 30,
                       "the normal window of 9780 x 6795 twips")
        s.key("w")
        e2e.wait_until(lambda: maximized(s), 30, "the maximized window again")
        e2e.wait_shown(s)
        e2e.check(s.read_settings() == [str(i) for i in e2e.items()], "not the default file")

        window = e2e.dialog(s)
        e2e.click_in_dialog(s, window, DISPLAY_BACKGROUND_SWATCH)  # the colour picker opens
        picker = e2e.wait_until(lambda: s.windows_titled("Select Color"), 30, "the picker")[0]
        s.x("xdotool", "windowactivate", "--sync", str(picker))
        s.key("alt+h", "ctrl+a")  # its HTML field
        s.x("xdotool", "type", "--delay", "30", "#204060")
        s.key("Return")
        e2e.wait_shown(s, (0x20, 0x40, 0x60))

        # The dialog's close box hides it like EXIT; O brings the same window back.
        s.close_window(window)
        e2e.wait_until(lambda: not s.windows_titled("Vectrin Options"), 30, "the dialog to hide")
        e2e.check(s.running() and e2e.dialog(s) == window, "the dialog after its close box")
        s.focus()
        s.key("a")  # acquisition off

        scheme = [0x604020] + e2e.DEFAULT_SCHEME[1:]
        expected = [str(i) for i in scheme + e2e.DEFAULT_SCHEME * 4 + [1, 4800]] + [
            e2e.ACQUIRE_OFF, e2e.TEST_ON, "MANUAL", "-1"]
        s.close_window()
        e2e.check(s.wait_exit() == 0, "exit code after the close box")
        first_run = s.read_settings()
        e2e.check(first_run == expected, "at close:\n%r\nexpected\n%r" % (first_run, expected))
        s.start()
        e2e.wait_shown(s, (0x20, 0x40, 0x60))
        s.key("q")
        e2e.check(s.wait_exit() == 0 and s.read_settings() == first_run,
                  "the next start did not restore everything, or Q did not save it")


def run(s):
    """Starts the program, presses A, then Q to quit; returns what it said."""
    s.start()
    s.key("a", "q")
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
        s.write_settings(e2e.items(variation=9))
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
    e2e.main([test_first_start_and_changes_through_the_dialog_survive_close_and_restart,
              test_ends_from_outside_and_a_second_start,
              test_read_only_linked_and_uncopyable_files])
