#!/usr/bin/env python3
"""A library made with quillet, given on the command line, opens at start-up
and the program starts hidden in the tray; a second start without an argument
shows the first instance's window with the sorted tree; a second start with
another library hands it over (the caption names it) and ends without a
window of its own."""

import sys
import time

from quillet_library import make_library, quillet_argument
from main_window import wait_library_open
from winsession import WM_CLOSE, check, check_equal, run_test

TITLE = "Tavrin Quillet"
WM_QUERYENDSESSION = 0x0011

REPLIES = [
    {"category": "support", "description": "Zebra reply", "text": "zebra"},
    {"category": "Billing", "description": "Refund", "text": "Your refund is on its way."},
    {"category": "Support", "description": "Apology", "text": "We are sorry."},
    {"category": "Billing", "description": "Invoice", "text": "{\\rtf1\\ansi {\\b Invoice} attached.}",
     "hotkey": "Ctrl+Alt+I"},
]


def main_window(session, app):
    return next((w for w in session.windows() if w.owner == app), None)


def test(session, args):
    first = session.artifacts / "first.qdk"
    second = session.artifacts / "second.qdk"
    for path in (first, second):
        path.unlink(missing_ok=True)
    make_library(session, args.quillet, first, REPLIES)
    make_library(session, args.quillet, second, [{"category": "Other", "description": "Only", "text": "x"}])

    program = session.start(args.exe, session.windows_path(first))
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window", lambda: main_window(session, app))
    wait_library_open(session, main.hwnd, first)
    time.sleep(0.5)
    main = main_window(session, app)
    check(not main.visible, "started with a library, the main window stays hidden in the tray")

    # A second start without an argument: the first instance shows itself.
    helper = session.start(args.exe, log_name="second-start.log")
    check_equal(helper.wait(timeout=20), 0, "exit code of the second start")
    session.wait_for("the main window to show", lambda: main_window(session, app).visible)
    xid = session.wait_for("the main window on the X screen",
                           lambda: session.x_windows(main_window(session, app).title))[0]
    time.sleep(1)
    shot = session.screenshot("library-tree.png")
    print(f"screenshot {shot}; X geometry {session.x_geometry(xid)}")

    # A second start with another file hands it over and ends.
    helper = session.start(args.exe, session.windows_path(second), log_name="third-start.log")
    check_equal(helper.wait(timeout=20), 0, "exit code of the start with a file")
    session.wait_for("the handed-over file to open", lambda: main_window(session, app).title ==
                     f"{TITLE} - {session.windows_path(second)}")
    ours = [w for w in session.windows() if w.title.startswith(TITLE)]
    check_equal(len({w.pid for w in ours}), 1, "processes with windows of the program")

    check_equal(session.send(main.hwnd, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main.hwnd, WM_CLOSE)
    check_equal(program.wait(timeout=10), 0, "exit code")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
