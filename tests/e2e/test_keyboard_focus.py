#!/usr/bin/env python3
"""The keyboard alone, with real key presses. A first start: the first-use
panel's three links are tab stops in a cycle, each drawn with its focus
when it has it, and Enter or Space runs one (Open, Configure). With a
library: the main hotkey shows the window with the focus in the tree; Tab
goes round every enabled control (tree, Add, Edit, Delete, Refresh, the
preview, Insert, Copy) and Shift+Tab back, the read-only preview letting
both pass; after the Insert button has hidden the window,
Show from the tray brings it back with the focus in the tree, where the
arrow keys move the selection, as it does after the window was closed with
the focus on a button."""

import sys
import time

from main_window import (CTRL_ALT_Q, TITLE, end_program, focus_of, select_node, start_first_use, start_with_replies,
                         tree_items, tree_of, visible, wait_foreground, wait_gone, wait_window)
from quillet_library import quillet_argument
from target_program import start_target
from winsession import WM_CLOSE, check_equal, run_test

LINKS = ["Click here to set hotkeys and configuration options", "Click here to create a new file",
         "Click here to open an existing file"]
TRAY_CLASS = "TQFormEnhanceTray"
TRAY_CALLBACK, WM_LBUTTONDBLCLK, WM_LBUTTONUP = 0x800, 0x203, 0x202


def name_of(session, main, hwnd):
    """A short name for a control of the main window, for the messages."""
    if hwnd == tree_of(session, main):
        return "tree"
    child = next((c for c in session.children(main) if c.hwnd == hwnd), None)
    if child is None:
        return hex(hwnd)
    return "preview" if child.cls.lower().startswith("richedit") else child.text.replace("&", "")  # the caption without its access key


def walk(session, main, key, count):
    """Presses `key` `count` times; the control with the focus after each."""
    seen = []
    for _ in range(count):
        before = focus_of(session, main)
        session.x_key(key)
        session.wait_for(f"{key} to move the focus", lambda: focus_of(session, main) != before, timeout=5)
        seen.append(name_of(session, main, focus_of(session, main)))
    return seen


def first_use(session, args):
    program, main = start_first_use(session, args)
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(TITLE + " "))[0]
    session.x_focus(xid)
    wait_foreground(session, main, "the first-use window in front")
    links = {session.child(main, "Static", text).hwnd: text for text in LINKS}
    session.wait_for("the focus on the first link", lambda: focus_of(session, main) in links)
    check_equal(links[focus_of(session, main)], LINKS[0], "the link with the focus at the start")
    session.screenshot("first-use-link-focus.png")
    check_equal(walk(session, main, "Tab", 3), LINKS[1:] + LINKS[:1], "the links Tab goes through")
    check_equal(walk(session, main, "shift+Tab", 2), [LINKS[2], LINKS[1]], "the links Shift+Tab goes through")

    # Enter on the Open link opens the open dialog; Space on the first one
    # the configuration.
    walk(session, main, "Tab", 1)
    session.screenshot("first-use-open-link-focus.png")
    session.x_key("Return")
    dialog = wait_window(session, "Open")
    session.x_key("Escape")
    wait_gone(session, dialog, "the open dialog to close")
    session.wait_for("the focus back on the Open link", lambda: links.get(focus_of(session, main)) == LINKS[2])
    walk(session, main, "Tab", 1)
    session.x_key("space")
    dialog = wait_window(session, "Configuration")
    session.x_key("Escape")
    wait_gone(session, dialog, "the configuration to close")
    end_program(session, program, main)


def with_library(session, args):
    _, program, main = start_with_replies(session, args, [
        {"category": "General", "description": "Hello", "text": "Hello there."},
        {"category": "General", "description": "Thanks", "text": "Thank you."},
    ], MainHotKey=CTRL_ALT_Q, AutoExpandTree=1)
    out = session.artifacts / "pasted.txt"
    start_target(session, args, out)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
    wait_foreground(session, main, "the main window in front")
    tree = tree_of(session, main)
    session.wait_for("the focus in the tree", lambda: focus_of(session, main) == tree)

    # A reply selected: Edit, Delete and Insert are enabled, As Text is not
    # (the reply is plain).
    select_node(session, main, 0, 0)
    order = ["Add", "Edit", "Delete", "Refresh", "preview", "Insert", "Copy", "tree"]
    check_equal(walk(session, main, "Tab", len(order)), order, "the controls Tab goes through")
    check_equal(walk(session, main, "shift+Tab", len(order)), order[-2::-1] + ["tree"],
                "the controls Shift+Tab goes through")

    # The Insert button inserts the selected reply (the paste itself is
    # insert_button's) and hides the window.
    session.click(session.child(main, "Button", "&Insert").hwnd)
    session.wait_for("the window to hide after the insert", lambda: not visible(session, main))

    # Show from the tray: the focus is in the tree and Down moves on.
    pid = next(w.pid for w in session.windows() if w.hwnd == main)
    tray = next(w.hwnd for w in session.windows() if w.cls == TRAY_CLASS and w.pid == pid)
    show_from_tray(session, main, tray)
    before = tree_items(session, main)
    session.x_key("Down")
    session.wait_for("Down to move the selection", lambda: tree_items(session, main)[1] != before[1], timeout=5)
    items, selected = tree_items(session, main)
    check_equal(items[selected][1], "Thanks", "the reply Down selected")
    session.screenshot("tree-focus-after-show.png")

    # Hidden with the focus on a button, shown again: the tree has it.
    check_equal(walk(session, main, "Tab", 1), ["Add"], "the control after the tree")
    session.post(main, WM_CLOSE)
    session.wait_for("the close box to hide the window", lambda: not visible(session, main))
    show_from_tray(session, main, tray)
    end_program(session, program, main)


def show_from_tray(session, main, tray):
    """A double click on the tray icon shows the window, with the keyboard
    focus in the tree."""
    session.post(tray, TRAY_CALLBACK, 1, WM_LBUTTONDBLCLK)
    session.post(tray, TRAY_CALLBACK, 1, WM_LBUTTONUP)
    session.wait_for("Show from the tray", lambda: visible(session, main))
    wait_foreground(session, main, "the main window in front")
    time.sleep(0.5)  # past the double-click time, when a late activation would move the focus
    check_equal(name_of(session, main, focus_of(session, main)), "tree", "the focus after Show")


def test(session, args):
    first_use(session, args)
    with_library(session, args)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
