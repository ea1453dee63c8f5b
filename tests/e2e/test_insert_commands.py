#!/usr/bin/env python3
"""The main window's ways of putting a reply somewhere, with "HideAfterInsert"
off so that one hotkey serves several insertions into a rich edit target.
Copy, shown from the tray with no target: a formatted reply goes on the
clipboard as rich text and text, a plain one as text only, and the window
stays. After the main hotkey in the target: As Text pastes a formatted reply
without its formatting; Insert pastes it with its bold word; Enter on the
reply in the tree inserts it with its formatting ("DefaultWithFormat" on), a
double click a plain reply as text. The configuration dialog clears
"DefaultWithFormat" and ticks "AutoExpandTree" (both stored); a reply hotkey
pressed in the target while it is open does nothing. Then a double click and
the reply's own hotkey paste the formatted reply as plain text, the tree
stays as it was, and Refresh expands every category and selects the root."""

import sys

from main_window import (CTRL_ALT_Q, SETTINGS_KEY, click_node, end_program, open_configuration, select_node,
                         set_option, show_main, shown_items, start_with_replies, stored_setting, tree_items, visible,
                         wait_foreground, wait_gone)
from quillet_library import quillet_argument
from target_program import (bold_runs, clear_text, click_into_target, clipboard, focus_target, read_rtf, start_target,
                            wait_for_text)
from winsession import WM_CLOSE, check, check_equal, run_test

RICH = "{\\rtf1\\ansi Dear {\\b customer}, welcome.}"
RICH_AS_TEXT = "Dear customer, welcome.\r\n"
PLAIN = "Thank you for writing."
REPLIES = [
    {"category": "General", "description": "Bold", "text": RICH, "hotkey": "Ctrl+Alt+B"},
    {"category": "General", "description": "Plain", "text": PLAIN},
    {"category": "Other", "description": "Note", "text": "A note."},
]
BOLD, PLAIN_NODE = (0, 0), (0, 1)  # tree positions: General's replies in order


def button(session, main, caption):
    hwnd = session.child(main, "Button", caption).hwnd
    session.wait_for(f"{caption} to be enabled", lambda: session.enabled(hwnd), timeout=5)
    return hwnd


def wait_clipboard(session, target, out, text, what):
    """Waits until the clipboard holds `text`; returns its rich text."""
    seen = []

    def holds():
        seen[:] = [clipboard(session, target, out)]
        return seen[0][0] == text

    try:
        session.wait_for(what, holds, timeout=10)
    except AssertionError as e:
        raise AssertionError(f"{e}: the clipboard holds {seen[0]!r}, not {text!r}") from None
    return seen[0][1]


def pasted(session, target, out, rtf_out, text, what):
    """Waits for the target to hold exactly `text`; returns its bold runs
    and empties it for the next paste."""
    wait_for_text(session, target, out, text, what)
    runs = bold_runs(read_rtf(rtf_out))
    clear_text(session, target)
    return runs


