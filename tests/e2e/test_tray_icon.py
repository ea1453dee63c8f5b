#!/usr/bin/env python3
"""The tray icon's messages reach the program through its hidden tray window
(class "TQFormEnhanceTray"): the right button opens the tray menu at the
pointer ("&Show", "&Configure...", "E&xit"), whose Show brings the window up;
a double click on the icon shows the window too. A window closed while
maximized stores "Maximized" "1" under "WS" and, after a restart, comes back
maximized when the icon is double-clicked."""

import subprocess
import sys
import time

from main_window import TITLE, end_program, open_menus, reg_values, visible
from quillet_library import fresh_library, quillet_argument
from winsession import WINE, WM_CLOSE, check, check_equal, run_test

TRAY_CLASS = "TQFormEnhanceTray"
CALLBACK = 0x800
WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP = 0x201, 0x202, 0x203, 0x204, 0x205
WM_SYSCOMMAND, SC_MAXIMIZE = 0x0112, 0xF030
KEY = r"HKCU\Software\Morvane\Tavrin Quillet\WS"


def start(session, args, library):
    """Starts the program on `library` (it starts in the tray) and returns
    the process, the main window and the hidden tray window."""
    program = session.start(args.exe, session.windows_path(library))
    # By its class: until the main window's caption gets its trailing space,
    # a search by caption alone may find the main window.
    app = session.wait_for("the application window",
                           lambda: next((w.hwnd for w in session.windows()
                                         if w.cls == "TqApplication" and w.title == TITLE), None))
    main = session.wait_for("the main window",
                            lambda: next((w for w in session.windows()
                                          if w.owner == app and w.title.startswith(TITLE)), None)).hwnd
    pid = next(w.pid for w in session.windows() if w.hwnd == main)
    tray = session.wait_for("the hidden tray window",
                            lambda: next((w for w in session.windows() if w.cls == TRAY_CLASS and w.pid == pid),
                                         None))
    check(not tray.visible, "the tray window stays hidden")
    time.sleep(0.5)
    check(not visible(session, main), "with a library open the program starts in the tray")
    return program, main, tray.hwnd


def click_icon(session, tray, *actions):
    """Posts the icon's callback message for each mouse action. Each post is
    a Wine process of its own, too slow to make a real click and double
    click: a double click is posted as its own two messages."""
    for action in actions:
        session.post(tray, CALLBACK, 1, action)


def maximized(session, hwnd):
    """Whether the window covers the whole work area (the screen less the
    virtual desktop's taskbar), as a maximized window does."""
    left, top, right, bottom = session.rect(hwnd)
    return left <= 0 and top <= 0 and right >= 1024 and bottom >= 700


def test(session, args):
    library = fresh_library(session, args.quillet, [{"category": "General", "description": "Hi", "text": "Hi."}])
    # A placement of an earlier run, as text values under "WS".
    saved = (120, 90, 583, 517)
    for name, value in zip(("Left", "Top", "Right", "Bottom", "Maximized"), (*saved, 0)):
        result = subprocess.run([WINE, "reg", "add", KEY, "/v", name, "/t", "REG_SZ", "/d", str(value), "/f"],
                                env=session.env, capture_output=True, timeout=60)
        check_equal(result.returncode, 0, f"exit code of reg add {name}")

    program, main, tray = start(session, args, library)

    # A left click opens the tray menu once the double-click time is over;
    # a click elsewhere closes it.
    click_icon(session, tray, WM_LBUTTONDOWN, WM_LBUTTONUP)
    session.wait_for("the tray menu from the left button", lambda: open_menus(session))
    session.mouse_move(100, 100, click=True)
    session.wait_for("the menu to close", lambda: not open_menus(session))
    check(not visible(session, main), "closing the menu shows nothing")

    # The right button opens it at the pointer; its Show shows the window.
    session.mouse_move(600, 420)
    click_icon(session, tray, WM_RBUTTONDOWN)
    menu = session.wait_for("the tray menu", lambda: next(iter(open_menus(session)), None))
    time.sleep(0.3)
    session.screenshot("tray-menu.png")
    left, top, _, _ = session.rect(menu.hwnd)
    check(abs(left - 600) <= 2 or abs(top - 420) <= 2, f"the menu opens at the pointer: {session.rect(menu.hwnd)}")
    session.click(menu.hwnd, 30, 10)  # "&Show", the first item
    session.wait_for("the menu to close", lambda: not open_menus(session))
    session.wait_for("Show from the tray menu", lambda: visible(session, main))
    check_equal(session.rect(main), saved, "the window where the stored placement puts it")

    # The close box hides it; a double click on the icon shows it again.
    session.post(main, WM_CLOSE)
    session.wait_for("the window to hide", lambda: not visible(session, main))
    click_icon(session, tray, WM_LBUTTONDBLCLK, WM_LBUTTONUP)
    session.wait_for("a double click to show the window", lambda: visible(session, main))
    time.sleep(1)  # past the double-click time: no menu follows a double click
    check(not open_menus(session), "a double click opens no menu")

    # Closed while maximized, it comes back maximized over its normal place.
    session.post(main, WM_SYSCOMMAND, SC_MAXIMIZE)
    session.wait_for("the window to maximize", lambda: maximized(session, main))
    end_program(session, program, main)
    session.wait_for("the program's windows to go", lambda: session.find_window(TITLE) is None)
    placement = reg_values(session, KEY)
    print(f"stored placement {placement}")
    check_equal(placement.get("Maximized"), "1", "Maximized")
    check_equal(tuple(int(placement[k]) for k in ("Left", "Top", "Right", "Bottom")), saved,
                "the normal rectangle is stored")

    program, main, tray = start(session, args, library)
    click_icon(session, tray, WM_LBUTTONDBLCLK, WM_LBUTTONUP)
    session.wait_for("a double click to show the window", lambda: visible(session, main))
    session.wait_for("the window to come back maximized", lambda: maximized(session, main))
    time.sleep(0.3)
    session.screenshot("restarted-maximized.png")
    # Restoring gives the stored normal rectangle back.
    session.post(main, WM_SYSCOMMAND, 0xF120)  # SC_RESTORE
    session.wait_for("the window to restore to its normal rectangle", lambda: session.rect(main) == saved)
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
