# SPDX-License-Identifier: GPL-3.0-or-later
"""The operator chooses the DF unit's device in the options dialog: CHOOSE
DEVICE, the path of a pseudo-terminal (reached through a path with blanks)
typed into the chooser, Return. COM 1 then leads there, and T (test mode off,
acquisition on) draws the bearings the pseudo-terminal sends."""

import os
import sys

sys.dont_write_bytecode = True  # no cache files beside the scripts

import vectrin_e2e as e2e  # noqa: E402
from test_settings_persistence import click_in_dialog, dialog  # noqa: E402

# The CHOOSE DEVICE button in its frame, twips: (left, top, width, height), (frame left, top).
CHOOSE_DEVICE = ((3600, 2355, 2055, 375), (120, 5280))


def test_the_chooser_picks_a_pseudo_terminal_and_t_draws_its_bearings(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty()
        through = os.path.join(s.home, "DF adapter")
        os.symlink(pty.slave_path, through)
        s.start()
        e2e.wait_shown(s)
        click_in_dialog(s, dialog(s), CHOOSE_DEVICE)
        chooser = e2e.wait_until(lambda: s.windows_titled("SERIAL DEVICE FOR COM 1"), 30,
                                 "the device chooser")[0]
        s.x("xdotool", "windowfocus", "--sync", str(chooser))
        s.key("ctrl+a")
        s.x("xdotool", "type", "--delay", "20", through)
        s.key("Return")
        e2e.wait_until(lambda: not s.windows_titled("SERIAL DEVICE FOR COM 1"), 30,
                       "the chooser to close")
        link = os.path.join(s.settings_folder, "COM1")
        e2e.check(os.readlink(link) == through, "COM1 leads to %r" % os.readlink(link))

        s.focus()
        s.key("t")
        e2e.wait_open(s, pty.slave_path)
        e2e.draw_spoke(s, pty, "%090", 90)


if __name__ == "__main__":
    e2e.main([test_the_chooser_picks_a_pseudo_terminal_and_t_draws_its_bearings])
