#!/usr/bin/env python3
"""The search hotkey (Ctrl+Alt+Space on a first start), pressed while the
target program has the focus, opens the reply search next to the caret.
Typing part of a description and Enter pastes that reply into the target;
Escape closes the search and the user types on in the target as before;
Shift+Enter pastes a rich reply as plain text."""

import sys

from main_window import end_program, open_search, start_with_replies, stored_setting, visible, wait_search_hidden
from quillet_library import quillet_argument
from target_program import WM_DUMP, read_text, start_target, wait_for_paste
from winsession import check, check_equal, run_test

REPLIES = [
    {"category": "Sales", "description": "Thanks for ordering", "text": "Thank you for your order."},
    {"category": "Billing", "description": "Refund done", "text": "Refunded."},
    {"category": "Support", "description": "Welcome", "text": "{\\rtf1\\ansi Dear {\\b customer}, welcome.}"},
]


def type_query(session, search, query):
    """Types into the search box and waits until all of it is there."""
    session.x_type(query)
    box = session.child(search, "Edit").hwnd
    session.wait_for(f"{query!r} in the search box", lambda: session.text(box) == query)


def target_text(session, target, out):
    session.send(target, WM_DUMP)
    return read_text(out)


def test(session, args):
    _, program, main = start_with_replies(session, args, REPLIES)
    out = session.artifacts / "pasted.txt"
    rtf_out = session.artifacts / "pasted.rtf"
    _, target, xid = start_target(session, args, out, rtf_out=rtf_out)

    # Enter pastes the best match (not the first reply in tree order).
    search = open_search(session)
    type_query(session, search, "ord than")
    session.screenshot("search-ord-than.png")
    session.x_key("Return")
    text = wait_for_paste(session, target, out, "the found reply to arrive in the target")
    check_equal(text.rstrip("\r\n"), "Thank you for your order.", "text pasted from the search")
    wait_search_hidden(session, search)
    check(not visible(session, main), "the main window stays hidden")

    # Escape pastes nothing, and the keyboard is the target's again.
    before = target_text(session, target, out)
    search = open_search(session)
    type_query(session, search, "refu")
    session.x_key("Escape")
    wait_search_hidden(session, search)
    session.wait_for("the target in front again after Escape",
                     lambda: int(session.wintool("foreground")[1][0], 16) == target)
    # Without a window manager the X focus does not follow Windows' own: give
    # it back by hand (X refuses while the search window is still being
    # unmapped), then type on.
    session.wait_for("the X focus on the target", lambda: session._x(
        "xdotool", "windowfocus", "--sync", str(xid)).returncode == 0, timeout=10)
    session.x_type("ok")
    typed = session.wait_for("the typing to reach the target",
                             lambda: (lambda t: t if t != before else None)(target_text(session, target, out)))
    check_equal(typed, before + "ok", "the target's text after Escape and typing")

    # Shift+Enter: the rich reply arrives without its bold part.
    search = open_search(session)
    type_query(session, search, "welc")
    session.x_key("shift+Return")
    pasted = session.wait_for("the plain reply to arrive",
                              lambda: (lambda t: t if "Dear customer" in t else None)(target_text(session, target, out)))
    check_equal(pasted, typed + "Dear customer, welcome.\r\n", "the target's text after Shift+Enter")
    rtf = rtf_out.read_bytes().decode("cp1252")
    # Plain text arrives as one run; the reply's bold word would be cut out
    # of it by formatting controls ("Dear \\b customer\\b0 , ...").
    check("Dear customer, welcome." in rtf, f"the reply arrived as one plain run: {rtf!r}")
    wait_search_hidden(session, search)

    # The default was taken quietly and never stored.
    check_equal(stored_setting(session, "SearchHotKey"), None, "SearchHotKey in the registry")
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
