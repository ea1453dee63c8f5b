#!/usr/bin/env python3
"""The Insert button: the main hotkey pressed in the target shows the main
window with the target remembered; choosing a reply and clicking Insert
pastes it into the target and hides the window. With "HideAfterInsert" off
the window comes back to the front after the paste, the target still
remembered, so a second Insert pastes again."""

import sys

from main_window import (CTRL_ALT_Q, end_program, select_node, set_setting, start_in_tray, start_with_replies,
                         visible, wait_foreground)
from quillet_library import quillet_argument
from target_program import focus_target, start_target, wait_for_text
from winsession import WM_CLOSE, check, run_test

TEXT = "Hello from the Insert button."


def insert(session, main, target, out, times, what):
    """Clicks Insert; the target then holds the reply `times` over."""
    button = session.child(main, "Button", "Insert").hwnd
    session.wait_for("Insert to be enabled", lambda: session.enabled(button), timeout=5)
    session.click(button)
    wait_for_text(session, target, out, (TEXT + "\r\n") * times, what)


def test(session, args):
    library, program, main = start_with_replies(
        session, args, [{"category": "General", "description": "Hello", "text": TEXT}], MainHotKey=CTRL_ALT_Q)

    out = session.artifacts / "pasted.txt"
    target_program, target, xid = start_target(session, args, out)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
    select_node(session, main, 0, 0)
    insert(session, main, target, out, 1, "pasted by Insert")
    check(not visible(session, main), "hidden after inserting")
    check(not session.enabled(session.child(main, "Button", "Insert").hwnd), "the target is forgotten")
    end_program(session, program, main)

    # The window stays: it comes back to the front and keeps the target.
    set_setting(session, "HideAfterInsert", 0)
    set_setting(session, "ShowTrayReminder", 0)  # a start on the last library would show it
    program, main = start_in_tray(session, args, library)
    focus_target(session, target, xid)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
    select_node(session, main, 0, 0)
    insert(session, main, target, out, 2, "pasted by Insert with the window kept")
    wait_foreground(session, main, "the main window back in front after the paste")
    check(visible(session, main), "still shown after inserting")
    insert(session, main, target, out, 3, "pasted by a second Insert into the same target")

    session.post(target, WM_CLOSE)
    target_program.wait(timeout=15)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
