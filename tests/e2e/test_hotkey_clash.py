#!/usr/bin/env python3
"""Two replies of a library made with quillet share Ctrl+Alt+R. Opening it
says which reply lost the key to which, once: a Refresh right after says
nothing. The tree shows the key only on the reply that holds it. In the
reply dialog, pressing a combination another reply holds names that reply,
and the box keeps no key; a free combination is taken."""

import sys

from main_window import (HKM_GETHOTKEY, answer_message_box, end_program, focus_box, message_boxes, press_hotkey,
                         set_setting, start_program, show_main, tree_items, wait_gone, wait_library_open,
                         wait_window)
from quillet_library import fresh_library, quillet_argument
from winsession import check, check_equal, run_test

BM_CLICK = 0x00F5
REPLIES = [
    {"category": "General", "description": "First", "text": "One.", "hotkey": "Ctrl+Alt+R"},
    {"category": "General", "description": "Second", "text": "Two.", "hotkey": "Ctrl+Alt+R"},
    {"category": "General", "description": "Third", "text": "Three.", "hotkey": "Ctrl+Alt+T"},
]
CLASH = ('Could not register the hotkey: Ctrl+Alt+R\n\nThe reply "Second" cannot have it: it is already the hotkey of '
         'the reply "First". Please choose a different hotkey for one of them.')
TREE = [(0, "Categories"), (1, "General"), (2, "First (Ctrl+Alt+R)"), (2, "Second"), (2, "Third (Ctrl+Alt+T)")]


def test(session, args):
    library = fresh_library(session, args.quillet, REPLIES)
    set_setting(session, "ShowHotkeyInTree", 1)
    set_setting(session, "AutoExpandTree", 1)

    program, main = start_program(session, args, session.windows_path(library))
    check_equal(answer_message_box(session, "OK"), CLASH, "the message on opening the library")
    wait_library_open(session, main, library)
    show_main(session, args, main)
    check_equal(tree_items(session, main)[0], TREE, "the tree")

    # Refresh, sent: it returns only once its handler has ended, which a
    # message box would keep from happening.
    session.send(session.child(main, "Button", "Refresh").hwnd, BM_CLICK)
    check_equal(message_boxes(session), [], "message boxes after Refresh")
    check_equal(tree_items(session, main)[0], TREE, "the tree after Refresh")

    # The reply dialog of a new reply: Ctrl+Alt+T is Third's.
    session.click(session.child(main, "Button", "Add").hwnd)
    dialog = wait_window(session, "Reply Properties")
    box = session.child(dialog, "msctls_hotkey32").hwnd
    focus_box(session, box)
    session.x_key("ctrl+alt+t")
    check_equal(answer_message_box(session, "OK"), 'Ctrl+Alt+T is already the hotkey of the reply "Third".',
                "the message for a taken combination")
    check_equal(session.send(box, HKM_GETHOTKEY), 0, "the hotkey box after a taken combination")
    check(press_hotkey(session, box, "ctrl+alt+y") & 0xFF == ord("Y"), "a free combination is taken")
    session.click(session.child(dialog, "Button", "&Cancel").hwnd)
    wait_gone(session, dialog, "the reply dialog to close")
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
