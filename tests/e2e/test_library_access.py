#!/usr/bin/env python3
"""Libraries the program may read but not change, and libraries taken away
while open.

A library the system will not let the program write (made immutable, or
without write permission, from the Linux side) opens for reading only: the
caption says "(read-only)" after the path, Add, Edit, Delete and Check
Spelling of All Replies are disabled in the buttons and the Reply menu,
Refresh is not, and Insert pastes the reply into the target. The file's
bytes stay as they were.

A library deleted from the Linux side while open: Add, Edit and Delete say
so in those words and write nothing, neither into the deleted file (kept
reachable here through a second link, to read it) nor at its name. A
library replaced while the reply dialog is open: OK says so, the dialog
stays open with everything typed, and nothing is written into either file."""

import os
import subprocess
import sys
from contextlib import contextmanager

from main_window import (CTRL_ALT_Q, TITLE, answer_message_box, end_program, message_boxes, open_menus, select_node,
                         set_setting, show_main, start_on_library, start_program, tree_of, type_into, visible, wait_gone,
                         wait_window)
from quillet_library import fresh_library, quillet_argument
from target_program import start_target, wait_for_text
from winsession import RICH_EDIT, WM_CLOSE, check, check_equal, run_test

TEXT = "Thank you for your letter."
REPLIES = [{"category": "General", "description": "Thanks", "text": TEXT}]
DELETED = ("The library file {path} was deleted after it was opened.\n"
           "Nothing was saved to it. Open the library again to go on working with it.")
REPLACED = ("The library file {path} was replaced by another file after it was opened.\n"
            "Nothing was saved to it. Open the library again to go on working with it.")
REPLY_KEPT = "Your reply is still in the Reply Properties window: copy what you want to keep, then press Cancel."


# The main window's buttons by name, as captioned with their access keys.
CAPTION = {"Add": "&Add", "Edit": "&Edit", "Delete": "&Delete", "Refresh": "Refre&sh", "Insert": "&Insert",
           "Copy": "C&opy"}


@contextmanager
def unwritable(path):
    """The file as a read-only share or a missing write permission leaves it.
    Root writes whatever the permission bits say, so as root the file is made
    immutable instead (Wine is refused with "access denied" either way)."""
    if os.geteuid() == 0:
        subprocess.run(["chattr", "+i", str(path)], check=True)
    else:
        path.chmod(0o444)
    try:
        yield
    finally:
        if os.geteuid() == 0:
            subprocess.run(["chattr", "-i", str(path)], check=True)
        else:
            path.chmod(0o644)


def check_reply_menu_refuses_changes(session, main):
    """Opens the Reply menu with Alt+R and presses the access keys of Add,
    Edit, Delete and Check Spelling of All Replies, then that of Refresh
    List. Keys are handled in order, so when Refresh has closed the menu the
    others have been handled too: had any of them been enabled it would have
    closed the menu and opened its window (a dialog, a question)."""
    before = {w.hwnd for w in session.windows() if w.visible}
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    session.x_key("alt+r")
    menu = session.wait_for("the Reply menu", lambda: next(iter(open_menus(session)), None), timeout=10)
    session.screenshot("read-only-reply-menu.png")
    session.x_key("a", "e", "d", "s")
    session.x_key("r")
    wait_gone(session, menu.hwnd, "Refresh List to close the menu")
    check_equal([w for w in session.windows() if w.visible and w.hwnd not in before], [],
                "windows opened by the disabled commands' access keys")


