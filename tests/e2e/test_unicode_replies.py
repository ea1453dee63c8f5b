#!/usr/bin/env python3
"""Replies beyond Windows-1252, end to end.

- A library quillet wrote with Windows-1252 text only is the same file, byte
  for byte, after the user changed a reply's description in the reply dialog
  and changed it back.
- A reply typed into the reply dialog as UTF-16 units (WM_CHAR, a character
  beyond U+FFFF as two surrogates) in Latin, Cyrillic, Greek, Japanese and an
  emoji shows exactly in the tree and the preview, and arrives exactly in a
  Unicode target from its hotkey, from the search window, and typed for a
  program listed as "Type the text".
- The native quillet reads that reply from the library with the same text.
"""

import itertools
import json
import shutil
import subprocess
import sys
from pathlib import Path

from main_window import (TITLE, end_program, focus_box, open_reply_dialog, open_search, press_hotkey, reply_boxes,
                         reply_path, select_node, set_setting, start_on_library, tree_items, visible, wait_gone,
                         wait_search_hidden)
from quillet_library import fresh_library, quillet_argument, read_library
from target_program import clear_text, start_target, wait_for_text
from winsession import REPO, RICH_EDIT, WM_CLOSE, check, check_equal, run_test

# The reply text as the user types it; category and description fit the
# dialog's 32 characters and hold a surrogate pair each too.
TEXT = "Gr\u00fc\u00dfe \u2014 \u041f\u0440\u0438\u0432\u0435\u0442 \u2014 \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u2014 \u65e5\u672c\u8a9e \u2014 \U0001F44D"
CATEGORY = "Gr\u00fc\u00dfe \u2014 \u041f\u0440\u0438\u0432\u0435\u0442 \u2014 \U0001F44D"
DESCRIPTION = "\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u2014 \u65e5\u672c\u8a9e \u2014 \U0001F44D"
QUERY = "\u0395\u03bb\u03bb\u03b7\u03bd"  # part of the description only

# Windows-1252 beyond ASCII in every field, a plain and a rich reply.
WESTERN = [
    {"category": "Soci\u00e9t\u00e9", "description": "R\u00e9ponse \u00ab rapide \u00bb",
     "text": "Merci: caf\u00e9, th\u00e9 \u00e0 2 \u20ac.", "hotkey": "Ctrl+Alt+R"},
    {"category": "Soci\u00e9t\u00e9", "description": "Gr\u00fc\u00dfe",
     "text": "{\\rtf1\\ansi Sch\\'f6ne {\\b Gr\\'fc\\'dfe}.}"},
]


def edit_description(session, main, reply, change):
    """Opens `reply` (one of WESTERN, as the tree shows it) for Edit, changes
    its description's end as `change` says (a character to add, or None to
    take the last one away) with the keyboard, and closes the dialog with OK."""
    select_node(session, main, *reply_path(session, main, reply["category"], reply["description"]))
    dialog = open_reply_dialog(session, main, "&Edit")
    _, description, _ = reply_boxes(session, dialog)
    before = session.text(description)
    focus_box(session, description)
    session.x_key("End")
    if change is None:
        session.x_key("BackSpace")
        expected = before[:-1]
    else:
        session.type_units(description, change)
        expected = before + change
    session.wait_text(description, expected, "the description after the keys")
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    wait_gone(session, dialog, "the reply dialog to close")
    return expected


def edit_and_change_back(session, args, main, library):
    original = library.read_bytes()
    changed = dict(WESTERN[0], description=edit_description(session, main, WESTERN[0], "!"))
    check_equal([r["description"] for r in read_library(session, args.quillet, library)],
                [changed["description"], WESTERN[1]["description"]], "descriptions after the change")
    check_equal(edit_description(session, main, changed, None), WESTERN[0]["description"], "the description again")
    back = library.read_bytes()
    if back != original:
        first = next(i for i, (a, b) in enumerate(zip(back, original)) if a != b) if len(back) == len(original) else None
        raise AssertionError(f"the library is not the file quillet wrote after the change and back: {len(original)} "
                             f"bytes then, {len(back)} now, first difference at {first}")


def add_unicode_reply(session, main):
    """Adds the reply through the dialog, every field typed as UTF-16 units,
    with the hotkey Ctrl+Alt+U."""
    dialog = open_reply_dialog(session, main)
    category, description, text = reply_boxes(session, dialog)
    for box, value in ((category, CATEGORY), (description, DESCRIPTION), (text, TEXT)):
        session.type_units(box, value)
        session.wait_text(box, value, "the typed units in their box")
    press_hotkey(session, session.child(dialog, "msctls_hotkey32").hwnd, "ctrl+alt+u")
    session.screenshot("reply-dialog-unicode.png")
    session.click(session.child(dialog, "Button", "&OK").hwnd)
    wait_gone(session, dialog, "the reply dialog to close")


