#!/usr/bin/env python3
"""The menu hotkey (set in the registry before start), pressed with X input
while the test's target program has the focus, pops up the reply menu at the
pointer with the categories as submenus and "Close"; choosing a reply with
the mouse pastes its text into the target."""

import sys

from main_window import end_program, start_with_replies, wait_menus
from quillet_library import quillet_argument
from target_program import start_target, wait_for_paste
from winsession import check_equal, run_test

CTRL_ALT_M = 0x4000 | 0x8000 | ord("M")

REPLIES = [
    {"category": "Sales", "description": "Thanks", "text": "Thank you for your order."},
    {"category": "Sales", "description": "Apology", "text": "Sorry for the delay."},
    {"category": "Billing", "description": "Refund", "text": "Refunded."},
]


def test(session, args):
    _, program, main = start_with_replies(session, args, REPLIES, MenuHotKey=CTRL_ALT_M)

    out = session.artifacts / "pasted.txt"
    _, target, xid = start_target(session, args, out)
    x, y, width, height = session.x_geometry(xid)
    cx, cy = x + width // 2, y + height // 2
    session.mouse_move(cx, cy)

    session.x_key("ctrl+alt+m")
    wait_menus(session, 1, "the reply menu")
    # The menu's top left corner is at the pointer: Billing, Sales, a
    # separator, Close, each row about 17 pixels high. Sales opens its submenu
    # to the right (Apology, Thanks), its first row level with Sales. Under
    # Wine the keyboard stays with the focused X window, so the mouse chooses.
    session.mouse_move(cx + 30, cy + 28, click=True)
    wait_menus(session, 2, "the Sales submenu")
    session.mouse_move(cx + 100, cy + 28)
    session.mouse_move(cx + 100, cy + 45)
    shot = session.screenshot("reply-menu.png")
    session.mouse_move(cx + 100, cy + 45, click=True)

    text = wait_for_paste(session, target, out, "the chosen reply to arrive in the target")
    print(f"menu screenshot {shot}; pasted {text!r}")
    check_equal(text, "Thank you for your order.\r\n", "text pasted from the menu")

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
