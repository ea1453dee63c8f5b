#!/usr/bin/env python3
"""Each paste method reaches a target that takes only its keys. A window of
the console's class pastes on Shift+Insert only (Ctrl+V is a control
character there), a remote-desktop window only on a Ctrl+V whose keys come
slowly, and a program the user listed as "Type the text" ignores every paste
and receives the reply typed, character by character."""

import shutil
import sys

from main_window import end_program, set_setting, start_in_tray
from quillet_library import make_library, quillet_argument
from target_program import USER_TEXT, WM_PUT_CLIPBOARD, start_target, wait_for_text
from winsession import WM_CLOSE, check_equal, run_test

TEXT = "Thank you for writing."
TYPED = "Merci: caf\u00e9\tth\u00e9 \u00e0 2 \u20ac."  # all in Windows-1252


def paste_into(session, args, name, extra, expected, exe=None, before=None):
    out = session.artifacts / f"{name}.txt"
    process, target, _ = start_target(session, args, out, *extra, exe=exe)
    prefix = before(session, target, out) if before else ""
    session.x_key("ctrl+alt+r" if exe is None else "ctrl+alt+t")
    wait_for_text(session, target, out, prefix + expected, f"the reply in the {name} window")
    session.post(target, WM_CLOSE)
    check_equal(process.wait(timeout=15), 0, f"exit code of the {name} window")


def ctrl_v_refused(session, target, out):
    """The console-like window itself: Ctrl+V pastes nothing, Shift+Insert
    pastes the clipboard once."""
    check_equal(session.send(target, WM_PUT_CLIPBOARD), 1, "a text on the clipboard")
    session.x_key("ctrl+v")
    session.x_key("shift+Insert")
    user = USER_TEXT.rstrip(b"\0").decode("cp1252")
    wait_for_text(session, target, out, user, "Shift+Insert's paste only")
    return user


def test(session, args):
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    make_library(session, args.quillet, library,
                 [{"category": "General", "description": "Thanks", "text": TEXT, "hotkey": "Ctrl+Alt+R"}])
    # Text beyond ASCII goes in as a UTF-8 file.
    typed_file = session.artifacts / "typed.txt"
    typed_file.write_bytes(TYPED.encode("utf-8"))
    add = session.start(args.quillet, "add", session.windows_path(library), "--category", "General", "--description",
                        "Typed", "--text-file", session.windows_path(typed_file), "--hotkey", "Ctrl+Alt+T",
                        log_name="quillet.log")
    check_equal(add.wait(timeout=60), 0, "quillet add --text-file")
    # A copy of the target under a name of its own, listed by the user.
    notes = session.artifacts / "OldNotes.exe"
    shutil.copyfile(args.target, notes)
    set_setting(session, "PasteMethods", "oldnotes.exe=Type the text")
    program, main = start_in_tray(session, args, library)

    paste_into(session, args, "console", ["--class", "ConsoleWindowClass", "--paste-keys", "shift-insert"],
               TEXT + "\r\n", before=ctrl_v_refused)
    paste_into(session, args, "remote desktop", ["--class", "TscShellContainerClass", "--paste-keys", "slow"],
               TEXT + "\r\n")
    paste_into(session, args, "typed", ["--paste-keys", "none"], TYPED + "\r\n", exe=notes)

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
