#!/usr/bin/env python3
"""Each paste method reaches a target that takes only its keys. A window of
the console's class pastes on Shift+Insert only (Ctrl+V is a control
character there), a remote-desktop window only on a Ctrl+V whose keys come
slowly, and a program the user listed as "Type the text" ignores every paste
and receives the reply typed, character by character. The user lists it on
the configuration dialog's Pasting page, with the mouse and keyboard, and
turns on keeping the clipboard there too: both are stored in the registry,
and the pastes that follow keep the user's clipboard."""

import shutil
import sys

from main_window import (SETTINGS_KEY, end_program, reg_values, start_on_library, stored_setting, visible, wait_gone,
                         wait_window)
from quillet_library import make_library, quillet_argument
from target_program import (USER_FORMATS, USER_TEXT, WM_PUT_CLIPBOARD, clipboard_formats, start_target,
                            wait_for_text)
from winsession import WM_CLOSE, check_equal, run_test

TEXT = "Thank you for writing."
TYPED = "Merci: caf\u00e9\tth\u00e9 \u00e0 2 \u20ac."  # all in Windows-1252
BM_GETCHECK = 0x00F0


def list_on_pasting_page(session, main, program_file):
    """Opens the configuration, lists `program_file` as "Type the text" and
    ticks keeping the clipboard on the Pasting page, and closes it with OK."""
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    session.x_key("alt+c")
    dialog = wait_window(session, "Configuration")
    session.click(session.child(dialog, "SysTabControl32").hwnd, dx=200, dy=10)
    keep = session.wait_for("the Pasting page", lambda: next(
        (c.hwnd for c in session.children(dialog) if c.visible and c.text.startswith("K&eep my clipboard")), None))
    session.click(keep, dx=8)
    session.wait_for("the box to be ticked", lambda: session.send(keep, BM_GETCHECK) == 1, timeout=10)
    edit = session.child(dialog, "Edit").hwnd
    session.click(edit)
    session.wait_for("the keyboard in the program box", lambda: session.focus(edit) == edit, timeout=10)
    session.x_type(program_file)
    # The method from the drop-down list, by keyboard: the last is "Type the text".
    session.x_key("Tab")
    session.x_key("End")
    session.click(session.child(dialog, "Button", "&Use").hwnd)
    session.screenshot("pasting-page.png")
    session.click(session.child(dialog, "Button", "OK").hwnd)
    wait_gone(session, dialog, "the dialog to close")


def paste_into(session, args, name, extra, expected, exe=None, before=None):
    """Pastes a reply into a new target; the user's clipboard, put there
    before the paste, is there again afterwards."""
    out = session.artifacts / f"{name}.txt"
    process, target, _ = start_target(session, args, out, *extra, exe=exe)
    prefix = before(session, target, out) if before else ""
    check_equal(session.send(target, WM_PUT_CLIPBOARD), 1, "the user's copy")
    session.x_key("ctrl+alt+r" if exe is None else "ctrl+alt+t")
    wait_for_text(session, target, out, prefix + expected, f"the reply in the {name} window")
    session.wait_for(f"the user's clipboard back after the {name} paste",
                     lambda: clipboard_formats(session, target, out) == USER_FORMATS, timeout=10)
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
    program, main = start_on_library(session, args, library)
    list_on_pasting_page(session, main, "oldnotes.exe")
    check_equal(stored_setting(session, "RestoreClipboard"), 1, "RestoreClipboard stored")
    check_equal(reg_values(session, SETTINGS_KEY).get("PasteMethods"), "oldnotes.exe=Type the text",
                "PasteMethods stored")
    session.post(main, WM_CLOSE)
    session.wait_for("the main window in the tray", lambda: not visible(session, main))

    paste_into(session, args, "console", ["--class", "ConsoleWindowClass", "--paste-keys", "shift-insert"],
               TEXT + "\r\n", before=ctrl_v_refused)
    paste_into(session, args, "remote desktop", ["--class", "TscShellContainerClass", "--paste-keys", "slow"],
               TEXT + "\r\n")
    paste_into(session, args, "typed", ["--paste-keys", "none"], TYPED + "\r\n", exe=notes)

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
