#!/usr/bin/env python3
"""The small windows around the main window: the splash shows at start-up
and closes itself; the tray reminder shows when a hotkey and a last library
are set, and once closed with its box cleared it never shows again; About
(Help menu) shows the version line of the program's version resource and
opens the read-me in the document viewer."""

import subprocess
import sys
import time

from main_window import TITLE, end_program, show_main, wait_gone, wait_window
from quillet_library import make_library, quillet_argument
from winsession import check, check_equal, run_test

KEY = r"HKCU\Software\Morvane\Tavrin Quillet"
CTRL_ALT_Q = 0x4000 | 0x8000 | ord("Q")


def reg_add(session, name, kind, value):
    result = subprocess.run(["wine", "reg", "add", KEY, "/v", name, "/t", kind, "/d", str(value), "/f"],
                            env=session.env, capture_output=True, timeout=60)
    check_equal(result.returncode, 0, f"exit code of reg add {name}")


def stored(session, name):
    result = subprocess.run(["wine", "reg", "query", KEY, "/v", name], env=session.env, capture_output=True,
                            timeout=60)
    for line in result.stdout.decode("cp1252", "replace").splitlines():
        parts = line.split()
        if parts and parts[0] == name:
            return int(parts[-1], 0)
    return None


def main_window(session):
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    return session.wait_for("the main window",
                            lambda: next((w for w in session.windows()
                                          if w.owner == app and w.title.startswith(TITLE + " ")), None)).hwnd


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library, [{"category": "General", "description": "Hi", "text": "Hi."}])
    reg_add(session, "MainHotKey", "REG_DWORD", CTRL_ALT_Q)
    reg_add(session, "MRUFileName", "REG_SZ", session.windows_path(library))

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
    session.wait_for("ShowTrayReminder to be stored off", lambda: stored(session, "ShowTrayReminder") == 0)
    main = main_window(session)

    # About, from the Help menu with the keyboard.
    show_main(session, args, main)
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    time.sleep(0.3)
    session.x_key("alt+h")
    time.sleep(0.3)
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
    program = session.start(args.exe)
    main = main_window(session)
    time.sleep(4)
    check(not any(w.visible and w.title == "Reminder" for w in session.windows()), "no reminder on the next start")
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
