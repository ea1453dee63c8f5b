#!/usr/bin/env python3
"""A second start's hand-over waits for the main window's modal states. While
the Delete confirmation is up, a second start with another library opens
nothing; "Yes" deletes the reply of the library the question was asked in,
and the other library opens after it. While the popup reply menu is up, a
hand-over opens nothing either; it opens once the menu is dismissed."""

import sys

from main_window import (TITLE, answer_message_box, end_program, message_boxes, select_node, set_setting,
                         start_on_library, wait_library_open, wait_menus)
from quillet_library import make_library, quillet_argument, read_library
from target_program import start_target
from winsession import check, check_equal, run_test

CTRL_ALT_M = 0x4000 | 0x8000 | ord("M")


def hand_over(session, args, library, name):
    check_equal(session.start(args.exe, session.windows_path(library), log_name=f"{name}.log").wait(timeout=30), 0,
                f"exit code of the hand-over ({name})")


def descriptions(session, args, library):
    return [r["description"] for r in read_library(session, args.quillet, library)]


def test(session, args):
    first = session.artifacts / "first.qdk"
    second = session.artifacts / "second.qdk"
    for path, names in ((first, ["One", "Two"]), (second, ["Three", "Four"])):
        path.unlink(missing_ok=True)
        make_library(session, args.quillet, path,
                     [{"category": "C", "description": n, "text": n + "."} for n in names])
    set_setting(session, "MenuHotKey", CTRL_ALT_M)
    program, main = start_on_library(session, args, first)

    # The tree is sorted: "One" first.
    select_node(session, main, 0, 0)
    session.click(session.child(main, "Button", "&Delete").hwnd)
    session.wait_for("the confirmation", lambda: message_boxes(session))
    hand_over(session, args, second, "during-delete")
    check_equal(session.text(main), f"{TITLE} - {session.windows_path(first)}", "caption while the question is up")
    check_equal(answer_message_box(session, "&Yes"), "Delete selected reply?\n\nOne", "confirmation")
    wait_library_open(session, main, second)
    check_equal(descriptions(session, args, first), ["Two"], "the asked-about library after Delete")
    check_equal(descriptions(session, args, second), ["Three", "Four"], "the handed-over library untouched")

    # The popup reply menu, on the second library now.
    out = session.artifacts / "target.txt"
    target_program, target, xid = start_target(session, args, out)
    session.x_key("ctrl+alt+m")
    wait_menus(session, 1, "the reply menu")
    hand_over(session, args, first, "during-menu")
    check_equal(session.text(main), f"{TITLE} - {session.windows_path(second)}", "caption while the menu is up")
    check(session.wait_for("the menu to stay", lambda: len([w for w in session.windows()
                                                             if w.visible and w.cls == "#32768"]) == 1, timeout=5),
          "the menu still open")
    session.x_key("Escape")
    wait_library_open(session, main, first)

    session.post(target, 0x0010)  # WM_CLOSE
    target_program.wait(timeout=15)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
