# SPDX-License-Identifier: GPL-3.0-or-later
"""A serial port that cannot be opened, one cause after another in one run:
COM 1 pointing at nothing, at a device another program holds, at a device the
user may not open. Each time the communications label shows a new reason, the
program stays up without spinning the CPU and leaves acquisition off; once the
cause is gone, A opens the port and the label shows the port again. Root
ignores the exclusive-use flag and file permissions, so the program then runs
as an unprivileged user."""

import fcntl
import os
import shutil
import sys
import termios

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

NOBODY = 65534


def as_unprivileged(s, device):
    """Start arguments that run the program without special rights, or the
    reason why that cannot be had."""
    if os.geteuid() != 0:
        return (), None
    if shutil.which("setpriv") is None:
        return None, "running as root and setpriv is not available"
    for folder, dirs, files in os.walk(s.home):
        for name in [folder] + [os.path.join(folder, n) for n in dirs + files]:
            os.lchown(name, NOBODY, NOBODY)
    os.chown(device, NOBODY, NOBODY)
    s.binary, binary = "/usr/bin/setpriv", s.binary
    return ["--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups", binary], None


def test_ports_that_cannot_be_opened(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty()
        device = pty.slave_path
        os.chmod(device, 0o600)
        s.link_com(1, os.path.join(s.home, "no-such-device"))
        args, skipped = as_unprivileged(s, device)
        s.start(args or ())
        e2e.wait_shown(s)
        shown = [e2e.comm_label_pixels(s)]

        def fails(key, cause, whole):
            s.key(key)
            shown.append(e2e.wait_until(lambda: (p := e2e.comm_label_pixels(s)) not in shown and p,
                                        30, "the reason for %s in the label" % cause))
            e2e.check(s.running() and not e2e.holds_open(s, device), "%s: port open" % cause)
            e2e.wait_until(lambda: whole in open(os.path.join(s.home, "program.log")).read(), 30,
                           "the whole reason for %s on standard error" % cause)

        fails("t", "a missing device", "/COM1: No such file or directory. ")
        e2e.check_not_spinning(s)
        s.link_com(1, device)
        if skipped:
            print("SKIP a device held by another program or forbidden: %s" % skipped)
        else:
            holder = os.open(device, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
            fcntl.ioctl(holder, termios.TIOCEXCL)
            fails("a", "a device in use", "Device or resource busy. Another program holds it")
            fcntl.ioctl(holder, termios.TIOCNXCL)  # as the holder gives the port up
            os.close(holder)
            os.chmod(device, 0)
            fails("a", "a forbidden device", "sudo usermod -aG dialout \"$USER\"  and log in again")
            os.chmod(device, 0o600)
        s.key("a")
        e2e.wait_open(s, device)
        e2e.wait_until(lambda: e2e.comm_label_pixels(s) == shown[0], 30,
                       "the port in the label again")


if __name__ == "__main__":
    e2e.main([test_ports_that_cannot_be_opened])
