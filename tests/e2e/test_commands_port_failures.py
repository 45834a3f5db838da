"""A serial port that cannot be opened: COM 1 pointing at nothing, at a device
another program holds, or at a device the user may not open. The program
shows the reason in the communications label, leaves acquisition off without
spinning the CPU, and opens the port once the operator has fixed the cause and
pressed A again; the label then shows the port again."""

import os

import commands_screen as cs
import vectrin_e2e as e2e


def fails_then_recovers(s, device, fix):
    """Starts in test mode, presses T (the port cannot be opened), checks what
    the operator sees, runs `fix` and presses A."""
    cs.start_shown(s)
    label = cs.comm_label(s)
    port_label = cs.box_pixels(s.grab(), label)

    s.key("t")
    e2e.wait_until(lambda: cs.box_pixels(s.grab(), label) != port_label, 5,
                   "the reason in the communications label")
    e2e.check(s.running(), "the program ended")
    e2e.check(not cs.holds_open(s, device), "the port is open")
    cs.check_not_spinning(s)
    s.key("a")
    s.key("ctrl+KP_8")
    cs.wait_cursor(s, 10)  # A has been handled
    e2e.check(s.running() and not cs.holds_open(s, device), "A opened the port before the fix")

    fix()
    s.key("a")
    cs.wait_port(s, device, True)
    e2e.wait_until(lambda: cs.box_pixels(s.grab(), label) == port_label, 5,
                   "the port in the communications label again")
    items = cs.quit_and_read_settings(s)
    e2e.check(items[42:44] == [cs.ACQUIRE_ON, cs.TEST_OFF], "saved %r" % items[42:44])


def test_com1_pointing_at_nothing(binary):
    with e2e.Session(binary) as s:
        s.link_com(1, os.path.join(s.home, "no-such-device"))
        pty = s.open_pty()
        fails_then_recovers(s, pty.slave_path, lambda: s.link_com(1, pty.slave_path))


def run_unprivileged(binary, case):
    user = cs.Unprivileged()
    if user.reason:
        print("SKIP %s: %s" % (case.__name__, user.reason))
        return
    try:
        with e2e.Session(binary) as s:
            pty = s.open_pty(com=1)
            user.binary(s, binary)
            case(s, pty, user)
    finally:
        user.close()


def test_com1_held_by_another_program(binary):
    def case(s, pty, user):
        user.give(pty.slave_path)
        holder = cs.ExclusiveHolder(pty.slave_path)
        try:
            fails_then_recovers(s, pty.slave_path, holder.release)
        finally:
            holder.release()

    run_unprivileged(binary, case)


def test_com1_without_permission(binary):
    def case(s, pty, user):
        user.deny(pty.slave_path)
        fails_then_recovers(s, pty.slave_path, lambda: user.give(pty.slave_path))

    run_unprivileged(binary, case)


if __name__ == "__main__":
    e2e.main([test_com1_pointing_at_nothing, test_com1_held_by_another_program,
              test_com1_without_permission])
