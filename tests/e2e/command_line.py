# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line of the real binary: exit statuses, where the texts go, and
that nothing but a real start touches the settings. Needs no X server."""

import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

MANUAL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging",
                      "vectrin.1.in")
UNREACHABLE = ":9327"  # no X server listens there

# (arguments, DISPLAY, exit status, stream that must hold the text, text as a pattern)
CASES = [
    (["--help"], None, 0, "stdout", "--settings-folder DIR"),
    (["-h"], None, 0, "stdout", "Usage: vectrin"),
    (["--version"], None, 0, "stdout", r"vectrin 1\."),
    (["--bogus"], UNREACHABLE, 2, "stderr", "unknown option --bogus(.|\n)*Usage: vectrin"),
    (["stray"], UNREACHABLE, 2, "stderr", "unexpected argument stray"),
    (["--settings-folder"], UNREACHABLE, 2, "stderr", "--settings-folder needs DIR"),
    (["--version=2"], UNREACHABLE, 2, "stderr", "--version takes no value"),
    (["-platform"], UNREACHABLE, 2, "stderr", "-platform needs a value"),
    (["--speed", "10"], UNREACHABLE, 2, "stderr", "--speed goes with --replay"),
    (["--replay", "s", "--speed", "0"], UNREACHABLE, 2, "stderr", "number above 0"),
    (["--length", "5"], UNREACHABLE, 2, "stderr", "--length goes with --export-kml"),
    (["--export-kml", "/none/b.csv", "--length", "1000"], UNREACHABLE, 1, "stderr",
     "cannot read /none/b.csv"),
    ([], None, 1, "stderr", "DISPLAY is not set"),
    ([], UNREACHABLE, 1, "stderr", 'display "%s" named by DISPLAY' % UNREACHABLE),
    (["-display", UNREACHABLE], None, 1, "stderr", "named by -display"),
    (["--style", "Fusion"], UNREACHABLE, 1, "stderr", "DISPLAY"),
]


def environment(home, display):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME")}
    return dict(env, HOME=home, **({"DISPLAY": display} if display else {}))


def test_each_case_exits_with_its_status_and_text_and_writes_nothing(binary):
    for args, display, status, stream, text in CASES:
        with tempfile.TemporaryDirectory() as home:
            done = subprocess.run([binary] + args, env=environment(home, display),
                                  capture_output=True, text=True, timeout=30)
            said = getattr(done, stream)
            # A failure to start is told in one line.
            told = re.search(text, said) and (status != 1 or len(done.stderr.splitlines()) == 1)
            e2e.check(done.returncode == status and told and not os.listdir(home),
                      "vectrin %s (DISPLAY=%s): exit %d, wrote %s, %s: %r" % (
                          " ".join(args), display, done.returncode, os.listdir(home), stream, said))


def test_qt_options_pass_and_the_settings_folder_holds_the_file(binary):
    with tempfile.TemporaryDirectory() as home:
        settings = os.path.join(home, "second station", "Vectrin.ini")
        program = subprocess.Popen(
            [binary, "-platform", "offscreen", "--settings-folder", os.path.dirname(settings)],
            env=environment(home, None), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            e2e.wait_until(lambda: os.path.exists(settings), 60, "the settings file in the folder")
            e2e.check(not os.path.exists(os.path.join(home, ".config", "Vectrin")),
                      "the usual folder was written as well")
        finally:
            program.kill()
            program.wait()


def test_every_option_that_help_shows_is_in_the_manual_page(binary):
    shown = subprocess.run([binary, "--help"], capture_output=True, text=True).stdout
    manual = e2e.read_bytes(MANUAL).decode()
    missing = [name for name in re.findall(r"^ +(?:-\w, )?(--[\w-]+)", shown, re.M)
               if name.replace("-", "\\-") not in manual]
    e2e.check(not missing, "not in the manual page: %s" % missing)


if __name__ == "__main__":
    e2e.main([test_each_case_exits_with_its_status_and_text_and_writes_nothing,
              test_qt_options_pass_and_the_settings_folder_holds_the_file,
              test_every_option_that_help_shows_is_in_the_manual_page])
