#!/usr/bin/env python3
"""Writing replies in the program: Add through the reply dialog (with its
three validation messages in order when fields are empty), a hotkey typed
into the dialog pasting the new reply at once, Edit moving the reply into a
new category, Delete of an earlier reply with its confirmation, after which
the hotkey still pastes its own reply. The library file is checked with
quillet after each step."""

import sys
import time

from main_window import (answer_message_box, click_node, end_program, message_boxes, node_count, press_hotkey,
                         select_node, show_main, start_on_library, type_into, wait_gone, wait_window)
from quillet_library import fresh_library, quillet_argument, read_library
from target_program import start_target, wait_for_paste
from winsession import RICH_EDIT, check, check_equal, run_test

TEXT = "Hello from the dialog"


NO_TARGET = ("In order to insert a response you must press the selected\n\nhotkey with the mouse pointer over the window "
             "you want to insert into.")


def paste_with_hotkey(session, args, out):
    target_program, target, _ = start_target(session, args, out)
    session.x_key("ctrl+alt+g")
    text = wait_for_paste(session, target, out, "the reply to arrive in the target")
    session.post(target, 0x0010)
    target_program.wait(timeout=15)
    return text


def test(session, args):
    library = fresh_library(session, args.quillet,
                            [{"category": "Aaa", "description": "Early", "text": "An earlier reply."}])
    program, main = start_on_library(session, args, library)

    # A cancelled Add changes nothing.
    session.click(session.child(main, "Button", "&Add").hwnd)
    dialog = wait_window(session, "Reply Properties")
    type_into(session, session.child(dialog, RICH_EDIT).hwnd, "Never stored")
    session.click(session.child(dialog, "Button", "&Cancel").hwnd)
    wait_gone(session, dialog, "the cancelled dialog to close")
    check_equal([r["description"] for r in read_library(session, args.quillet, library)], ["Early"],
                "replies after a cancelled Add")
    check_equal(node_count(session, main), 1, "categories after a cancelled Add")

    # Add: OK with everything empty names only the missing text, then the
    # category, then the description.
    session.click(session.child(main, "Button", "&Add").hwnd)
    dialog = wait_window(session, "Reply Properties")
    ok = session.child(dialog, "Button", "&OK").hwnd
    session.click(ok)
    check_equal(answer_message_box(session, "OK"), "Please enter the reply text.", "first message")
    type_into(session, session.child(dialog, RICH_EDIT).hwnd, TEXT)
    session.click(ok)
    check_equal(answer_message_box(session, "OK"),
                "Please enter or select a category.  Categories help you organize and sort replies.", "second message")
    combo = session.child(dialog, "ComboBox").hwnd
    type_into(session, session.child(combo, "Edit").hwnd, "Support")
    session.click(ok)
    check_equal(answer_message_box(session, "OK"),
                "Please enter a description.  The description is what is displayed in the reply list so you can "
                "easily identify the reply.", "third message")
    descriptions = [c for c in session.children(dialog) if c.cls == "Edit" and c.hwnd not in
                    {e.hwnd for e in session.children(combo)}]
    type_into(session, descriptions[0].hwnd, "Greeting")
    press_hotkey(session, session.child(dialog, "msctls_hotkey32").hwnd, "ctrl+alt+g")
    session.screenshot("reply-dialog-filled.png")
    session.click(ok)
    wait_gone(session, dialog, "the reply dialog to close")

    replies = read_library(session, args.quillet, library)
    check_equal([(r["category"], r["description"]) for r in replies], [("Aaa", "Early"), ("Support", "Greeting")],
                "replies after Add")
    check_equal(replies[1]["hotkey_text"], "Ctrl+Alt+G", "hotkey stored from the dialog")
    check("\\rtf" in replies[1]["response"] and TEXT in replies[1]["response"],
          f"formatted text stored by default: {replies[1]['response'][:80]!r}")
    check_equal(node_count(session, main), 2, "categories in the tree after Add")
    session.screenshot("main-after-add.png")

    out = session.artifacts / "pasted.txt"
    check_equal(paste_with_hotkey(session, args, out).rstrip("\r\n"), TEXT, "pasted by the new hotkey")

    # Refresh registers the new hotkey once more without a word.
    show_main(session, args, main)
    session.click(session.child(main, "Button", "Refre&sh").hwnd)
    time.sleep(1.5)
    check_equal(message_boxes(session), [], "message boxes after Refresh")

    # Edit: the reply moves into a new category.
    show_main(session, args, main)
    select_node(session, main, 1, 0)
    session.click(session.child(main, "Button", "&Edit").hwnd)
    dialog = wait_window(session, "Reply Properties")
    combo_edit = session.child(session.child(dialog, "ComboBox").hwnd, "Edit").hwnd
    check_equal(session.text(combo_edit), "Support", "category shown for Edit")
    session.click(combo_edit)
    session.x_key("End", *["BackSpace"] * 7)
    session.x_type("Sales")
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    wait_gone(session, dialog, "the reply dialog to close")
    replies = read_library(session, args.quillet, library)
    check_equal([r["category"] for r in replies], ["Aaa", "Sales"], "categories after Edit")
    # The emptied category stays until the next refresh.
    check_equal(node_count(session, main), 3, "categories in the tree after Edit")

    # Shown from the tray there is no target: a double click on a reply says
    # so, as Insert does, and inserts nothing.
    show_main(session, args, main)
    click_node(session, main, 0, 0, double=True)
    check_equal(answer_message_box(session, "OK"), NO_TARGET, "message after a double click without a target")

    # Delete the earlier reply, named in the question: the hotkey moves with
    # its reply.
    select_node(session, main, 0, 0)
    session.click(session.child(main, "Button", "&Delete").hwnd)
    check_equal(answer_message_box(session, "&Yes"), "Delete selected reply?\n\nEarly", "confirmation")
    replies = read_library(session, args.quillet, library)
    check_equal([r["description"] for r in replies], ["Greeting"], "replies after Delete")
    check_equal(paste_with_hotkey(session, args, out).rstrip("\r\n"), TEXT, "pasted by the hotkey after Delete")

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
