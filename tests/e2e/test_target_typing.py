#!/usr/bin/env python3
"""The paste-test target receives typed X input and writes it out, on request
(its private message) and when closed: proof that a test can put keys into a
Windows program and read back what arrived."""

import sys

from target_program import WM_DUMP, read_text, start_target, wait_for_text
from winsession import WM_CLOSE, check_equal, run_test


def test(session, args):
    out = session.artifacts / ("typed-rich.txt" if args.rich else "typed.txt")
    target, hwnd, _ = start_target(session, args, out, *(["--rich"] if args.rich else []))
    session.x_type("Hello, Quillet 123")
    session.x_key("Return")
    session.x_type("second line!")
    expected = "Hello, Quillet 123\r\nsecond line!"
    check_equal(session.send(hwnd, WM_DUMP), 1, "answer to the dump message")
    # The keys are in the target's queue when xdotool returns, not yet read.
    wait_for_text(session, hwnd, out, expected, "text written on request")

    session.x_key("BackSpace")
    session.x_type("?")
    session.screenshot("target-rich.png" if args.rich else "target.png")
    session.post(hwnd, WM_CLOSE)
    check_equal(target.wait(timeout=10), 0, "exit code of the target")
    check_equal(read_text(out), expected[:-1] + "?", "text written on close")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test,
                      lambda parser: parser.add_argument("--rich", action="store_true",
                                                         help="a RichEdit20A box instead of EDIT")))
