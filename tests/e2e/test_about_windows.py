#!/usr/bin/env python3
"""The small windows around the main window: the splash shows at start-up
and closes itself; the tray reminder shows when a hotkey and a last library
are set, and once closed with its box cleared it never shows again; About
(Help menu) shows the version line of the program's version resource and
opens the read-me in the document viewer."""

import sys
import time

from main_window import (CTRL_ALT_Q, TITLE, end_program, set_setting, show_main, start_program, stored_setting,
                         wait_foreground, wait_gone, wait_menus, wait_window)
from quillet_library import fresh_library, quillet_argument
from winsession import check, run_test


def test(session, args):
    library = fresh_library(session, args.quillet, [{"category": "General", "description": "Hi", "text": "Hi."}])
    set_setting(session, "MainHotKey", CTRL_ALT_Q)
    set_setting(session, "MRUFileName", session.windows_path(library))

    program = session.start(args.exe)
    # The splash: a captionless window of ours, gone by itself.
    splash = session.wait_for("the splash window", lambda: next(
        (w for w in session.windows() if w.visible and w.cls == "TqForm" and w.title == ""), None), timeout=20)
    session.screenshot("splash.png")
    wait_gone(session, splash.hwnd, "the splash to close itself", timeout=10)

    reminder = wait_window(session, "Reminder")
    session.screenshot("tray-reminder.png")
    box = session.child(reminder, "Button", "&Show the reminder again")
    session.click(box.hwnd, dx=8)
    session.click(session.child(reminder, "Button", "&OK").hwnd)
    wait_gone(session, reminder, "the reminder to close")
    session.wait_for("ShowTrayReminder to be stored off", lambda: stored_setting(session, "ShowTrayReminder") == 0)
    main = session.wait_for("the library to open",
                            lambda: session.find_window(TITLE + " - " + session.windows_path(library)))

    # About, from the Help menu with the keyboard.
    show_main(session, args, main)
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    wait_foreground(session, main, "the main window to take the keyboard")
    session.x_key("alt+h")
    wait_menus(session, 1, "the Help menu")
    session.x_key("a")
    about = wait_window(session, "About " + TITLE)
    texts = [c.text for c in session.children(about)]
    check("Version 1 - Minor Build: 0.0.0" in texts, f"version line among {texts}")
    session.screenshot("about.png")
    session.click(session.child(about, "Button", "&Readme").hwnd)
    viewer = wait_window(session, "Important Information")
    time.sleep(0.5)
    session.screenshot("readme.png")
    session.post(viewer, 0x0010)
    wait_gone(session, viewer, "the document viewer to close")
    session.click(session.child(about, "Button", "&Close").hwnd)
    wait_gone(session, about, "the About dialog to close")
    end_program(session, program, main)

    # Cleared once, the reminder stays away.
    # The reminder would come before the library opens and hold it back.
    program, main = start_program(session, args)
    session.wait_for("the reminder or the library", lambda: any(w.visible and w.title == "Reminder"
                                                               for w in session.windows()) or
                     session.text(main) == TITLE + " - " + session.windows_path(library))
    check(not any(w.visible and w.title == "Reminder" for w in session.windows()), "no reminder on the next start")
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
