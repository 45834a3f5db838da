# SPDX-License-Identifier: GPL-3.0-or-later
"""Settings files that are the operator's own: a read-only file is used and
never written, a linked file is written through to its target and the link
stays, and a file that cannot be used nor copied (unreadable, or more than the
disk still takes) is left as it is while the program runs on the defaults."""

import glob
import os
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

SCHEME = [5602168, 7314328, 10211039, 37120, 13092807, 4227327, 16777215, 7340031]
ACQUIRE_OFF = "A:ACQUIRE  ( OFF )"
ITEMS = SCHEME * 5 + [1, 4800, "A:ACQUIRE    ( ON )", "T:TEST             ( ON )", "MANUAL", 9]
NOBODY = 65534


def content(path):
    with open(path, "rb") as f:
        return f.read()


def run(s, args=()):
    """Starts the program, switches acquisition off with A and quits with Q;
    returns what the program said."""
    s.start(args)
    s.key("a", "q")
    e2e.check(s.wait_exit() == 0, "exit code")
    s.stop_program()
    return content(os.path.join(s.home, "program.log")).decode()


def wrapped(s, wrapper, args, program):
    """Start arguments that run the program under another program."""
    s.binary = wrapper
    return [*args, program]


def test_read_only_and_linked_files(binary):
    with e2e.Session(binary) as s:
        s.write_settings(ITEMS)
        os.chmod(s.settings_path, 0o444)
        pinned = content(s.settings_path)
        said = run(s)
        e2e.check(content(s.settings_path) == pinned, "the read-only file was written")
        e2e.check(said.count("is read-only") == 1, "what the program said: %r" % said)

        os.chmod(s.settings_path, 0o644)
        os.rename(s.settings_path, os.path.join(s.home, "site.ini"))
        os.symlink("../../site.ini", s.settings_path)
        run(s)
        e2e.check(os.path.islink(s.settings_path), "the link was replaced")
        e2e.check(s.read_settings()[42:] == [ACQUIRE_OFF, ITEMS[43], "MANUAL", "9"],
                  "written through the link: %r" % s.read_settings()[42:])


def test_files_that_cannot_be_copied_are_left_alone(binary):
    with e2e.Session(binary) as s:
        with open(s.settings_path, "w") as f:
            f.write("9" * 4000)  # damaged, and more than the 1024 bytes a file may now grow to
        damaged, program = content(s.settings_path), s.binary
        said = run(s, wrapped(s, "/bin/sh", ["-c", 'trap "" XFSZ; ulimit -f 2; exec "$0"'], program))
        os.chmod(s.settings_path, 0)
        if os.geteuid() == 0:  # root reads anything: the program runs as nobody
            for path in (s.home, s.config_home):
                os.chmod(path, 0o755)
            for path in (s.settings_folder, os.path.join(s.home, "runtime")):
                os.chown(path, NOBODY, NOBODY)
            said += run(s, wrapped(s, "/usr/bin/setpriv", [
                "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups"], program))
        else:
            s.binary = program
            said += run(s)
        e2e.check(content(s.settings_path) == damaged and not glob.glob(s.settings_path + ".*"),
                  "the file was replaced or copied: %r" % os.listdir(s.settings_folder))
        e2e.check(said.count("it is left as it is") == 2, "what it said: %r" % said)


if __name__ == "__main__":
    e2e.main([test_read_only_and_linked_files, test_files_that_cannot_be_copied_are_left_alone])