def check_tree_and_preview(session, main):
    items, _ = tree_items(session, main)
    check((1, CATEGORY) in items, f"the category {CATEGORY!r} in the tree: {items}")
    at = items.index((1, CATEGORY))
    replies = list(itertools.takewhile(lambda item: item[0] == 2, items[at + 1:]))
    check_equal(replies, [(2, DESCRIPTION)], "the replies under the new category")
    select_node(session, main, *reply_path(session, main, CATEGORY, DESCRIPTION))
    session.wait_text(session.child(main, RICH_EDIT).hwnd, TEXT, "the reply in the preview")
    session.screenshot("main-unicode.png")


def paste_everywhere(session, args, notes):
    out = session.artifacts / "pasted.txt"
    process, target, _ = start_target(session, args, out)
    session.x_key("ctrl+alt+u")
    wait_for_text(session, target, out, TEXT + "\r\n", "the reply from its hotkey")

    clear_text(session, target)
    search = open_search(session)
    box = session.child(search, "Edit").hwnd
    session.type_units(box, QUERY)
    session.wait_text(box, QUERY, "the query in the search box")
    session.screenshot("search-unicode.png")
    session.x_key("Return")
    wait_for_text(session, target, out, TEXT + "\r\n", "the reply from the search window")
    wait_search_hidden(session, search)
    session.post(target, WM_CLOSE)
    check_equal(process.wait(timeout=15), 0, "exit code of the target")

    typed = session.artifacts / "typed.txt"
    process, target, _ = start_target(session, args, typed, "--paste-keys", "none", exe=notes)
    session.x_key("ctrl+alt+u")
    wait_for_text(session, target, typed, TEXT + "\r\n", "the reply typed into a program that takes no paste")
    session.post(target, WM_CLOSE)
    check_equal(process.wait(timeout=15), 0, "exit code of the typed target")


def check_native_quillet(args, library):
    """The native quillet's view of the reply (list, then show as JSON)."""
    quillet = Path(args.native_quillet)
    check(quillet.exists(), f"the native quillet {quillet} is built (cmake -S . -B build/native && "
                            "ninja -C build/native quillet)")

    def run(*arguments):
        result = subprocess.run([str(quillet), *arguments], capture_output=True, timeout=60)
        check_equal(result.returncode, 0, f"exit code of quillet {arguments[0]} ({result.stderr!r})")
        return json.loads(result.stdout.decode("utf-8"))

    listed = run("list", str(library), "--json")["replies"]
    found = [r for r in listed if r["category"] == CATEGORY]
    check_equal([r["description"] for r in found], [DESCRIPTION], f"the reply as quillet lists it: {listed}")
    shown = run("show", str(library), str(found[0]["index"]), "--json")
    check_equal((shown["category"], shown["description"], shown["response"], shown["formatted"], shown["hotkey_text"]),
                (CATEGORY, DESCRIPTION, TEXT, False, "Ctrl+Alt+U"), "the reply as quillet shows it")


def test(session, args):
    # A folder and a name the ANSI code page cannot spell.
    folder = session.artifacts / "\u0411\u0438\u0431\u043b\u0438\u043e\u0442\u0435\u043a\u0430 \u65e5\u672c"
    folder.mkdir(exist_ok=True)
    library = fresh_library(session, args.quillet, WESTERN, name=f"{folder.name}/\u041e\u0442\u0432\u0435\u0442\u044b \U0001F4DA.qdk")
    # Plain replies from the dialog; the target's copy types what it gets.
    set_setting(session, "SaveFormat", 0)
    set_setting(session, "PasteMethods", "oldnotes.exe=Type the text")
    notes = session.artifacts / "OldNotes.exe"
    shutil.copyfile(args.target, notes)
    program, main = start_on_library(session, args, library)
    check_equal(session.code_pages()[0], 1252, "the session's ANSI code page (a Western system)")
    check_equal(session.text(main), f"{TITLE} - {session.windows_path(library)}", "the main window's caption")

    edit_and_change_back(session, args, main, library)
    add_unicode_reply(session, main)
    check_tree_and_preview(session, main)
    session.post(main, WM_CLOSE)
    session.wait_for("the main window in the tray", lambda: not visible(session, main))

    paste_everywhere(session, args, notes)
    end_program(session, program, main)
    check_native_quillet(args, library)


if __name__ == "__main__":
    def arguments(parser):
        quillet_argument(parser)
        parser.add_argument("--native-quillet", default=str(REPO / "build" / "native" / "cli" / "quillet"),
                            help="quillet built for this machine")

    sys.exit(run_test(__doc__, test, arguments))
