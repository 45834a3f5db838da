# SPDX-License-Identifier: GPL-3.0-or-later
"""The DF port of a file that takes DF from COM 1, in one run: before its
adapter is plugged in, and when another program holds it or the user may not
open it, the label and standard error say why, the port stays closed; a late
adapter is opened at once, the others by A once the cause is
gone. The options dialog's chooser then leads COM 1 to a typed path with
blanks, whose bearings are drawn; Q leaves the file as it was. Root ignores the
exclusive-use flag and file modes, so the program runs as another user."""

import fcntl
import os
import sys
import termios

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402

# The CHOOSE DEVICE button in its frame, twips: (left, top, width, height), (frame left, top).
CHOOSE_DEVICE = ((3600, 2355, 2055, 375), (120, 5280))
CHOOSER = "SERIAL DEVICE FOR COM 1"


def choose_device(s, path):
    """Leads COM 1 to the device at `path` through the chooser, typed in."""
    e2e.click_in_dialog(s, e2e.dialog(s), CHOOSE_DEVICE)
    chooser = e2e.wait_until(lambda: s.windows_titled(CHOOSER), 30, "the device chooser")[0]
    s.x("xdotool", "windowfocus", "--sync", str(chooser))
    s.key("ctrl+a")
    s.x("xdotool", "type", "--delay", "20", path)
    s.key("Return")
    e2e.wait_until(lambda: not s.windows_titled(CHOOSER), 30, "the chooser to close")
    s.focus()


def test_a_late_adapter_ports_that_cannot_be_opened_and_the_chooser(binary):
    with e2e.Session(binary) as s:
        s.write_settings(e2e.items(rate=9600, test=e2e.TEST_OFF))
        asked = e2e.read_bytes(s.settings_path)
        adapter, chosen = s.open_pty(), s.open_pty()
        os.chmod(adapter.slave_path, 0o600)
        late = os.path.join(s.home, "ttyDF")
        s.link_com(1, late)  # dangling until the adapter is plugged in
        through = os.path.join(s.home, "DF adapter")
        os.symlink(chosen.slave_path, through)
        s.run_as_nobody(adapter.slave_path, chosen.slave_path)
        shown = []

        def new_label(what):
            shown.append(e2e.wait_until(lambda: (p := e2e.comm_label_pixels(s)) not in shown and p,
                                        30, what + " in the label"))
            return shown[-1]

        def fails(cause, whole):
            new_label("the reason for " + cause)
            e2e.check(s.running() and not e2e.holds_open(s, adapter.slave_path),
                      "%s: port open" % cause)
            e2e.wait_until(lambda: whole in s.said(), 30, "the whole reason for %s" % cause)

        s.start()
        e2e.wait_shown(s)
        fails("a missing device", "/COM1: No such file or directory. ")
        os.symlink(adapter.slave_path, late)
        e2e.wait_open(s, adapter.slave_path)
        opened = new_label("COM1 @ 9600 BAUD")

        s.key("a")  # acquisition off closes the port
        holder = os.open(adapter.slave_path, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        fcntl.ioctl(holder, termios.TIOCEXCL)
        s.key("a")
        fails("a device in use", "Device or resource busy. Another program holds it")
        fcntl.ioctl(holder, termios.TIOCNXCL)  # as the holder gives the port up
        os.close(holder)
        os.chmod(adapter.slave_path, 0)
        s.key("a")
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
