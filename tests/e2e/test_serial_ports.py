# SPDX-License-Identifier: GPL-3.0-or-later
"""The DF unit's serial port in one run started from a file that takes DF from
COM 1, before its adapter is plugged in: the communications label gives the
reason, the program does not spin the CPU and leaves the file alone; once the
adapter appears the port opens by itself. A port then held by another program
or forbidden to the user fails with a new reason in the label and the whole
reason on standard error, and stays closed; once the cause is gone, A opens it
again. The device chooser of the options dialog then leads COM 1 to another
device (a path with blanks typed in), whose bearings are drawn, and Q leaves
the file as it was. Root ignores the exclusive-use flag and file permissions,
so the program runs as an unprivileged user."""

import fcntl
import os
import sys
import termios

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

# The CHOOSE DEVICE button in its frame, twips: (left, top, width, height), (frame left, top).
CHOOSE_DEVICE = ((3600, 2355, 2055, 375), (120, 5280))


def choose_device(s, path):
    """Leads COM 1 to the device at `path` through the chooser, typed in."""
    e2e.click_in_dialog(s, e2e.dialog(s), CHOOSE_DEVICE)
    chooser = e2e.wait_until(lambda: s.windows_titled("SERIAL DEVICE FOR COM 1"), 30,
                             "the device chooser")[0]
    s.x("xdotool", "windowfocus", "--sync", str(chooser))
    s.key("ctrl+a")
    s.x("xdotool", "type", "--delay", "20", path)
    s.key("Return")
    e2e.wait_until(lambda: not s.windows_titled("SERIAL DEVICE FOR COM 1"), 30,
                   "the chooser to close")
    s.focus()


def test_a_late_adapter_ports_that_cannot_be_opened_and_the_chooser(binary):
    with e2e.Session(binary) as s:
        s.write_settings(e2e.items(rate=9600, test=e2e.TEST_OFF, heading="GPS", variation=9))
        asked = e2e.read_bytes(s.settings_path)
        adapter, chosen = s.open_pty(), s.open_pty()
        os.chmod(adapter.slave_path, 0o600)
        late = os.path.join(s.home, "ttyDF")
        s.link_com(1, late)  # dangling until the adapter is plugged in
        through = os.path.join(s.home, "DF adapter")
        os.symlink(chosen.slave_path, through)
        s.run_as_nobody(adapter.slave_path, chosen.slave_path)
        s.start()
        e2e.wait_shown(s)
        shown = [e2e.comm_label_pixels(s)]
        e2e.wait_until(lambda: "/COM1: No such file or directory. " in s.said(), 30,
                       "the whole reason for a missing device on standard error")
        e2e.check_not_spinning(s)
        e2e.check(e2e.read_bytes(s.settings_path) == asked, "the file changed at the start")

        os.symlink(adapter.slave_path, late)
        e2e.wait_open(s, adapter.slave_path)
        shown.append(e2e.wait_until(lambda: (p := e2e.comm_label_pixels(s)) not in shown and p,
                                    30, "COM1 @ 9600 BAUD in the label"))
        opened = shown[-1]
        s.key("a")  # acquisition off closes the port

        def fails(cause, whole):
            s.key("a")
            shown.append(e2e.wait_until(lambda: (p := e2e.comm_label_pixels(s)) not in shown and p,
                                        30, "the reason for %s in the label" % cause))
            e2e.check(s.running() and not e2e.holds_open(s, adapter.slave_path),
                      "%s: port open" % cause)
            e2e.wait_until(lambda: whole in s.said(), 30,
                           "the whole reason for %s on standard error" % cause)

        holder = os.open(adapter.slave_path, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        fcntl.ioctl(holder, termios.TIOCEXCL)
        fails("a device in use", "Device or resource busy. Another program holds it")
        fcntl.ioctl(holder, termios.TIOCNXCL)  # as the holder gives the port up
        os.close(holder)
        os.chmod(adapter.slave_path, 0)
        fails("a forbidden device", "sudo usermod -aG dialout \"$USER\"  and log in again")
        os.chmod(adapter.slave_path, 0o600)
        s.key("a")
        e2e.wait_open(s, adapter.slave_path)
        e2e.wait_until(lambda: e2e.comm_label_pixels(s) == opened, 30, "the port in the label")

        choose_device(s, through)
        link = os.path.join(s.settings_folder, "COM1")
        e2e.check(os.readlink(link) == through, "COM1 leads to %r" % os.readlink(link))
        e2e.wait_open(s, chosen.slave_path)
        e2e.draw_spoke(s, chosen, "%090", 90)
        s.key("q")
        e2e.check(s.wait_exit() == 0 and e2e.read_bytes(s.settings_path) == asked,
                  "the file after Q")


if __name__ == "__main__":
    e2e.main([test_a_late_adapter_ports_that_cannot_be_opened_and_the_chooser])
