#!/usr/bin/env python3
"""From a first start to a working library with nothing but the program:
the first-use panel's links set the main hotkey in the configuration dialog
and create a library through the save dialog; three replies are added
through the reply dialog, each with its own hotkey; each hotkey then pastes
its own reply into another program, and the main hotkey brings the window
back."""

import sys

from main_window import (message_boxes, new_library, press_hotkey, start_first_use, type_into, visible, wait_gone,
                         wait_window)
from quillet_library import quillet_argument, read_library
from target_program import focus_target, start_target, wait_for_paste
from winsession import RICH_EDIT, WM_CLOSE, check, check_equal, run_test

REPLIES = [
    ("Sales", "Thanks", "Thank you for your order.", "ctrl+alt+1", "Ctrl+Alt+1"),
    ("Sales", "Delay", "Sorry for the delay.", "ctrl+alt+2", "Ctrl+Alt+2"),
    ("Support", "Restart", "Please restart the program.", "ctrl+alt+3", "Ctrl+Alt+3"),
]


def add_reply(session, main, category, description, text, keys):
    session.click(session.child(main, "Button", "&Add").hwnd)
    dialog = wait_window(session, "Reply Properties")
    combo = session.child(dialog, "ComboBox").hwnd
    combo_edit = session.child(combo, "Edit").hwnd
    type_into(session, combo_edit, category)
    description_edit = next(c for c in session.children(dialog) if c.cls == "Edit" and c.hwnd != combo_edit)
    type_into(session, description_edit.hwnd, description)
    press_hotkey(session, session.child(dialog, "msctls_hotkey32").hwnd, keys)
    type_into(session, session.child(dialog, RICH_EDIT).hwnd, text)
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    wait_gone(session, dialog, f"the dialog for {description} to close")
    check_equal(message_boxes(session), [], f"message boxes after adding {description}")


def test(session, args):
    library = session.artifacts / "first.qdk"
    library.unlink(missing_ok=True)

    program, main = start_first_use(session, args)

    # Step 1: the main hotkey.
    session.click(session.child(main, "Static", "Click here to set hotkeys and configuration options").hwnd, dx=20)
    dialog = wait_window(session, "Configuration")
    press_hotkey(session, session.child(dialog, "msctls_hotkey32", nth=0).hwnd, "ctrl+alt+q")
    session.click(session.child(dialog, "Button", "OK").hwnd)
    wait_gone(session, dialog, "the configuration dialog to close")

    # Step 2: a new library.
    new_library(session, main, library)

    for category, description, text, keys, _ in REPLIES:
        add_reply(session, main, category, description, text, keys)
    session.screenshot("three-replies.png")
    stored = read_library(session, args.quillet, library)
    check_equal([(r["category"], r["description"], r["hotkey_text"]) for r in stored],
                [(c, d, k) for c, d, _, _, k in REPLIES], "the library written by the program")

    out = session.artifacts / "pasted.txt"
    target_program, target, xid = start_target(session, args, out)
    for _, description, text, keys, _ in REPLIES:
        out.unlink(missing_ok=True)
        focus_target(session, target, xid)
        session.x_key(keys)
        pasted = wait_for_paste(session, target, out, f"{description} to arrive in the target")
        check(pasted.rstrip("\r\n").endswith(text), f"{description}: the target holds {pasted!r}")

    # The main hotkey brings the window back from the tray.
    check(not visible(session, main), "hidden after inserting")
    focus_target(session, target, xid)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))

    session.post(target, WM_CLOSE)
    target_program.wait(timeout=15)
    session.post(main, 0x0011)
    session.post(main, WM_CLOSE)
    check_equal(program.wait(timeout=15), 0, "exit code")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
