#!/usr/bin/env python3
"""Library files from the main window: New through the real save dialog
from the first-use panel creates an empty library and opens it; a second
start with a path too long to hand over says so and changes nothing; a
second start with a library opens it in the first; the "&ReOpen" submenu
opens the earlier file again."""

import sys

from main_window import (TITLE, answer_message_box, end_program, new_library, start_first_use, wait_foreground,
                         wait_menus)
from quillet_library import make_library, quillet_argument
from winsession import check, check_equal, run_test


def caption_of(session, main):
    return session.text(main)


def test(session, args):
    other = session.artifacts / "other.qdk"
    other.unlink(missing_ok=True)
    make_library(session, args.quillet, other, [{"category": "General", "description": "Hi", "text": "Hi."}])
    new = session.artifacts / "new.qdk"
    new.unlink(missing_ok=True)

    program, main = start_first_use(session, args)

    # New, from the first-use link, through the save dialog (without the
    # extension, which the dialog adds).
    new_library(session, main, new)
    check_equal(new.stat().st_size, 212, "size of a new library file")

    # A path too long to hand over is refused by the second start.
    too_long = "C:\\" + "x" * 296 + ".qdk"
    second = session.start(args.exe, too_long, log_name="long-path.log")
    message = answer_message_box(session, "OK")
    check(message.startswith("The file name is too long to open"), f"message: {message!r}")
    check_equal(second.wait(timeout=20), 0, "exit code of the second start")
    check_equal(caption_of(session, main), f"{TITLE} - {session.windows_path(new)}", "caption after a long path")

    # A second start with a library opens it in the first.
    check_equal(session.start(args.exe, session.windows_path(other), log_name="other.log").wait(timeout=30), 0,
                "exit code of the hand-over")
    session.wait_for("the handed-over library to open",
                     lambda: caption_of(session, main) == f"{TITLE} - {session.windows_path(other)}")

    # ReOpen: the newest file is first, the earlier one second, numbered.
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(caption_of(session, main)))[0]
    session.x_focus(xid)
    wait_foreground(session, main, "the main window to take the keyboard")
    session.x_key("alt+f")
    wait_menus(session, 1, "the File menu")
    session.x_key("r")
    wait_menus(session, 2, "the ReOpen submenu")
    session.screenshot("reopen-menu.png")  # numbered entries, the highlighted one's full path beside it
    session.x_key("2")  # the second entry's access key
    session.wait_for("the earlier library to open again",
                     lambda: caption_of(session, main) == f"{TITLE} - {session.windows_path(new)}")
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