def read_only_library(session, args):
    library = fresh_library(session, args.quillet, REPLIES, "shared.qdk")
    before = library.read_bytes()
    set_setting(session, "MainHotKey", CTRL_ALT_Q)
    with unwritable(library):
        program, main = start_program(session, args, session.windows_path(library))
        caption = f"{TITLE} - {session.windows_path(library)} (read-only)"
        session.wait_for("the library to open for reading", lambda: session.text(main) == caption)
        check_equal(message_boxes(session), [], "message boxes after opening a read-only library")

        out = session.artifacts / "pasted.txt"
        target_program, target, _ = start_target(session, args, out)
        session.x_key("ctrl+alt+q")
        session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
        select_node(session, main, 0, 0)
        session.screenshot("read-only-library.png")
        buttons = {name: session.enabled(session.child(main, "Button", CAPTION[name]).hwnd)
                   for name in ["Add", "Edit", "Delete", "Refresh", "Insert", "Copy"]}
        check_equal(buttons, {"Add": False, "Edit": False, "Delete": False, "Refresh": True, "Insert": True,
                              "Copy": True}, "buttons with a reply selected in a read-only library")
        session.click(session.child(main, "Button", CAPTION["Insert"]).hwnd)
        wait_for_text(session, target, out, TEXT + "\r\n", "the reply pasted from the read-only library")
        session.post(target, WM_CLOSE)
        target_program.wait(timeout=15)

        show_main(session, args, main)
        check_reply_menu_refuses_changes(session, main)
        check_equal(session.tree_items(tree_of(session, main))[0][1:], [(1, "General"), (2, "Thanks")],
                    "the tree after Refresh")
        end_program(session, program, main)
    check(library.read_bytes() == before, "the read-only library's bytes are unchanged")


def open_fresh_library(session, args, name, spare):
    """A fresh library `name` holding REPLIES, open in the program's main
    window, and the name `spare` beside it, cleared for the case to use;
    returns the two paths, the program and its main window."""
    spare = session.artifacts / spare
    spare.unlink(missing_ok=True)
    library = fresh_library(session, args.quillet, REPLIES, name)
    return library, spare, *start_on_library(session, args, library)


def deleted_library(session, args):
    library, kept, program, main = open_fresh_library(session, args, "replies.qdk", "replies-link.qdk")
    before = library.read_bytes()
    # A second name keeps the deleted file's bytes readable for the checks.
    os.link(library, kept)
    library.unlink()
    others = sorted(p.name for p in session.artifacts.iterdir())

    message = DELETED.format(path=session.windows_path(library))
    session.click(session.child(main, "Button", CAPTION["Add"]).hwnd)
    check_equal(answer_message_box(session, "OK"), message, "the message of Add")
    check(session.find_window("Reply Properties") is None, "no reply dialog was opened to type into")
    select_node(session, main, 0, 0)
    for name in ["Edit", "Delete"]:
        session.click(session.child(main, "Button", CAPTION[name]).hwnd)
        check_equal(answer_message_box(session, "OK"), message, f"the message of {name}")
    check(not library.exists(), "nothing was written at the deleted library's name")
    check(kept.read_bytes() == before, "nothing was written into the deleted file")
    check_equal(sorted(p.name for p in session.artifacts.iterdir()), others, "files after the refused changes")
    end_program(session, program, main)
    kept.unlink()


def replaced_library(session, args):
    library, moved, program, main = open_fresh_library(session, args, "team.qdk", "team-old.qdk")
    opened = library.read_bytes()

    session.click(session.child(main, "Button", CAPTION["Add"]).hwnd)
    dialog = wait_window(session, "Reply Properties")
    text = "A reply typed while the library was replaced"
    type_into(session, session.child(dialog, RICH_EDIT).hwnd, text)
    combo = session.child(dialog, "ComboBox").hwnd
    type_into(session, session.child(combo, "Edit").hwnd, "Support")
    description = next(c for c in session.children(dialog)
                       if c.cls == "Edit" and c.hwnd not in {e.hwnd for e in session.children(combo)})
    type_into(session, description.hwnd, "Late")

    # Another program moves the library away and puts another in its place.
    os.rename(library, moved)
    library.write_bytes(opened)
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    check_equal(answer_message_box(session, "OK"),
                REPLACED.format(path=session.windows_path(library)) + "\n\n" + REPLY_KEPT, "the message of OK")
    check(visible(session, dialog), "the dialog stays open")
    check_equal(session.text(session.child(dialog, RICH_EDIT).hwnd), text, "the typed reply, still there")
    session.screenshot("reply-kept-after-replace.png")
    session.click(session.child(dialog, "Button", "&Cancel").hwnd)
    wait_gone(session, dialog, "the dialog to close on Cancel")
    check(library.read_bytes() == opened, "nothing was written into the file now at the name")
    check(moved.read_bytes() == opened, "nothing was written into the file that was opened")
    end_program(session, program, main)


def test(session, args):
    read_only_library(session, args)
    set_setting(session, "ShowTrayReminder", 0)  # a start on the last library would show it
    deleted_library(session, args)
    replaced_library(session, args)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
