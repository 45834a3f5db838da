"""The key map end to end: keypad digits step the cursor and the manual
heading (by ten with Ctrl held), the top-row digits work the memories, the
picture keys S, V, D, R, C and W, the credits on the fifth Shift+2, and keys
that press buttons while the buttons are hidden."""

import commands_screen as cs
import vectrin_e2e as e2e


def test_keypad_digits_step_the_cursor_and_heading_and_top_row_digits_do_not(binary):
    with e2e.Session(binary) as s:
        cs.start_shown(s)
        s.key("a", "c")  # the generator stops and the picture is empty
        cs.wait_cursor(s, 0)
        s.key("KP_8")
        cs.wait_cursor(s, 1)
        s.key("ctrl+KP_8")
        cs.wait_cursor(s, 11)
        s.key("8", "KP_2")  # top-row 8 cancels a memory selection; keypad 2 steps back
        cs.wait_cursor(s, 10)

        cs.switch_num_lock_off(s)
        s.key("KP_Up", "KP_Down", "ctrl+KP_Up", "ctrl+KP_8")
        cs.wait_cursor(s, 20)

        # The heading turns the display: the cursor stands at its bearing less
        # the heading.
        s.key_down("Control_L")
        s.key("KP_6")
        s.key_up("Control_L")
        cs.wait_cursor(s, 10)
        s.key("KP_6")
        cs.wait_cursor(s, 9)
        s.key("KP_4", "KP_4")
        cs.wait_cursor(s, 11)

        s.key("w")
        e2e.wait_until(lambda: s.window_geometry()[2] < e2e.SCREEN_WIDTH - 100, 5,
                       "the normal window")
        cs.wait_cursor(s, 11)
        s.key("w")
        e2e.wait_until(lambda: s.window_geometry()[2] >= e2e.SCREEN_WIDTH - 8, 5,
                       "the maximized window")
        cs.wait_cursor(s, 11)


def test_picture_keys_sector_var_decay_reduce_clear(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty(com=1)
        s.write_settings(cs.settings_items(variation=20))
        cs.start_shown(s)
        s.key("t")
        cs.wait_port(s, pty.slave_path, True)
        cs.send_df(pty, "%045", 12)
        image = e2e.wait_until(lambda: (i := s.grab()) and cs.spoke_length(s, i, 45) > 0.3 and i,
                               5, "the spoke at 45 degrees")
        start = cs.spoke_length(s, image, 45)
        # The sector of 4 degrees spreads a bearing over 43..47; 42 only shows
        # where the spokes of 43 run close to it, near the centre.
        e2e.check(cs.spoke_length(s, image, 42) < start / 2, "a 4-degree sector reaches 42")

        s.key("s")
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 42) == start, 5,
                       "the 6-degree sector")
        s.key(*["s"] * 9)
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 42) < start / 2, 5,
                       "ten presses back to 4 degrees")

        s.key("v")
        e2e.wait_until(lambda: (i := s.grab()) and cs.spoke_length(s, i, 65) > 0.3 and
                       cs.spoke_length(s, i, 45) == 0, 5, "the bearing turned by the variation")
        s.key("v")
        e2e.wait_until(lambda: (i := s.grab()) and cs.spoke_length(s, i, 45) > 0.3 and
                       cs.spoke_length(s, i, 65) == 0, 5, "the true bearing again")

        s.key("d")
        decayed = e2e.wait_until(lambda: (n := cs.spoke_length(s, s.grab(), 45)) < start - 0.02
                                 and (n,), 12, "a decay step")[0]
        s.key("d")
        s.key("r")
        reduced = e2e.wait_until(lambda: (n := cs.spoke_length(s, s.grab(), 45)) < decayed - 0.05
                                 and (n,), 5, "the picture reduced by one ring")[0]
        e2e.check(reduced > 0, "REDUCE removed the whole spoke")
        s.key("c")
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 45) == 0, 5, "the cleared display")


def test_memories_credits_and_keys_while_the_buttons_are_hidden(binary):
    with e2e.Session(binary) as s:
        pty = s.open_pty(com=1)
        cs.start_shown(s)
        credits = cs.copyright_label(s)
        s.key(*["shift+2"] * 4, "ctrl+KP_8")
        cs.wait_cursor(s, 10)
        e2e.check(cs.shows_only(s.grab(), credits, cs.DISPLAY_BACKGROUND), "credits after four")
        s.key("shift+2")
        e2e.wait_until(lambda: cs.shows_something(s.grab(), credits), 5, "the credits")

        s.key("t")
        cs.wait_port(s, pty.slave_path, True)
        cs.send_df(pty, "%090", 12)
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 90) > 0.3, 5, "the spoke at 90")
        save = cs.save_button(s)
        s.key("3")
        e2e.wait_until(lambda: cs.shows_something(s.grab(), save), 5, "SAVE shown by MEM 3")
        s.key("6")
        e2e.wait_until(lambda: cs.shows_only(s.grab(), save, cs.DISPLAY_BACKGROUND), 5,
                       "SAVE hidden after saving")
        s.key("c")
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 90) == 0, 5, "the cleared display")

        mem3 = cs.memory_button(s, 3)
        s.key("h")
        e2e.wait_until(lambda: cs.shows_only(s.grab(), mem3, cs.DISPLAY_BACKGROUND), 5,
                       "the buttons hidden")
        s.key("3")
        e2e.wait_until(lambda: cs.shows_something(s.grab(), save), 5, "SAVE shown while hidden")
        e2e.check(cs.shows_only(s.grab(), mem3, cs.DISPLAY_BACKGROUND), "MEM 3 shown while hidden")
        s.key("7")
        e2e.wait_until(lambda: cs.spoke_length(s, s.grab(), 90) > 0.3, 5, "the recalled picture")
        e2e.wait_until(lambda: cs.shows_only(s.grab(), save, cs.DISPLAY_BACKGROUND), 5,
                       "SAVE hidden after the recall")
        cs.wait_port(s, pty.slave_path, False)
        items = cs.quit_and_read_settings(s)
        e2e.check(items[42:44] == [cs.ACQUIRE_OFF, cs.TEST_OFF], "saved %r" % items[42:44])


if __name__ == "__main__":
    e2e.main([test_keypad_digits_step_the_cursor_and_heading_and_top_row_digits_do_not,
              test_picture_keys_sector_var_decay_reduce_clear,
              test_memories_credits_and_keys_while_the_buttons_are_hidden])
