#!/usr/bin/env python3
"""RestoreClipboard on: the user has text, rich text, HTML and a bitmap on the
clipboard; a reply's hotkey pastes the reply into the target, and afterwards
the clipboard holds the user's four formats again, byte for byte. Then a
target that copies text of its own as soon as its paste has read the reply
(as a user copying something at once): the program leaves that copy alone,
so the clipboard holds exactly it, neither the user's saved formats nor the
reply."""

import os
import re
import sys

from main_window import end_program, set_setting, start_in_tray
from quillet_library import fresh_library, quillet_argument
from target_program import (LATER_TEXT, USER_FORMATS, WM_PUT_CLIPBOARD, clipboard_formats,
                            start_target, wait_for_text)
from winsession import check_equal, run_test

# The program's debug lines (its restore decisions among them) reach its log:
# Wine warns of each one's exception on the seh channel, once, whether it came
# from OutputDebugStringA or OutputDebugStringW (which also warns of it in its
# own words, not counted here).
os.environ["TQ_WINEDEBUG"] = "warn+seh"

TEXT = "Thank you for writing."
RESTORE_DECISION = re.compile(r'dispatch_exception "Tavrin Quillet: clipboard (restored|left) after')


def paste_with_user_clipboard(session, args, out, *target_options):
    """Starts a target, puts the user's formats on the clipboard from it and
    pastes the reply into it with the reply's hotkey; returns the target's
    process and window."""
    process, target, _ = start_target(session, args, out, *target_options)
    check_equal(session.send(target, WM_PUT_CLIPBOARD), 1, "the user's copy")
    check_equal(clipboard_formats(session, target, out), USER_FORMATS, "the clipboard before the paste")
    session.x_key("ctrl+alt+r")
    wait_for_text(session, target, out, TEXT + "\r\n", "the reply pasted into the target")
    return process, target


def close_target(session, process, target):
    session.post(target, 0x0010)  # WM_CLOSE
    process.wait(timeout=15)


def restore_decisions(program):
    return RESTORE_DECISION.findall(program.log_path.read_text("latin-1"))


def user_clipboard_comes_back(session, args, program):
    out = session.artifacts / "pasted.txt"
    process, target = paste_with_user_clipboard(session, args, out)
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
    check_equal(restore_decisions(program), ["restored"], "the program's restore decisions")
    close_target(session, process, target)


def later_copy_stays(session, args, program):
    out = session.artifacts / "copied-after.txt"
    replaced = out.with_name(out.name + ".replaced")
    replaced.unlink(missing_ok=True)
    process, target = paste_with_user_clipboard(session, args, out, "--copy-after-paste")
    # The copy came while the program was still waiting to restore: it took
    # the reply's place, not the user's restored formats.
    session.wait_for("the target's own copy", replaced.exists, timeout=10)
    check_equal(replaced.read_bytes(), (TEXT + "\r\n").encode("cp1252"), "what the target's copy replaced")
    session.wait_for("the program's second restore decision", lambda: len(restore_decisions(program)) == 2,
                     timeout=15)
    check_equal(restore_decisions(program), ["restored", "left"], "the program's restore decisions")
    check_equal(clipboard_formats(session, target, out), {"text": LATER_TEXT, "rtf": None, "html": None, "dib": None},
                "the clipboard after the paste")
    wait_for_text(session, target, out, TEXT + "\r\n", "the target's text after the paste")
    close_target(session, process, target)


def test(session, args):
    library = fresh_library(session, args.quillet,
                            [{"category": "General", "description": "Thanks", "text": TEXT, "hotkey": "Ctrl+Alt+R"}])
    set_setting(session, "RestoreClipboard", 1)
    program, main = start_in_tray(session, args, library)
    user_clipboard_comes_back(session, args, program)
    later_copy_stays(session, args, program)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
