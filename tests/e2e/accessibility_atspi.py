# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears, read through AT-SPI on a private session bus:
every control of the main window and of the options dialog has a name and a
description in words; the polar display tells the peak, the cursor and the
heading and follows them; the options dialog is worked by keys alone and
Escape closes it. Runs under the system Python, which has pyatspi."""

import os
import re
import subprocess

import vectrin_e2e as e2e

READOUT = re.compile(r"^(Peak bearing \d+ degrees true|No bearings), cursor (\d+) degrees true, "
                     r"heading manual 0 degrees true$")


def private_bus(s):
    """A session bus of this test's own, on which the AT-SPI bus starts when asked."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                           env=s.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    e2e.check(address, "no session bus")
    s.env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    s.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    return bus


def nodes(node, role=None):
    """The node and everything below it (with the role, when one is given)."""
    found = [node] if role is None or node.getRoleName() == role else []
    return found + [n for child in node for n in nodes(child, role)]


def window(app, title):
    return next((w for w in app if w.name == title), None)


def named_controls(win, role):
    controls = nodes(win, role)
    untold = [(c.name, c.description) for c in controls if not (c.name and c.description)]
    e2e.check(controls and not untold, "%s in %s: %r" % (role, win.name, untold))
    return {c.name for c in controls}


def test_a_screen_reader_can_follow_the_display_and_work_the_options(binary):
    with e2e.Session(binary) as s:
        s.helpers.append(private_bus(s))
        import pyatspi  # it finds the session bus when imported: only once the bus is ours

        def has(node, state):
            return node.getState().contains(state)
        s.start()
        desktop = pyatspi.Registry.getDesktop(0)
        app = e2e.wait_until(lambda: next((a for a in desktop if a and a.name == "vectrin"),
                                          None), 20, "vectrin on the AT-SPI bus")
        main = e2e.wait_until(lambda: window(app, e2e.TITLE), 10, "the main window")
        buttons = named_controls(main, "push button")
        e2e.check("Cursor clockwise" in buttons, "button names: %s" % sorted(buttons))
        named_controls(main, "label")

        polar = next(n for n in nodes(main) if n.name == "Polar display")
        e2e.wait_until(lambda: (m := READOUT.match(polar.description)) and
                       m.group(1).startswith("Peak") and m.group(2) == "0", 10,
                       "a peak in the readout: %r" % polar.description)
        s.key("KP_8")
        e2e.wait_until(lambda: READOUT.match(polar.description).group(2) == "1", 10,
                       "the cursor one degree on: %r" % polar.description)

        s.key("o")
        options = e2e.wait_until(lambda: (w := window(app, "Vectrin Options")) and
                                 has(w, pyatspi.STATE_SHOWING)
                                 and w, 10, "the options dialog")
        for role in ("push button", "frame"):
            named_controls(options, role)
        interval = next(b for b in nodes(options, "push button")
                        if b.name.startswith("Decay interval"))
        e2e.wait_until(lambda: has(interval, pyatspi.STATE_FOCUSED) or s.key("Tab"), 30,
                       "Tab to reach the decay interval")
        s.key("space")
        e2e.wait_until(lambda: interval.name == "Decay interval 10 seconds", 10,
                       "Space to step the interval: %r" % interval.name)
        s.key("Escape")
        e2e.wait_until(lambda: not has(options, pyatspi.STATE_SHOWING), 10,
                       "Escape to close the options")


if __name__ == "__main__":
    e2e.main([test_a_screen_reader_can_follow_the_display_and_work_the_options])
