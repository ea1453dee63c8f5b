#!/usr/bin/env python3
"""RestoreClipboard on: the user has text, rich text and a bitmap on the
clipboard; a reply's hotkey pastes the reply into the target, and afterwards
the clipboard holds the user's three formats again, byte for byte."""

import sys

from main_window import end_program, set_setting, start_in_tray
from quillet_library import make_library, quillet_argument
from target_program import (USER_DIB, USER_RTF, USER_TEXT, WM_PUT_CLIPBOARD, clipboard_formats, start_target,
                            wait_for_text)
from winsession import check_equal, run_test

TEXT = "Thank you for writing."
USER_FORMATS = {"text": USER_TEXT, "rtf": USER_RTF, "dib": USER_DIB}


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library,
                 [{"category": "General", "description": "Thanks", "text": TEXT, "hotkey": "Ctrl+Alt+R"}])
    set_setting(session, "RestoreClipboard", 1)
    program, main = start_in_tray(session, args, library)

    out = session.artifacts / "pasted.txt"
    target_program, target, _ = start_target(session, args, out)
    check_equal(session.send(target, WM_PUT_CLIPBOARD), 1, "the user's copy")
    check_equal(clipboard_formats(session, target, out), USER_FORMATS, "the clipboard before the paste")

    session.x_key("ctrl+alt+r")
    wait_for_text(session, target, out, TEXT + "\r\n", "the reply pasted into the target")

    seen = {}

    def restored():
        seen.update(clipboard_formats(session, target, out))
        return seen == USER_FORMATS

    try:
        session.wait_for("the user's clipboard back", restored, timeout=10)
    except AssertionError as e:
        raise AssertionError(f"{e}: the clipboard holds {seen!r}") from None
    # Still the reply only once: the restore put nothing into the box.
    wait_for_text(session, target, out, TEXT + "\r\n", "the target's text after the restore")

    session.post(target, 0x0010)  # WM_CLOSE
    target_program.wait(timeout=15)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
