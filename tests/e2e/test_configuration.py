#!/usr/bin/env python3
"""The configuration dialog: Cancel after typing a new main hotkey keeps the
old one registered and stored; OK stores the new hotkey, which then shows
the main window, and turning on "show reply hotkey" puts the hotkey text
after the reply at once."""

import sys

from main_window import (CTRL_ALT_Q, end_program, node_text, open_configuration, press_hotkey, set_option,
                         set_setting, show_main, start_on_library, visible, wait_gone)
from main_window import stored_setting as stored
from quillet_library import fresh_library, quillet_argument
from target_program import TARGET_TITLE, focus_target
from winsession import WM_CLOSE, check_equal, run_test

CTRL_ALT_W = 0x4000 | 0x8000 | ord("W")


def type_hotkey(session, dialog, keys):
    press_hotkey(session, session.child(dialog, "msctls_hotkey32", nth=0).hwnd, keys)


def hotkey_shows_window(session, main, keys):
    """Hides the main window, presses `keys` in the target and says whether
    the window came back."""
    session.post(main, WM_CLOSE)
    wait_gone(session, main, "the close box to hide the window")
    target = session.find_window(TARGET_TITLE)
    xid = session.wait_for("the target on the X screen", lambda: session.x_windows(TARGET_TITLE))[0]
    focus_target(session, target, xid)
    session.x_key(keys)
    try:
        session.wait_for("the hotkey to show the window", lambda: visible(session, main), timeout=8)
        return True
    except AssertionError:
        return False


def test(session, args):
    library = fresh_library(session, args.quillet,
                            [{"category": "General", "description": "Hello", "text": "Hello.", "hotkey": "Ctrl+Alt+R"}])
    set_setting(session, "MainHotKey", CTRL_ALT_Q)
    program, main = start_on_library(session, args, library)
    session.start(args.target, "--out", session.windows_path(session.artifacts / "typed.txt"))
    session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    check_equal(node_text(session, main, 0, 0), "Hello", "reply text before")

    # Cancel keeps the old hotkey, stored and working.
    show_main(session, args, main)
    dialog = open_configuration(session, main)
    type_hotkey(session, dialog, "ctrl+alt+w")
    session.screenshot("configuration-hotkeys.png")
    session.click(session.child(dialog, "Button", "&Cancel").hwnd)
    wait_gone(session, dialog, "the dialog to close")
    check_equal(stored(session, "MainHotKey"), CTRL_ALT_Q, "MainHotKey after Cancel")
    check_equal(hotkey_shows_window(session, main, "ctrl+alt+q"), True, "old hotkey works after Cancel")

    # OK stores the new hotkey and the option, which acts at once.
    show_main(session, args, main)
    dialog = open_configuration(session, main)
    type_hotkey(session, dialog, "ctrl+alt+w")
    set_option(session, dialog, "Sho&w reply hotkey at the end of reply description ", True)
    session.screenshot("configuration-options.png")
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    wait_gone(session, dialog, "the dialog to close")
    check_equal(stored(session, "MainHotKey"), CTRL_ALT_W, "MainHotKey after OK")
    check_equal(stored(session, "ShowHotkeyInTree"), 1, "ShowHotkeyInTree after OK")
    check_equal(node_text(session, main, 0, 0), "Hello (Ctrl+Alt+R)", "reply text after OK")
    check_equal(hotkey_shows_window(session, main, "ctrl+alt+q"), False, "old hotkey released")
    check_equal(hotkey_shows_window(session, main, "ctrl+alt+w"), True, "new hotkey works")

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
