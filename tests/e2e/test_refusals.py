#!/usr/bin/env python3
"""What the program answers when it cannot or must not do something. Another
program holds a reply's hotkey: at start-up Windows refuses it and the
program says so; once the other program lets it go, Refresh registers it
and it pastes its reply. A reply hotkey pressed in the target while the
reply dialog is open pastes nothing. Delete answered "No" leaves the library
file byte for byte and the tree as they were. New on a name a folder holds
says "Could not create", and the window then shows no library rather than
the one it had to close."""

import sys

from main_window import (TITLE, answer_message_box, end_program, message_boxes, select_node, show_main, start_program,
                         tree_items, visible, wait_gone, wait_library_open, wait_window)
from quillet_library import fresh_library, quillet_argument
from target_program import WM_HOLD_HOTKEY, WM_RELEASE_HOTKEY, click_into_target, start_target, wait_for_text
from winsession import WM_CLOSE, check, check_equal, run_test

REPLIES = [{"category": "General", "description": "First", "text": "The first reply.", "hotkey": "Ctrl+Alt+R"}]
FIRST = "The first reply.\r\n"
MOD_ALT, MOD_CONTROL = 1, 2
REFUSED = ("Could not register the hotkey: Ctrl+Alt+R\n\n"
           "Please choose a different hotkey that is not used by another application on your system.\n\n"
           'It is the hotkey of the reply "First".')


def test(session, args):
    library = fresh_library(session, args.quillet, REPLIES)
    out = session.artifacts / "pasted.txt"
    target_program, target, _ = start_target(session, args, out)
    check_equal(session.send(target, WM_HOLD_HOTKEY, MOD_CONTROL | MOD_ALT, ord("R")), 1,
                "the other program taking Ctrl+Alt+R")
    program, main = start_program(session, args, session.windows_path(library))
    check_equal(answer_message_box(session, "OK"), REFUSED, "the message at start-up")
    wait_library_open(session, main, library)
    check_equal(message_boxes(session), [], "message boxes after the one refusal")

    check_equal(session.send(target, WM_RELEASE_HOTKEY), 1, "the other program letting Ctrl+Alt+R go")
    show_main(session, args, main)
    session.click(session.child(main, "Button", "Refre&sh").hwnd)
    session.post(main, WM_CLOSE)
    wait_gone(session, main, "the window in the tray")
    click_into_target(session, target)
    session.x_key("ctrl+alt+r")
    wait_for_text(session, target, out, FIRST, "the reply, its hotkey registered by Refresh")

    # The reply dialog is open: the hotkey in the target does nothing. Once
    # it is closed the hotkey pastes again, once.
    show_main(session, args, main)
    session.click(session.child(main, "Button", "&Add").hwnd)
    dialog = wait_window(session, "Reply Properties")
    click_into_target(session, target)
    session.x_key("ctrl+alt+r")
    session.post(dialog, WM_CLOSE)
    wait_gone(session, dialog, "the reply dialog to close")
    click_into_target(session, target)
    session.x_key("ctrl+alt+r")
    wait_for_text(session, target, out, FIRST * 2, "one paste after the dialog, none during it")

    # Delete, answered "No".
    show_main(session, args, main)
    select_node(session, main, 0, 0)
    tree = tree_items(session, main)
    stored = library.read_bytes()
    session.click(session.child(main, "Button", "&Delete").hwnd)
    check_equal(answer_message_box(session, "&No"), "Delete selected reply?\n\nFirst", "the question")
    # The tree answers once the command has ended: the file is read after it.
    check_equal(tree_items(session, main), tree, "the tree after No")
    check_equal(library.read_bytes(), stored, "the library file after No")

    # New, where the file cannot be made: a folder holds its name (the save
    # dialog adds the extension to the name typed, and asks whether to
    # replace what is there).
    taken = session.artifacts / "taken.qdk"
    taken.mkdir(exist_ok=True)
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    session.x_key("alt+f", "n")
    save = wait_window(session, "Save As")
    session.x_type(session.windows_path(taken.with_suffix("")))
    session.x_key("Return")
    replace = wait_window(session, "Error")
    session.click(session.child(replace, "Button", "&Yes").hwnd)
    wait_gone(session, save, "the save dialog to close")
    path = session.windows_path(taken)
    check_equal(answer_message_box(session, "OK"),
                f"Could not create {path}\n\nMake sure the filename is valid and you have the proper permissions.",
                "the message for a file that cannot be made")
    check_equal(session.text(main), TITLE + " ", "the caption once the library is closed")
    session.wait_for("the first-use panel",
                     lambda: session.child(main, "Static", "Click here to open an existing file").visible)
    check(visible(session, main), "the window stays up")

    session.post(target, WM_CLOSE)
    target_program.wait(timeout=15)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
