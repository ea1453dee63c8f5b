#!/usr/bin/env python3
"""A reply's own hotkey, pressed with X input while the test's target program
has the focus, pastes the reply's text into the target's text box. Plain: a
plain reply into an EDIT box arrives as its text with a line break after it.
Rich (--rich): a formatted reply into a rich edit box arrives with its
formatting (bold text in the box's RTF)."""

import sys
import time

from main_window import end_program, start_with_replies, visible
from quillet_library import quillet_argument
from target_program import start_target, wait_for_paste
from winsession import check, check_equal, run_test

REPLIES = [
    {"category": "General", "description": "Thanks", "text": "Thank you for writing.", "hotkey": "Ctrl+Alt+R"},
    {"category": "General", "description": "Bold", "text": "{\\rtf1\\ansi Dear {\\b customer}, welcome.}",
     "hotkey": "Ctrl+Alt+B"},
]


def test(session, args):
    _, program, main = start_with_replies(session, args, REPLIES)
    out = session.artifacts / "pasted.txt"
    rtf_out = session.artifacts / "pasted.rtf"
    _, target, _ = start_target(session, args, out, rtf_out=rtf_out if args.rich else None)

    key = "ctrl+alt+b" if args.rich else "ctrl+alt+r"
    started = time.monotonic()
    session.x_key(key)

    text = wait_for_paste(session, target, out, "the reply to arrive in the target")
    print(f"pasted {time.monotonic() - started:.2f} s after the key: {text!r}")
    if args.rich:
        check_equal(text.strip(), "Dear customer, welcome.", "text pasted into the rich box")
        rtf = rtf_out.read_bytes().decode("cp1252")
        check("\\b" in rtf, f"the pasted text keeps its bold part: {rtf!r}")
    else:
        check_equal(text, "Thank you for writing.\r\n", "text pasted into the box")
    session.screenshot("pasted-rich.png" if args.rich else "pasted.png")

    # Nothing of the main window came up.
    check(not visible(session, main), "the main window stays hidden")
    end_program(session, program, main)


if __name__ == "__main__":
    def arguments(parser):
        quillet_argument(parser)
        parser.add_argument("--rich", action="store_true", help="a formatted reply into a rich edit box")

    sys.exit(run_test(__doc__, test, arguments))