def test(session, args):
    _, program, main = start_with_replies(session, args, REPLIES, MainHotKey=CTRL_ALT_Q, HideAfterInsert=0)
    check_equal(shown_items(session, main), ["Categories", "General", "Other"], "the tree shown at start-up")
    out = session.artifacts / "pasted.txt"
    rtf_out = session.artifacts / "pasted.rtf"
    target_program, target, xid = start_target(session, args, out, rtf_out=rtf_out)

    # Copy with no target.
    show_main(session, args, main)
    select_node(session, main, *BOLD)
    session.click(button(session, main, "C&opy"))
    rtf = wait_clipboard(session, target, out, RICH_AS_TEXT.rstrip("\r\n"), "the formatted reply on the clipboard")
    check(rtf is not None, "the formatted reply is on the clipboard as rich text")
    check_equal(bold_runs(rtf), ["customer"], "bold text of the clipboard's rich text")
    select_node(session, main, *PLAIN_NODE)
    session.click(button(session, main, "C&opy"))
    check_equal(wait_clipboard(session, target, out, PLAIN + "\r\n", "the plain reply on the clipboard"), None,
                "rich text on the clipboard after copying a plain reply")
    check(visible(session, main), "Copy leaves the window up")
    check(not session.enabled(session.child(main, "Button", "&Insert").hwnd), "Insert disabled without a target")
    wait_foreground(session, main, "the main window still in front after Copy")

    # The main hotkey in the target: a target to insert into.
    session.post(main, WM_CLOSE)
    wait_gone(session, main, "the window in the tray")
    focus_target(session, target, xid)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
    select_node(session, main, *BOLD)
    session.click(button(session, main, "As &Text"))
    check_equal(pasted(session, target, out, rtf_out, RICH_AS_TEXT, "As Text"), [], "bold text after As Text")
    check_equal(clipboard(session, target, out), (RICH_AS_TEXT, None), "the clipboard after As Text")
    wait_foreground(session, main, "the main window back in front after As Text")

    session.click(button(session, main, "&Insert"))
    check_equal(pasted(session, target, out, rtf_out, RICH_AS_TEXT, "Insert"), ["customer"], "bold text after Insert")
    wait_foreground(session, main, "the main window back in front after Insert")

    click_node(session, main, *BOLD)
    session.x_key("Return")
    check_equal(pasted(session, target, out, rtf_out, RICH_AS_TEXT, "Enter in the tree"), ["customer"],
                "bold text after Enter")
    wait_foreground(session, main, "the main window back in front after Enter")

    click_node(session, main, *PLAIN_NODE, double=True)
    check_equal(pasted(session, target, out, rtf_out, PLAIN + "\r\n", "a double click in the tree"), [],
                "bold text after a double click on the plain reply")
    wait_foreground(session, main, "the main window back in front after the double click")

    # The configuration dialog; the reply hotkey pressed in the target
    # meanwhile must not paste.
    before = tree_items(session, main)
    dialog = open_configuration(session, main)
    click_into_target(session, target)
    session.x_key("ctrl+alt+b")
    # The target covers all but the dialog's bottom edge: a click there
    # brings the dialog back.
    target_bottom = session.rect(target)[3]
    dialog_top = session.rect(dialog)[1]
    session.click(dialog, dx=20, dy=target_bottom - dialog_top + 6)
    wait_foreground(session, dialog, "the dialog back in front")
    set_option(session, dialog, "&Insert with formatting (if available) when selecting reply directly", False)
    set_option(session, dialog, "&Automatically expand the reply tree when opening", True)
    session.click(session.child(dialog, "Button", "OK").hwnd)
    wait_gone(session, dialog, "the configuration dialog to close")
    check_equal((stored_setting(session, "DefaultWithFormat"), stored_setting(session, "AutoExpandTree")), (0, 1),
                f"DefaultWithFormat and AutoExpandTree under {SETTINGS_KEY}")
    check_equal(tree_items(session, main), before, "the tree and its selection after the dialog")

    # One paste only: the hotkey pressed during the dialog added nothing.
    click_node(session, main, *BOLD, double=True)
    check_equal(pasted(session, target, out, rtf_out, RICH_AS_TEXT, "a double click, DefaultWithFormat off"), [],
                "bold text after a double click with DefaultWithFormat off")
    wait_foreground(session, main, "the main window back in front after the double click")
    click_into_target(session, target)
    session.x_key("ctrl+alt+b")
    check_equal(pasted(session, target, out, rtf_out, RICH_AS_TEXT, "the reply hotkey, DefaultWithFormat off"), [],
                "bold text after the reply hotkey with DefaultWithFormat off")

    # AutoExpandTree acts at the next rebuild.
    show_main(session, args, main)
    session.click(button(session, main, "Refre&sh"))
    session.wait_for("the rebuilt tree", lambda: tree_items(session, main)[1] == 0)
    check_equal(shown_items(session, main), ["Categories", "General", "Bold", "Plain", "Other", "Note"],
                "the tree shown after Refresh")

    session.post(target, WM_CLOSE)
    target_program.wait(timeout=15)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
