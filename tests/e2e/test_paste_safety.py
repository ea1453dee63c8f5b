#!/usr/bin/env python3
"""A paste goes into the window it was meant for, or nowhere. The main hotkey
remembers a target, which then closes: Insert sends no keys to the window
that comes to the front instead, tells the user so, and leaves the reply on
the clipboard. A clipboard held open by another program: Insert pastes
nothing (not the clipboard's old text) and says so; once the clipboard is
free, the same Insert pastes the reply."""

import sys

from main_window import (CTRL_ALT_Q, answer_message_box, end_program, select_node, start_with_replies, visible,
                         wait_foreground)
from quillet_library import quillet_argument
from target_program import (HELD_TEXT, WM_HOLD_CLIPBOARD, WM_RELEASE_CLIPBOARD, clipboard_text, focus_target,
                            start_target, wait_for_text)
from winsession import WM_CLOSE, check, check_equal, run_test

TEXT = "A reply for the right window only."
GONE_MESSAGE = ("The window to insert into has closed, so nothing was pasted.\n\n"
                "The reply is on the clipboard: press Ctrl+V where you want it.")
BUSY_MESSAGE = "Another program is using the clipboard, so the reply could not be put on it."


def show_for(session, main):
    """The main hotkey in the target in front: the window shows with the
    target remembered and the reply selected."""
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
    select_node(session, main, 0, 0)
    button = session.child(main, "Button", "&Insert").hwnd
    session.wait_for("Insert to be enabled", lambda: session.enabled(button), timeout=5)
    return button


def test(session, args):
    _, program, main = start_with_replies(
        session, args, [{"category": "General", "description": "Hello", "text": TEXT}], MainHotKey=CTRL_ALT_Q)

    # The target closes while the window is up; another program is in front.
    gone_out = session.artifacts / "gone.txt"
    gone_program, gone, _ = start_target(session, args, gone_out)
    insert = show_for(session, main)
    session.post(gone, WM_CLOSE)
    check_equal(gone_program.wait(timeout=15), 0, "exit code of the closed target")
    out = session.artifacts / "other.txt"
    other_program, other, other_xid = start_target(session, args, out)
    # The new window covers the main window's buttons: a click on its caption
    # brings it back over them, once the new window has come to the front.
    wait_foreground(session, other, "the new target in front")
    session.click(main, dy=8)
    try:
        wait_foreground(session, main, "the main window in front again")
    except AssertionError:
        session.screenshot("main-not-in-front.png")
        raise
    session.click(insert)
    check_equal(answer_message_box(session, "OK"), GONE_MESSAGE, "message for a closed target")
    wait_for_text(session, other, out, "", "nothing typed into the window in front")
    check_equal(clipboard_text(session, other, out), TEXT + "\r\n", "the reply left on the clipboard")

    # Another program keeps the clipboard open with its own text on it.
    check_equal(session.send(other, WM_HOLD_CLIPBOARD), 1, "the target holding the clipboard")
    focus_target(session, other, other_xid)
    insert = show_for(session, main)
    session.click(insert)
    check_equal(answer_message_box(session, "OK"), BUSY_MESSAGE, "message for a busy clipboard")
    check(visible(session, main), "the window stays up when nothing was pasted")
    check_equal(session.send(other, WM_RELEASE_CLIPBOARD), 1, "the target letting the clipboard go")
    wait_for_text(session, other, out, "", f"no paste of the clipboard's old text ({HELD_TEXT!r})")
    check_equal(clipboard_text(session, other, out), HELD_TEXT, "the other program's clipboard text untouched")

    # Free again: the same Insert pastes the reply. (Closed, the main window
    # goes to the tray and uncovers the target.)
    session.post(main, WM_CLOSE)
    session.wait_for("the main window in the tray", lambda: not visible(session, main))
    focus_target(session, other, other_xid)
    insert = show_for(session, main)
    session.click(insert)
    wait_for_text(session, other, out, TEXT + "\r\n", "pasted once the clipboard is free")
    check(not visible(session, main), "hidden after inserting")

    session.post(other, WM_CLOSE)
    other_program.wait(timeout=15)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
