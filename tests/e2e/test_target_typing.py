#!/usr/bin/env python3
"""The paste-test target receives typed X input and writes it out, on request
(its private message) and when closed: proof that a test can put keys into a
Windows program and read back what arrived. Characters beyond any code page
sent as UTF-16 units (WM_CHAR, and WM_IME_CHAR as an input method sends
them; a character beyond U+FFFF as two surrogates) arrive exactly too."""

import sys

from target_program import WM_DUMP, clear_text, read_text, start_target, text_box, wait_for_text
from winsession import WM_CLOSE, check_equal, run_test

UNICODE = "Gr\u00fc\u00dfe \u2014 \u041f\u0440\u0438\u0432\u0435\u0442 \u2014 \u65e5\u672c\u8a9e \u2014 \U0001F44D"


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
    wait_for_text(session, hwnd, out, expected[:-1] + "?", "the text after BackSpace")

    box = text_box(session, hwnd)
    for ime in (False, True):
        clear_text(session, hwnd)
        session.type_units(box, UNICODE, ime=ime)
        wait_for_text(session, hwnd, out, UNICODE, f"the characters sent as {'WM_IME_CHAR' if ime else 'WM_CHAR'}")
    session.post(hwnd, WM_CLOSE)
    check_equal(target.wait(timeout=10), 0, "exit code of the target")
    check_equal(read_text(out), UNICODE, "text written on close")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test,
                      lambda parser: parser.add_argument("--rich", action="store_true",
                                                         help="a rich edit box instead of EDIT")))
