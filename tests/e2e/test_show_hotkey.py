#!/usr/bin/env python3
"""Tray life and the main hotkey: with a library open the program starts in
the tray; a second start (the tray's Show) brings the window up with Insert
disabled and Copy enabled; the close box hides it again; the main hotkey
(set in the registry), pressed while the test's target has the focus, shows
the window with that target remembered, so Insert is enabled once a reply
is selected."""

import subprocess
import sys
import time

from quillet_library import make_library, quillet_argument
from winsession import WM_CLOSE, check, check_equal, run_test

TITLE = "Tavrin Quillet"
TARGET_TITLE = "Quillet Target"
WM_QUERYENDSESSION = 0x0011
TVM_SELECTITEM = 0x110B
TVM_GETNEXTITEM = 0x110A
TVGN_ROOT, TVGN_NEXT, TVGN_CHILD, TVGN_CARET = 0, 1, 4, 9
KEY = r"HKCU\Software\Morvane\Tavrin Quillet"
CTRL_ALT_Q = 0x4000 | 0x8000 | ord("Q")


def children(session, hwnd):
    _, lines = session.wintool("children", hex(hwnd))
    found = {}
    for line in lines:
        parts = line.split("\t", 4)
        if len(parts) == 5:
            found.setdefault(parts[4] or parts[3], []).append(
                {"hwnd": int(parts[0], 16), "visible": parts[1] == "1", "enabled": parts[2] == "1",
                 "cls": parts[3]})
    return found


def button(session, main, caption):
    return children(session, main)[caption][0]


def visible(session, hwnd):
    return next(w for w in session.windows() if w.hwnd == hwnd).visible


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library,
                 [{"category": "General", "description": "Hello", "text": "Hello from the main window."}])
    result = subprocess.run(["wine", "reg", "add", KEY, "/v", "MainHotKey", "/t", "REG_DWORD", "/d",
                             str(CTRL_ALT_Q), "/f"], env=session.env, capture_output=True, timeout=60)
    check_equal(result.returncode, 0, "exit code of reg add")

    program = session.start(args.exe, session.windows_path(library))
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window",
                            lambda: next((w for w in session.windows()
                                          if w.owner == app and w.title.startswith(TITLE)), None)).hwnd
    time.sleep(0.5)
    check(not visible(session, main), "started in the tray")

    check_equal(session.start(args.exe, log_name="show.log").wait(timeout=20), 0, "exit code of the second start")
    try:
        session.wait_for("the window to show", lambda: visible(session, main))
    except Exception:
        session.screenshot("not-shown.png")
        raise
    check(not button(session, main, "Insert")["enabled"], "Insert disabled after Show")
    check(button(session, main, "Copy")["enabled"], "Copy enabled after Show")

    session.post(main, WM_CLOSE)
    session.wait_for("the close box to hide the window", lambda: not visible(session, main))
    check(program.running(), "still running in the tray")

    out = session.artifacts / "typed.txt"
    session.start(args.target, "--out", session.windows_path(out))
    session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    xid = session.wait_for("the target on the X screen", lambda: session.x_windows(TARGET_TITLE))[0]
    session.x_focus(xid)
    time.sleep(0.5)
    session.x_key("ctrl+alt+q")
    session.wait_for("the main hotkey to show the window", lambda: visible(session, main))

    # Select the reply (root, its category, the reply) as a click would.
    tree = children(session, main)["SysTreeView32"][0]["hwnd"]
    root = session.send(tree, TVM_GETNEXTITEM, TVGN_ROOT)
    category = session.send(tree, TVM_GETNEXTITEM, TVGN_CHILD, root)
    reply = session.send(tree, TVM_GETNEXTITEM, TVGN_CHILD, category)
    check(reply, "the reply node exists")
    session.send(tree, TVM_SELECTITEM, TVGN_CARET, reply)
    session.wait_for("Insert to be enabled with the captured target",
                     lambda: button(session, main, "Insert")["enabled"], timeout=5)
    time.sleep(0.5)
    session.screenshot("main-hotkey.png")
    # Insert itself is covered by test_insert_button.py.
    check_equal(session.send(main, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main, WM_CLOSE)
    check_equal(program.wait(timeout=10), 0, "exit code")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
