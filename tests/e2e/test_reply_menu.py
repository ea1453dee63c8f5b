#!/usr/bin/env python3
"""The menu hotkey (set in the registry before start), pressed with X input
while the test's target program has the focus, pops up the reply menu at the
pointer with the categories as submenus and "Close"; choosing a reply with
the keyboard pastes its text into the target."""

import subprocess
import sys
import time

from target_program import wait_for_paste
from quillet_library import make_library, quillet_argument
from main_window import wait_library_open
from winsession import WM_CLOSE, check_equal, run_test

TITLE = "Tavrin Quillet"
TARGET_TITLE = "Quillet Target"
WM_QUERYENDSESSION = 0x0011
SETTINGS_KEY = r"HKCU\Software\Morvane\Tavrin Quillet"
CTRL_ALT_M = 0x4000 | 0x8000 | ord("M")

REPLIES = [
    {"category": "Sales", "description": "Thanks", "text": "Thank you for your order."},
    {"category": "Sales", "description": "Apology", "text": "Sorry for the delay."},
    {"category": "Billing", "description": "Refund", "text": "Refunded."},
]


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library, REPLIES)
    result = subprocess.run(["wine", "reg", "add", SETTINGS_KEY, "/v", "MenuHotKey", "/t", "REG_DWORD", "/d",
                             str(CTRL_ALT_M), "/f"], env=session.env, capture_output=True, timeout=60)
    check_equal(result.returncode, 0, "exit code of reg add")

    program = session.start(args.exe, session.windows_path(library))
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window",
                            lambda: next((w for w in session.windows() if w.owner == app), None))
    wait_library_open(session, main.hwnd, library)

    out = session.artifacts / "pasted.txt"
    out.unlink(missing_ok=True)
    session.start(args.target, "--out", session.windows_path(out))
    target = session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    xid = session.wait_for("the target on the X screen", lambda: session.x_windows(TARGET_TITLE))[0]
    session.x_focus(xid)
    x, y, width, height = session.x_geometry(xid)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2)], env=session.env,
                   timeout=20, check=True)
    time.sleep(0.5)

    session.x_key("ctrl+alt+m")
    time.sleep(1)
    # The menu's top left corner is at the pointer: Billing, Sales, a
    # separator, Close, each row about 17 pixels high. Sales opens its submenu
    # to the right (Apology, Thanks), its first row level with Sales. Under
    # Wine the keyboard stays with the focused X window, so the mouse chooses.
    def move(dx, dy):
        subprocess.run(["xdotool", "mousemove", str(x + width // 2 + dx), str(y + height // 2 + dy)],
                       env=session.env, timeout=20, check=True)
        time.sleep(0.4)

    move(30, 28)
    subprocess.run(["xdotool", "click", "1"], env=session.env, timeout=20, check=True)
    time.sleep(0.5)
    move(100, 28)
    move(100, 45)
    shot = session.screenshot("reply-menu.png")
    subprocess.run(["xdotool", "click", "1"], env=session.env, timeout=20, check=True)

    text = wait_for_paste(session, target, out, "the chosen reply to arrive in the target")
    print(f"menu screenshot {shot}; pasted {text!r}")
    check_equal(text, "Thank you for your order.\r\n", "text pasted from the menu")

    check_equal(session.send(main.hwnd, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main.hwnd, WM_CLOSE)
    check_equal(program.wait(timeout=10), 0, "exit code")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
