#!/usr/bin/env python3
"""The Insert button: the main hotkey pressed in the target shows the main
window with the target remembered; choosing a reply and clicking Insert
pastes it into the target and hides the window."""

import sys

from main_window import CTRL_ALT_Q, select_node, set_setting, start_in_tray, visible
from quillet_library import make_library, quillet_argument
from target_program import start_target, wait_for_paste
from winsession import WM_CLOSE, check, check_equal, run_test


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library,
                 [{"category": "General", "description": "Hello", "text": "Hello from the Insert button."}])
    set_setting(session, "MainHotKey", CTRL_ALT_Q)
    program, main = start_in_tray(session, args, library)

    out = session.artifacts / "pasted.txt"
    target_program, target, _ = start_target(session, args, out)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
    select_node(session, main, 0, 0)
    insert = session.child(main, "Button", "Insert").hwnd
    session.wait_for("Insert to be enabled", lambda: session.enabled(insert), timeout=5)
    session.click(insert)
    text = wait_for_paste(session, target, out, "the reply to arrive in the target")
    check_equal(text.rstrip("\r\n"), "Hello from the Insert button.", "pasted by Insert")
    check(not visible(session, main), "hidden after inserting")
    session.post(target, WM_CLOSE)
    target_program.wait(timeout=15)
    session.post(main, WM_CLOSE)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
