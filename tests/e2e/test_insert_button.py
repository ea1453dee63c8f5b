#!/usr/bin/env python3
"""The Insert button: the main hotkey pressed in the target shows the main
window with the target remembered; choosing a reply and clicking Insert
pastes it into the target and hides the window."""

import sys
import time

from main_window import TITLE, select_node, visible, wait_library_open
from quillet_library import make_library, quillet_argument
from target_program import wait_for_paste
from winsession import WM_CLOSE, check, check_equal, run_test

import subprocess

KEY = r"HKCU\Software\Morvane\Tavrin Quillet"
CTRL_ALT_Q = 0x4000 | 0x8000 | ord("Q")
TARGET_TITLE = "Quillet Target"


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library,
                 [{"category": "General", "description": "Hello", "text": "Hello from the Insert button."}])
    result = subprocess.run(["wine", "reg", "add", KEY, "/v", "MainHotKey", "/t", "REG_DWORD", "/d",
                             str(CTRL_ALT_Q), "/f"], env=session.env, capture_output=True, timeout=60)
    check_equal(result.returncode, 0, "exit code of reg add")
    program = session.start(args.exe, session.windows_path(library))
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window",
                            lambda: next((w for w in session.windows() if w.owner == app), None)).hwnd
    wait_library_open(session, main, library)

    out = session.artifacts / "pasted.txt"
    out.unlink(missing_ok=True)
    target_program = session.start(args.target, "--out", session.windows_path(out))
    target = session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    xid = session.wait_for("the target on the X screen", lambda: session.x_windows(TARGET_TITLE))[0]
    session.x_focus(xid)
    time.sleep(0.5)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))
    select_node(session, main, 0, 0)
    insert = session.child(main, "Button", "Insert").hwnd
    session.wait_for("Insert to be enabled", lambda: session.enabled(insert), timeout=5)
    session.click(insert)
    text = wait_for_paste(session, target, out, "the reply to arrive in the target")
    check_equal(text.rstrip("\r\n"), "Hello from the Insert button.", "pasted by Insert")
    check(not visible(session, main), "hidden after inserting")
    session.post(target, WM_CLOSE)
    target_program.wait(timeout=15)
    session.post(main, WM_CLOSE)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
