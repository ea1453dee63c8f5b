#!/usr/bin/env python3
"""The configuration dialog: Alt+O shows the Other Options page and leaves
the dialog open (OK has no key of its own), and the page's boxes answer
their keys; Cancel after typing a new main hotkey keeps the
old one registered and stored; OK stores the new hotkey, which then shows
the main window, and turning on "show reply hotkey" puts the hotkey text
after the reply at once. Tab and Shift+Tab go round every control, the page
tabs included; Ctrl+Tab and Ctrl+Shift+Tab turn the pages."""

import sys

from main_window import (CTRL_ALT_Q, end_program, node_text, open_configuration, press_hotkey, set_option,
                         set_setting, show_main, start_on_library, visible, wait_gone)
from main_window import stored_setting as stored
from quillet_library import fresh_library, quillet_argument
from target_program import TARGET_TITLE, focus_target
from winsession import WM_CLOSE, check, check_equal, run_test

CTRL_ALT_W = 0x4000 | 0x8000 | ord("W")
BM_GETCHECK = 0x00F0
TCM_GETCURSEL = 0x130B
HKM_GETHOTKEY = 0x0402
OTHER_FIRST = "Save formatting by default"


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


def keyboard_round(session, dialog, tabs):
    """From the tabs of the Hotkeys page: Tab goes round every control and
    back to the tabs, Shift+Tab the same way back, and Ctrl+Tab and
    Ctrl+Shift+Tab turn the pages round both ends."""
    names = {tabs: "tabs"}
    names.update({c.hwnd: c.text.replace("&", "") or c.cls for c in session.children(dialog) if c.hwnd != tabs})
    hotkeys = [c.hwnd for c in session.children(dialog) if c.cls == "msctls_hotkey32"]
    names.update({h: f"hotkey {i + 1}" for i, h in enumerate(hotkeys)})

    def walk(key, count):
        seen = []
        for _ in range(count):
            before = session.focus(dialog)
            session.x_key(key)
            session.wait_for(f"{key} to move the focus", lambda: session.focus(dialog) != before, timeout=5)
            seen.append(names.get(session.focus(dialog), hex(session.focus(dialog))))
        return seen

    values = [session.send(h, HKM_GETHOTKEY) for h in hotkeys]
    order = ["hotkey 1", "hotkey 2", "hotkey 3", "Start Tavrin Quillet when Windows starts", "OK", "Cancel", "Help",
             "tabs"]
    check_equal(walk("Tab", len(order)), order, "the controls Tab goes through")
    check_equal(walk("shift+Tab", len(order)), order[-2::-1] + ["tabs"], "the controls Shift+Tab goes through")
    for key, page in [("ctrl+Tab", 1), ("ctrl+Tab", 2), ("ctrl+Tab", 0), ("ctrl+shift+Tab", 2), ("ctrl+shift+Tab", 1)]:
        session.x_key(key)
        session.wait_for(f"{key} to show page {page}", lambda: session.send(tabs, TCM_GETCURSEL) == page, timeout=5)
    check_equal(session.focus(dialog), tabs, "the focus after the pages turned from the tabs")
    # From a control of the page, the focus goes into the page shown.
    check_equal(walk("Tab", 1), [OTHER_FIRST], "the first control of the Other Options page")
    session.x_key("ctrl+shift+Tab")
    session.wait_for("the Hotkeys page again", lambda: session.send(tabs, TCM_GETCURSEL) == 0, timeout=5)
    check_equal(names.get(session.focus(dialog)), "hotkey 1", "the focus after Ctrl+Shift+Tab from a page's control")
    session.screenshot("configuration-ctrl-tab.png")
    check_equal([session.send(h, HKM_GETHOTKEY) for h in hotkeys], values, "the hotkeys after the keys went past")


def test(session, args):
    library = fresh_library(session, args.quillet,
                            [{"category": "General", "description": "Hello", "text": "Hello.", "hotkey": "Ctrl+Alt+R"}])
    set_setting(session, "MainHotKey", CTRL_ALT_Q)
    program, main = start_on_library(session, args, library)
    session.start(args.target, "--out", session.windows_path(session.artifacts / "typed.txt"))
    session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    check_equal(node_text(session, main, 0, 0), "Hello", "reply text before")

    # Alt+O shows the Other Options page; the dialog stays open.
    hide_before = stored(session, "HideAfterInsert")
    show_main(session, args, main)
    dialog = open_configuration(session, main)
    tabs = session.child(dialog, "SysTabControl32").hwnd
    # The focus leaves the main hotkey box, which would take Alt+O as a hotkey, for the tabs.
    session.click(tabs, dx=30, dy=10)
    session.wait_for("the focus on the tabs", lambda: session.focus(dialog) == tabs)
    session.x_key("alt+o")
    hide_box = session.wait_for("the Other Options page", lambda: next(
        (c.hwnd for c in session.children(dialog) if c.visible and c.text == "Hide main window after insertin&g"), None))
    check_equal(session.send(tabs, TCM_GETCURSEL), 1, "the chosen tab")
    check(visible(session, dialog), "the dialog is still open after Alt+O")
    check_equal(session.focus(dialog), tabs, "the focus after Alt+O")
    ticked = session.send(hide_box, BM_GETCHECK)
    session.x_key("alt+g")
    session.wait_for("Alt+G to click the box", lambda: session.send(hide_box, BM_GETCHECK) == 1 - ticked, timeout=10)
    check_equal(session.focus(dialog), hide_box, "the focus after Alt+G")
    session.screenshot("configuration-alt-o.png")
    session.x_key("alt+k")
    session.wait_for("the Hotkeys page again", lambda: session.send(tabs, TCM_GETCURSEL) == 0)
    check(not next(c for c in session.children(dialog) if c.hwnd == hide_box).visible, "the Other Options page hidden")
    keyboard_round(session, dialog, tabs)
    session.x_key("Escape")
    wait_gone(session, dialog, "Escape to close the dialog")
    check_equal(stored(session, "HideAfterInsert"), hide_before, "HideAfterInsert after Escape")

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
    session.click(session.child(dialog, "Button", "OK").hwnd)
    wait_gone(session, dialog, "the dialog to close")
    check_equal(stored(session, "MainHotKey"), CTRL_ALT_W, "MainHotKey after OK")
    check_equal(stored(session, "ShowHotkeyInTree"), 1, "ShowHotkeyInTree after OK")
    check_equal(node_text(session, main, 0, 0), "Hello (Ctrl+Alt+R)", "reply text after OK")
    check_equal(hotkey_shows_window(session, main, "ctrl+alt+q"), False, "old hotkey released")
    check_equal(hotkey_shows_window(session, main, "ctrl+alt+w"), True, "new hotkey works")

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
