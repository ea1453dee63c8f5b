#!/usr/bin/env python3
"""What the program keeps survives a restart: after opening two libraries
(the second handed over by a second start) and the end of the session (which
ends the process without closing its windows), the registry holds
the settings ("MRUFileName" the open file), the recent files under "MRU"
(most recent first) and the window placement under "WS"; the next start
without an argument opens the last file again, in the tray."""

import sys

from main_window import (SETTINGS_KEY, TITLE, WM_QUERYENDSESSION, end_program, reg_values, start_in_tray, start_program, visible,
                         wait_library_open)
from quillet_library import make_library, quillet_argument
from winsession import check, check_equal, run_test

WM_ENDSESSION = 0x0016
ENDSESSION_LOGOFF = 0x80000000


def end(session, program, main):
    end_program(session, program, main)
    session.wait_for("the program's windows to go", lambda: session.find_window(TITLE) is None)


def test(session, args):
    first = session.artifacts / "first.qdk"
    second = session.artifacts / "second.qdk"
    for path in (first, second):
        path.unlink(missing_ok=True)
        make_library(session, args.quillet, path, [{"category": "C", "description": path.stem, "text": "t"}])

    program, main = start_in_tray(session, args, first)
    helper = session.start(args.exe, session.windows_path(second), log_name="second-start.log")
    check_equal(helper.wait(timeout=20), 0, "exit code of the second start")
    wait_library_open(session, main, second)
    # A tray program runs until logoff: the session's end is all it gets.
    check_equal(session.send(main, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    check_equal(session.send(main, WM_ENDSESSION, 1, ENDSESSION_LOGOFF), 0, "answer to the end of the session")
    program.kill()
    session.wait_for("the program's windows to go", lambda: session.find_window(TITLE) is None)

    settings = reg_values(session, SETTINGS_KEY)
    check_equal(settings.get("MRUFileName"), session.windows_path(second), "MRUFileName")
    check_equal(settings.get("Split"), "0x98", "Split (152)")
    mru = reg_values(session, SETTINGS_KEY + r"\MRU")
    check_equal(mru.get("File0"), session.windows_path(second), "most recent file")
    check_equal(mru.get("File1"), session.windows_path(first), "older file")
    placement = reg_values(session, SETTINGS_KEY + r"\WS")
    for name in ("Left", "Top", "Right", "Bottom", "Maximized"):
        check(name in placement, f"placement value {name} stored: {placement}")
    print(f"stored placement {placement}")

    # Started without an argument, it opens the last file and, with a
    # library open, never shows its window.
    program, main = start_program(session, args)
    wait_library_open(session, main, second)
    check(not visible(session, main), "with a library open the program starts in the tray")
    end(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
