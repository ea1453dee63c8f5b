#!/usr/bin/env python3
"""The menu hotkey (set in the registry before start), pressed with X input
while the test's target program has the focus, pops up the reply menu at the
pointer with the categories as submenus and "Close"; choosing a reply with
the keyboard pastes its text into the target."""

import subprocess
import sys
import time

from main_window import end_program, set_setting, start_in_tray
from quillet_library import make_library, quillet_argument
from target_program import start_target, wait_for_paste
from winsession import check_equal, run_test

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
    set_setting(session, "MenuHotKey", CTRL_ALT_M)
    program, main = start_in_tray(session, args, library)

    out = session.artifacts / "pasted.txt"
    _, target, xid = start_target(session, args, out)
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

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
