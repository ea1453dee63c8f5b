#!/usr/bin/env python3
"""Tray life and the main hotkey: with a library open the program starts in
the tray; a second start (the tray's Show) brings the window up with Insert
disabled and Copy enabled; the close box hides it again; the main hotkey
(set in the registry), pressed while the test's target has the focus, shows
the window with that target remembered, so Insert is enabled once a reply
is selected."""

import sys

from main_window import CTRL_ALT_Q, end_program, select_node, show_main, start_with_replies, visible, wait_gone
from quillet_library import quillet_argument
from target_program import start_target
from winsession import WM_CLOSE, check, run_test


def button_enabled(session, main, caption):
    return session.child(main, "Button", caption).enabled


def test(session, args):
    _, program, main = start_with_replies(
        session, args, [{"category": "General", "description": "Hello", "text": "Hello from the main window."}],
        MainHotKey=CTRL_ALT_Q)
    check(not visible(session, main), "started in the tray")

    show_main(session, args, main)
    check(not button_enabled(session, main, "Insert"), "Insert disabled after Show")
    check(button_enabled(session, main, "Copy"), "Copy enabled after Show")

    session.post(main, WM_CLOSE)
    wait_gone(session, main, "the close box to hide the window")
    check(program.running(), "still running in the tray")

    start_target(session, args, session.artifacts / "typed.txt")
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))

    # Select the reply as a click would.
    select_node(session, main, 0, 0)
    check(button_enabled(session, main, "Insert"), "Insert enabled with the captured target")
    session.screenshot("main-hotkey.png")
    # Insert itself is covered by test_insert_button.py.
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
