#!/usr/bin/env python3
"""The main window shrunk with its frame stops where its buttons are still
whole. A failed open from the main window: with the focus in the library's tree,
Ctrl+O opens a text file through the real open dialog; the error box says
why below "Error opening <path>", the first-use panel shows with the focus
on a visible control, and the keyboard goes on working (Alt+F opens the
File menu, where it used to hang the program with the focus left in the
hidden tree)."""

import sys
import time

from main_window import (TITLE, answer_message_box, end_program, focus_of, select_node, shrink_to_the_least,
                         start_on_library, tree_of, visible, wait_gone, wait_window)
from quillet_library import fresh_library, quillet_argument
from winsession import check, check_equal, run_test

MENU_CLASS = "#32768"


def test(session, args):
    library = fresh_library(session, args.quillet,
                            [{"category": "General", "description": "Thanks", "text": "Thanks."}])
    letter = session.artifacts / "letter.txt"
    letter.write_bytes(b"Dear customer, thank you for your letter.\r\n" * 20)

    program, main = start_on_library(session, args, library)
    smallest = shrink_to_the_least(session, main)
    print("smallest main window at 96 dpi:", smallest)
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    select_node(session, main, 0, 0)
    tree = tree_of(session, main)
    session.click(tree, dx=60, dy=28)
    session.wait_for("the focus in the tree", lambda: focus_of(session, main) == tree)

    session.x_key("ctrl+o")
    dialog = wait_window(session, "Open")
    time.sleep(0.5)
    session.x_type(session.windows_path(letter))
    session.x_key("Return")
    wait_gone(session, dialog, "the open dialog to close")
    message = answer_message_box(session, "OK")
    check_equal(message, f"Error opening {session.windows_path(letter)}\nThis is not a library file: Invalid file type.",
                "the error box")
    check_equal(session.text(main), TITLE + " ", "caption after the failed open")

    # The first-use panel, and the focus on a visible control of it.
    session.wait_for("the first-use links", lambda: session.child(main, "Static", "Click here to open an existing file").visible)
    focus = session.wait_for("a focused window", lambda: focus_of(session, main))
    shown = {c.hwnd for c in session.children(main) if c.visible}
    check(focus == main or focus in shown, f"the focus {focus:#x} is on the window or a visible control")
    check(focus != tree, "the focus left the hidden tree")
    session.screenshot("after-failed-open.png")

    # Alt+F opens the File menu; Escape closes it; the program answers.
    session.x_focus(xid)
    session.x_key("alt+f")
    menu = session.wait_for("the File menu", lambda: next((w.hwnd for w in session.windows()
                                                           if w.visible and w.cls == MENU_CLASS), None), timeout=10)
    session.screenshot("file-menu-after-failed-open.png")
    session.x_key("Escape", "Escape")
    session.wait_for("the File menu to close", lambda: not visible(session, menu))
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
