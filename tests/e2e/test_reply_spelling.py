#!/usr/bin/env python3
"""Spelling in the reply dialog of an installed program: a reply typed with
two misspellings shows the live markers, Spell Check corrects both through
the spell-check dialog, OK stores the corrected text and its hotkey pastes
it; corrections followed by Cancel are discarded; turning off "Prompt on
repeated word" in the options dialog (from the spell-check dialog) takes
effect in the open reply dialog at once and is in Spell.cfg beside the
program after the program ends."""

import sys
import time

from installed_program import adm_argument, install_program
from main_window import end_program, message_boxes, start_on_library, wait_gone, wait_window
from quillet_library import fresh_library, quillet_argument, read_library
from target_program import start_target, wait_for_paste
from winsession import RICH_EDIT, WM_CLOSE, check, check_equal, run_test

FORM_CLASS = "TqForm"


def add_arguments(parser):
    quillet_argument(parser)
    adm_argument(parser)


def type_into(session, hwnd, text):
    session.click(hwnd)
    time.sleep(0.2)
    session.x_type(text)


def open_reply_dialog(session, main, category, description, text, keys=None):
    session.click(session.child(main, "Button", "&Add").hwnd)
    dialog = wait_window(session, "Reply Properties")
    combo = session.child(dialog, "ComboBox").hwnd
    combo_edit = session.child(combo, "Edit").hwnd
    type_into(session, combo_edit, category)
    description_edit = next(c for c in session.children(dialog) if c.cls == "Edit" and c.hwnd != combo_edit)
    type_into(session, description_edit.hwnd, description)
    if keys:
        session.click(session.child(dialog, "msctls_hotkey32").hwnd)
        time.sleep(0.2)
        session.x_key(keys)
    rich = session.child(dialog, RICH_EDIT).hwnd
    type_into(session, rich, text)
    return dialog, rich


def spell_dialog(session):
    return next((w.hwnd for w in session.windows() if w.visible and w.cls == FORM_CLASS and w.title == "Spelling"),
                None)


def shown_word(session):
    dialog = spell_dialog(session)
    edits = [c for c in session.children(dialog) if c.cls.lower() == "edit"] if dialog else []
    return edits[0].text if edits else None


def at_word(session, word):
    session.wait_for(f"the spell-check dialog at {word!r}", lambda: shown_word(session) == word)
    return spell_dialog(session)


def end_message(session):
    box = session.wait_for("the end message", lambda: next(iter(message_boxes(session)), None))
    texts = [c.text for c in session.children(box.hwnd) if c.cls == "Static" and c.text]
    check("The spelling check is complete." in texts, f"end message: {texts}")
    session.x_key("Return")
    wait_gone(session, box.hwnd, "the end message to close")


def test(session, args):
    program_folder = install_program(session, args)
    library = fresh_library(session, args.quillet, [])
    program, main = start_on_library(session, args, library)

    # Two misspellings typed: marked, then corrected through the dialog; OK stores them.
    dialog, rich = open_reply_dialog(session, main, "Sales", "Thanks", "Thank you for yuor ordr soon", "ctrl+alt+1")
    time.sleep(1.5)
    session.screenshot("reply-markers.png")
    session.x_key("alt+k")
    at_word(session, "yuor")
    session.screenshot("reply-spell-dialog.png")
    session.x_key("alt+n")
    at_word(session, "ordr")
    session.x_key("alt+r")
    session.x_type("order")
    session.x_key("alt+n")
    end_message(session)
    check_equal(session.text(rich), "Thank you for your order soon", "reply text after the check")
    check_equal([r["response"] for r in read_library(session, args.quillet, library)], [], "nothing stored before OK")
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    wait_gone(session, dialog, "the reply dialog to close")
    stored = read_library(session, args.quillet, library)
    check_equal([r["description"] for r in stored], ["Thanks"], "the stored reply")
    # Stored with formatting (the dialog's default): the corrected words, none of the old.
    check("\\f0 Thank you for your order soon\\par" in stored[0]["response"], f"stored text: {stored[0]['response']!r}")
    check("yuor" not in stored[0]["response"] and "ordr" not in stored[0]["response"], "misspellings gone")

    # The hotkey pastes the corrected text.
    out = session.artifacts / "pasted.txt"
    target_program, target, xid = start_target(session, args, out)
    session.x_focus(xid)
    time.sleep(0.4)
    session.x_key("ctrl+alt+1")
    pasted = wait_for_paste(session, target, out, "the reply to arrive in the target")
    check(pasted.rstrip("\r\n").endswith("Thank you for your order soon"), f"the target holds {pasted!r}")
    session.post(target, WM_CLOSE)
    target_program.wait(timeout=15)

    # Corrections and then Cancel: nothing is stored.
    show = session.start(args.exe, log_name="show.log")
    check_equal(show.wait(timeout=30), 0, "second start")
    dialog, rich = open_reply_dialog(session, main, "Sales", "Later", "Please see teh file")
    session.x_key("alt+k")
    at_word(session, "teh")
    session.x_key("alt+n")
    end_message(session)
    check_equal(session.text(rich), "Please see the file", "text after the second check")
    session.click(session.child(dialog, "Button", "&Cancel").hwnd)
    wait_gone(session, dialog, "the cancelled dialog to close")
    check_equal(len(read_library(session, args.quillet, library)), 1, "replies after Cancel")

    # "Prompt on repeated word" turned off from the spell-check dialog's Options.
    dialog, rich = open_reply_dialog(session, main, "Sales", "Twice", "Please see the the file and teh note")
    session.x_key("alt+k")
    at_word(session, "the the")
    session.x_key("alt+o")
    options = wait_window(session, "Spelling Options")
    session.click(session.child(options, "Button", "Prompt on repeated word").hwnd)
    time.sleep(0.3)
    session.screenshot("reply-options.png")
    session.click(session.child(options, "Button", "&OK").hwnd)
    wait_gone(session, options, "the options dialog to close")
    # Back in the dialog the check resumes, and the repeated word no longer stops it.
    at_word(session, "teh")
    session.x_key("alt+n")
    end_message(session)
    check_equal(session.text(rich), "Please see the the file and the note", "text with the rule off")
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    wait_gone(session, dialog, "the third dialog to close")
    end_program(session, program, main)
    config = (program_folder / "Spell.cfg").read_bytes().decode("cp1252")
    for line in ["_soRepeated=-", "_soLiveSpelling=+", "_Main_0=American.adm", "_ActiveCustom=Spell.adu"]:
        check(line + "\r\n" in config, f"{line} in Spell.cfg: {config!r}")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, add_arguments))
