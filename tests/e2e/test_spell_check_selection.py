#!/usr/bin/env python3
"""The spell-check dialog over a selection, and shown modally, driven with
real key presses and clicks. A smart check of a selection checks it, then
asks whether to check the rest of the text: Yes goes on from the selection's
end and then from the start, No ends the run with the rest untouched. A
modal dialog keeps its owner disabled until the run has ended."""

import sys

from test_spell_check_dialog import SpellHost
from winsession import check, check_equal, run_test

EM_SETSEL = 0x00B1
TEXT = "teh cat sat on teh mat and teh dog"
SELECTION = "on teh mat"
QUESTION = "The selection has been checked.  Would you like to check the remainder of the document?"
END_MESSAGE = "The spelling check is complete."


def add_arguments(parser):
    parser.add_argument("--host", required=True, help="QuilletSpellHost.exe")
    parser.add_argument("--quillet", required=True, help="quillet.exe")


def message(session, host, text):
    """Waits for the host's message box that says text and returns it."""
    def shown():
        box = host.message_box()
        return box if box and text in [c.text for c in session.children(box)] else None
    return session.wait_for(f"the message {text!r}", shown)


def check_selection(session, host, runs):
    """Sets the edit's text, selects SELECTION and starts a check; the dialog
    stops at the selection's misspelling first and Change corrects it."""
    session.set_text(host.edit, TEXT)
    start = TEXT.index(SELECTION)
    session.send(host.edit, EM_SETSEL, start, start + len(SELECTION))
    session.x_key("alt+e")
    host.at("teh")
    session.x_key("alt+n")
    box = message(session, host, QUESTION)
    check_equal(session.text(host.edit), "teh cat sat on the mat and teh dog", f"run {runs}: the selection corrected")
    return box


def click_button(session, box, caption):
    session.click(session.child(box, "Button", caption).hwnd)


def test(session, args):
    folder = session.artifacts / "spell"
    host = SpellHost(session, args, folder, "--smart")

    # Yes: the rest after the selection, then the text before it.
    box = check_selection(session, host, 1)
    click_button(session, box, "&Yes")
    host.at("teh")
    session.x_key("alt+n")
    session.wait_for("the word after the selection corrected",
                     lambda: session.text(host.edit) == "teh cat sat on the mat and the dog")
    host.at("teh")
    session.x_key("alt+n")
    box = message(session, host, END_MESSAGE)
    check_equal(session.text(host.edit), "the cat sat on the mat and the dog", "the edit after Yes")
    session.x_key("Return")
    host.wait_runs(1)

    # No: the run ends at once, without the end message.
    box = check_selection(session, host, 2)
    click_button(session, box, "&No")
    host.wait_runs(2)
    check(host.dialog() is None and host.message_box() is None, "no dialog and no message after No")
    check_equal((folder / "edit.txt").read_bytes(), b"teh cat sat on the mat and teh dog", "edit.txt after No")
    session.post(host.hwnd, 0x0010)
    check_equal(host.process.wait(timeout=20), 0, "host exit code")

    # Modal: the host is disabled while the dialog is up, and the run's
    # corrections arrive as in the modeless dialog.
    modal = SpellHost(session, args, session.artifacts / "spell-modal", "--modal")
    session.set_text(modal.edit, "hte cat and teh dog")
    session.x_key("alt+e")
    modal.at("hte")
    check(not session.enabled(modal.hwnd), "the host is disabled under the modal dialog")
    session.x_key("alt+n")
    modal.at("teh")
    session.x_key("alt+n")
    message(session, modal, END_MESSAGE)
    session.x_key("Return")
    modal.wait_runs(1)
    check_equal((session.artifacts / "spell-modal" / "edit.txt").read_bytes(), b"the cat and the dog",
                "edit.txt after the modal run")
    check(modal.dialog() is None, "the modal dialog is gone")
    check(session.enabled(modal.hwnd), "the host is enabled again")
    session.post(modal.hwnd, 0x0010)
    check_equal(modal.process.wait(timeout=20), 0, "modal host exit code")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, add_arguments))
