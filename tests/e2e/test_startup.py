#!/usr/bin/env python3
"""The program starts in a fresh prefix: its hidden application window carries
the title and owns the main window, which shows the first-use panel (no
library is open yet), sits directly above it and carries the title with one
space; the program file has its icon and version resource; closing the main
window only hides it (the program lives on in the tray, its windows kept);
after the end-of-session query WM_CLOSE ends the process cleanly."""

import subprocess
import sys
import time

from main_window import TITLE, WM_QUERYENDSESSION, start_first_use, visible
from winsession import WM_CLOSE, check, check_equal, run_test

FIRST_USE_TEXT = ("This appears to be your first time using Tavrin Quillet. You can now specify program options, "
                  "including a hotkey to activate Tavrin Quillet from the system tray. Specify options below in the "
                  "order shown.")


def colours_in(session, shot, x, y, width, height):
    crop = f"{width}x{height}+{max(x, 0)}+{max(y, 0)}"
    colours = subprocess.run(["convert", str(shot), "-crop", crop, "+repage", "-format", "%k", "info:"],
                             capture_output=True, timeout=30).stdout.decode().strip()
    return int(colours) if colours.isdigit() else 0


def test(session, args):
    program, main_hwnd = start_first_use(session, args)
    ours = {w.hwnd: w for w in session.windows()}
    app = session.find_window(TITLE)
    main = ours[main_hwnd]
    check(not ours[app].visible, "the application window is hidden")
    check_equal(ours[app].cls, "TqApplication", "class of the application window")
    check_equal(main.owner, app, "owner of the main window")
    check_equal(main.title, TITLE + " ", "caption of the main window")
    check_equal(main.pid, ours[app].pid, "process of the main window")
    _, above = session.wintool("prev", hex(app))
    check_equal(int(above[0], 16), main.hwnd, "window directly above the application window")

    # What a first start shows: the first-use panel, not the tree.
    shown = {(c.cls.lower(), c.text) for c in session.children(main.hwnd) if c.visible}
    check(("static", FIRST_USE_TEXT) in shown, f"the first-use text is shown: {shown}")
    check(("static", "Click here to create a new file") in shown, f"the New link is shown: {shown}")
    check(not any(cls == "systreeview32" for cls, _ in shown), f"no reply tree without a library: {shown}")

    # Seen on the X screen: exactly one shown window with the caption, and not
    # a blank one once it has painted.
    xids = session.x_windows(TITLE + " ")
    check_equal(len(xids), 1, "X windows named like the main window")
    x, y, width, height = session.x_geometry(xids[0])
    check(width >= 300 and height >= 300, f"main window size {width}x{height}")
    shot = session.artifacts / "startup.png"
    session.wait_for("the window to show something",
                     lambda: colours_in(session, session.screenshot(shot.name), x, y, width, height) > 10)

    # The program file's resources.
    _, lines = session.wintool("version", session.windows_path(args.exe))
    version = dict(line.split("=", 1) for line in lines if "=" in line)
    check_equal(version.get("ProductName"), "Tavrin Quillet", "ProductName")
    check_equal(version.get("CompanyName"), "Morvane", "CompanyName")
    check_equal(version.get("FileVersion"), args.file_version, "FileVersion")
    check_equal(version.get("Fixed"), args.file_version, "fixed file version")
    for size in (16, 32):
        _, lines = session.wintool("icon", session.windows_path(args.exe), 1, size)
        check_equal(lines, [str(size)], f"icon 1 at {size}x{size}")

    # The close box only hides the window: the program and its windows stay.
    session.post(main.hwnd, WM_CLOSE)
    session.wait_for("the main window to hide", lambda: not visible(session, main.hwnd))
    check(program.running(), "the program goes on in the tray after close")
    check_equal(session.find_window(TITLE), app, "the application window after close")
    check_equal(session.wintool("owner", hex(main.hwnd))[1], [f"0x{app:08x}"], "the hidden main window's owner")

    check_equal(session.send(main.hwnd, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main.hwnd, WM_CLOSE)
    started = time.monotonic()
    check_equal(program.wait(timeout=5), 0, "exit code")
    print(f"ended {time.monotonic() - started:.2f} s after WM_CLOSE; prefix made in "
          f"{session.prefix_seconds:.2f} s; screenshot {shot}")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test))
