#!/usr/bin/env python3
"""A reply's own hotkey, pressed with X input while the test's target program
has the focus, pastes the reply's text into the target's text box. Plain: a
plain reply into an EDIT box arrives as its text with a line break after it.
Rich (--rich): a formatted reply into a rich edit box arrives with its
formatting (bold text in the box's RTF)."""

import sys
import time

from target_program import wait_for_paste
from quillet_library import make_library, quillet_argument
from main_window import wait_library_open
from winsession import WM_CLOSE, check, check_equal, run_test

TITLE = "Tavrin Quillet"
TARGET_TITLE = "Quillet Target"
WM_QUERYENDSESSION = 0x0011

REPLIES = [
    {"category": "General", "description": "Thanks", "text": "Thank you for writing.", "hotkey": "Ctrl+Alt+R"},
    {"category": "General", "description": "Bold", "text": "{\\rtf1\\ansi Dear {\\b customer}, welcome.}",
     "hotkey": "Ctrl+Alt+B"},
]


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library, REPLIES)

    program = session.start(args.exe, session.windows_path(library))
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window",
                            lambda: next((w for w in session.windows() if w.owner == app), None))
    wait_library_open(session, main.hwnd, library)

    out = session.artifacts / "pasted.txt"
    rtf_out = session.artifacts / "pasted.rtf"
    for path in (out, rtf_out):
        path.unlink(missing_ok=True)
    extra = ["--rich", "--rtf-out", session.windows_path(rtf_out)] if args.rich else []
    session.start(args.target, "--out", session.windows_path(out), *extra)
    target = session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    xid = session.wait_for("the target on the X screen", lambda: session.x_windows(TARGET_TITLE))[0]
    session.x_focus(xid)
    time.sleep(0.5)

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
    check(not next(w for w in session.windows() if w.hwnd == main.hwnd).visible, "the main window stays hidden")
    check_equal(session.send(main.hwnd, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main.hwnd, WM_CLOSE)
    try:
        check_equal(program.wait(timeout=10), 0, "exit code")
    except Exception:
        session.screenshot("not-ended.png")
        raise


if __name__ == "__main__":
    def arguments(parser):
        quillet_argument(parser)
        parser.add_argument("--rich", action="store_true", help="a formatted reply into a rich edit box")

    sys.exit(run_test(__doc__, test, arguments))
