#!/usr/bin/env python3
"""A library made with quillet, given on the command line, opens at start-up
and the program starts hidden in the tray with the sorted tree: categories
whose names differ only in letter case merged under the first record's
spelling, categories and replies in the order of their texts regardless of
case. A second start without an argument shows the first instance's window
with that tree; a second start with another library hands it over: it ends,
and the first instance shows the other library's tree."""

import sys

from main_window import TITLE, end_program, show_main, start_in_tray, tree_items, visible
from quillet_library import make_library, quillet_argument
from winsession import check, check_equal, run_test

REPLIES = [
    {"category": "support", "description": "Zebra reply", "text": "zebra"},
    {"category": "Billing", "description": "Refund", "text": "Your refund is on its way."},
    {"category": "Support", "description": "Apology", "text": "We are sorry."},
    {"category": "Billing", "description": "Invoice", "text": "{\\rtf1\\ansi {\\b Invoice} attached.}",
     "hotkey": "Ctrl+Alt+I"},
    {"category": "BILLING", "description": "late fee", "text": "A late fee applies."},
]

# Without AutoExpandTree nothing is selected; a byte order would put "late
# fee" after "Refund" and "support" before "Billing".
SORTED_TREE = [
    (0, "Categories"),
    (1, "Billing"),
    (2, "Invoice"),
    (2, "late fee"),
    (2, "Refund"),
    (1, "support"),
    (2, "Apology"),
    (2, "Zebra reply"),
]


def test(session, args):
    first = session.artifacts / "first.qdk"
    second = session.artifacts / "second.qdk"
    for path in (first, second):
        path.unlink(missing_ok=True)
    make_library(session, args.quillet, first, REPLIES)
    make_library(session, args.quillet, second, [{"category": "Other", "description": "Only", "text": "x"}])

    program, main = start_in_tray(session, args, first)
    check_equal(tree_items(session, main), (SORTED_TREE, None), "the tree of the library opened at start-up")
    check(not visible(session, main), "started with a library, the main window stays hidden in the tray")

    # A second start without an argument: the first instance shows itself.
    show_main(session, args, main)
    check_equal(tree_items(session, main)[0], SORTED_TREE, "the tree once shown")
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    shot = session.screenshot("library-tree.png")
    print(f"screenshot {shot}; X geometry {session.x_geometry(xid)}")

    # A second start with another file hands it over and ends; the first
    # instance opens it in the same window.
    helper = session.start(args.exe, session.windows_path(second), log_name="third-start.log")
    check_equal(helper.wait(timeout=20), 0, "exit code of the start with a file")
    session.wait_for("the handed-over file to open",
                     lambda: session.text(main) == f"{TITLE} - {session.windows_path(second)}")
    check(program.running(), "the first instance goes on")
    check_equal(tree_items(session, main)[0], [(0, "Categories"), (1, "Other"), (2, "Only")],
                "the tree of the handed-over library")

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
