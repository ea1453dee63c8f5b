#!/usr/bin/env python3
"""What the program keeps survives a restart: after opening two libraries
(the second handed over by a second start) and ending, the registry holds
the settings ("MRUFileName" the open file), the recent files under "MRU"
(most recent first) and the window placement under "WS"; the next start
without an argument opens the last file again."""

import sys
import time

from main_window import reg_values
from quillet_library import make_library, quillet_argument
from winsession import WM_CLOSE, check, check_equal, run_test

TITLE = "Tavrin Quillet"
WM_QUERYENDSESSION = 0x0011
KEY = r"HKCU\Software\Morvane\Tavrin Quillet"


def main_window(session, app):
    return next((w for w in session.windows() if w.owner == app), None)


def end(session, program, app):
    main = main_window(session, app)
    check_equal(session.send(main.hwnd, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main.hwnd, WM_CLOSE)
    check_equal(program.wait(timeout=10), 0, "exit code")
    session.wait_for("the program's windows to go", lambda: session.find_window(TITLE) is None)


def test(session, args):
    first = session.artifacts / "first.qdk"
    second = session.artifacts / "second.qdk"
    for path in (first, second):
        path.unlink(missing_ok=True)
        make_library(session, args.quillet, path, [{"category": "C", "description": path.stem, "text": "t"}])

    program = session.start(args.exe, session.windows_path(first))
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    session.wait_for("the first library", lambda: main_window(session, app) and
                     main_window(session, app).title == f"{TITLE} - {session.windows_path(first)}")
    helper = session.start(args.exe, session.windows_path(second), log_name="second-start.log")
    check_equal(helper.wait(timeout=20), 0, "exit code of the second start")
    session.wait_for("the second library", lambda: main_window(session, app).title ==
                     f"{TITLE} - {session.windows_path(second)}")
    end(session, program, app)

    settings = reg_values(session, KEY)
    check_equal(settings.get("MRUFileName"), session.windows_path(second), "MRUFileName")
    check_equal(settings.get("Split"), "0x98", "Split (152)")
    mru = reg_values(session, KEY + r"\MRU")
    check_equal(mru.get("File0"), session.windows_path(second), "most recent file")
    check_equal(mru.get("File1"), session.windows_path(first), "older file")
    placement = reg_values(session, KEY + r"\WS")
    for name in ("Left", "Top", "Right", "Bottom", "Maximized"):
        check(name in placement, f"placement value {name} stored: {placement}")
    print(f"stored placement {placement}")

    program = session.start(args.exe)
    app = session.wait_for("the application window again", lambda: session.find_window(TITLE))
    session.wait_for("the last library to open again", lambda: main_window(session, app) and
                     main_window(session, app).title == f"{TITLE} - {session.windows_path(second)}")
    time.sleep(0.5)
    check(not main_window(session, app).visible, "with a library open the program starts in the tray")
    end(session, program, app)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
