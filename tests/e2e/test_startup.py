#!/usr/bin/env python3
"""The program starts in a fresh prefix: its hidden application window carries
the title and owns the main window, which shows, sits directly above it and
carries the title with one space; the program file has its icon and version
resource; closing the main window only hides it (the program lives on in the
tray); after the end-of-session query WM_CLOSE ends the process cleanly."""

import subprocess
import sys
import time

from winsession import WM_CLOSE, check, check_equal, run_test

WM_QUERYENDSESSION = 0x0011

TITLE = "Tavrin Quillet"


def test(session, args):
    program = session.start(args.exe)
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window to show",
                            lambda: next((w for w in session.windows()
                                          if w.owner == app and w.visible), None))
    ours = {w.hwnd: w for w in session.windows()}
    check(not ours[app].visible, "the application window is hidden")
    check_equal(ours[app].cls, "TqApplication", "class of the application window")
    check_equal(main.title, TITLE + " ", "caption of the main window")
    check_equal(main.pid, ours[app].pid, "process of the main window")
    _, above = session.wintool("prev", hex(app))
    check_equal(int(above[0], 16), main.hwnd, "window directly above the application window")

    # Seen on the X screen: exactly one shown window with the caption, and not
    # a blank one.
    xids = session.wait_for("the main window on the X screen", lambda: session.x_windows(TITLE + " "))
    check_equal(len(xids), 1, "X windows named like the main window")
    x, y, width, height = session.x_geometry(xids[0])
    check(width >= 300 and height >= 300, f"main window size {width}x{height}")
    time.sleep(0.5)  # let it paint
    shot = session.screenshot("startup.png")
    crop = f"{width}x{height}+{max(x, 0)}+{max(y, 0)}"
    colours = subprocess.run(["convert", str(shot), "-crop", crop, "+repage", "-format", "%k", "info:"],
                             capture_output=True, timeout=30).stdout.decode().strip()
    check(colours.isdigit() and int(colours) > 10, f"the window shows something ({colours} colours)")

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

    # The close box only hides the window.
    session.post(main.hwnd, WM_CLOSE)
    session.wait_for("the main window to hide",
                     lambda: not next(w for w in session.windows() if w.hwnd == main.hwnd).visible)
    check(program.running(), "the program goes on in the tray after close")

    check_equal(session.send(main.hwnd, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main.hwnd, WM_CLOSE)
    started = time.monotonic()
    check_equal(program.wait(timeout=5), 0, "exit code")
    print(f"ended {time.monotonic() - started:.2f} s after WM_CLOSE; prefix made in "
          f"{session.prefix_seconds:.2f} s; screenshot {shot}")
    check(session.find_window(TITLE) is None, "no application window is left")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test))
