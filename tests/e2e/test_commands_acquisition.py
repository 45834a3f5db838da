"""The acquisition keys end to end: T leaves test mode and opens COM 1, DF
messages arriving on it draw their bearings (turned by a GPS heading on the
same line), A closes and reopens the port, and the state written at QUIT
brings the next run back as the source table says."""

import commands_screen as cs
import vectrin_e2e as e2e


def test_t_opens_com1_and_df_messages_draw_their_bearing(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty(com=1)
        cs.start_shown(s)
        e2e.check(not cs.holds_open(s, pty.slave_path), "the port is open in test mode")

        s.key("c")
        s.key("t")
        cs.wait_port(s, pty.slave_path, True)
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 45) == 0, 5, "an empty display")

        cs.send_df(pty, "%045", 50)
        image = e2e.wait_until(lambda: (i := s.grab()) and cs.spoke_length(s, i, 45) > 0.6 and i,
                               5, "the spoke at 45 degrees")
        for other in (0, 90, 135, 180, 225, 270, 315):
            e2e.check(cs.spoke_length(s, image, other) == 0, "a spoke at %d degrees" % other)

        s.key("a")
        cs.wait_port(s, pty.slave_path, False)
        s.key("a")
        cs.wait_port(s, pty.slave_path, True)
        s.key("t")
        cs.wait_port(s, pty.slave_path, False)
        items = cs.quit_and_read_settings(s)
        e2e.check(items[42:44] == [cs.ACQUIRE_ON, cs.TEST_ON], "saved %r" % items[42:44])


def test_the_source_states_survive_quit_and_restart(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty(com=1)
        s.write_settings(cs.settings_items(acquire=cs.ACQUIRE_ON, test=cs.TEST_OFF))
        cs.start_shown(s)
        cs.wait_port(s, pty.slave_path, True)
        s.key("a")
        cs.wait_port(s, pty.slave_path, False)
        items = cs.quit_and_read_settings(s)
        e2e.check(items[42:44] == [cs.ACQUIRE_OFF, cs.TEST_OFF], "saved %r" % items[42:44])

        # Acquisition off and test mode off: the port stays closed until A.
        cs.start_shown(s)
        e2e.check(not cs.holds_open(s, pty.slave_path), "the port opened at start-up")
        s.key("t", "t", "ctrl+KP_8")
        cs.wait_cursor(s, 10)  # the keys before it have been handled too
        e2e.check(not cs.holds_open(s, pty.slave_path), "TEST off opened the port")
        s.key("a")
        cs.wait_port(s, pty.slave_path, True)
        cs.send_df(pty, "%270", 12)
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 270) > 0.3, 5, "the spoke at 270")
        items = cs.quit_and_read_settings(s)
        e2e.check(items[42:44] == [cs.ACQUIRE_ON, cs.TEST_OFF], "saved %r" % items[42:44])


def test_a_gps_course_on_the_line_turns_the_display(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty(com=1)
        s.write_settings(cs.settings_items(test=cs.TEST_OFF, heading="GPS"))
        cs.start_shown(s)
        cs.wait_port(s, pty.slave_path, True)
        cs.wait_cursor(s, 0)
        # A course of 90 degrees at 12.4 knots; the text behind it completes
        # the sentence window.
        pty.write("$GPRMC,101530,A,4807.038,N,01131.000,E,012.4,090.0,060324,003.1,W*6A\r\n")
        pty.write("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n")
        cs.wait_cursor(s, 270)
        # Bearings dead ahead are true east, drawn straight up on the heading-up display.
        cs.send_df(pty, "%000", 12)
        image = e2e.wait_until(lambda: (i := s.grab()) and cs.spoke_length(s, i, 0) > 0.3 and i,
                               5, "the spoke straight up")
        e2e.check(cs.spoke_length(s, image, 270) == 0, "a bearing drawn at the heading of 0")


if __name__ == "__main__":
    e2e.main([test_t_opens_com1_and_df_messages_draw_their_bearing,
              test_the_source_states_survive_quit_and_restart,
              test_a_gps_course_on_the_line_turns_the_display])
