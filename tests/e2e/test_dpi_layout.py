#!/usr/bin/env python3
"""The windows laid out on a screen of the DPI given with --dpi (96, 120,
144), in one start of the program: the splash and the tray reminder show
their pictures scaled with the screen; the main window shows every button whole
and a few replies without a scroll bar in the tree, whose pictures and rows
follow the DPI; the reply dialog, the
configuration dialog (both pages) and the reply search keep their controls
inside their client areas without overlapping buttons; the About picture is
scaled with the dialog and centred; the window shrunk with its frame stops
where its buttons are still whole. Screenshots of each window are kept."""

import struct
import sys
import time

from main_window import (CTRL_ALT_Q, TITLE, check_buttons_whole, end_program, select_node, set_setting, show_main,
                         shrink_to_the_least, start_program, wait_foreground, wait_gone, wait_library_open, wait_menus,
                         wait_window)
from quillet_library import fresh_library, quillet_argument
from winsession import REPO, RICH_EDIT, check, check_equal, run_test

WS_VSCROLL, WS_HSCROLL = 0x00200000, 0x00100000
BS_TYPE_MASK, BS_GROUPBOX = 0x0F, 0x07
SS_TYPE_MASK, SS_BITMAP = 0x1F, 0x0E
TVM_GETITEMHEIGHT = 0x111C


def picture_size(name):
    """Width and height of one of the program's bitmaps, in its own pixels."""
    header = (REPO / "app" / "resources" / name).read_bytes()[18:26]
    return struct.unpack("<ii", header)


ABOUT_PICTURE = picture_size("about.bmp")

REPLIES = [
    {"category": "Sales", "description": "Thanks for ordering", "text": "Thank you for your order."},
    {"category": "Sales", "description": "Shipping times", "text": "We ship within two days."},
    {"category": "Support", "description": "Reset password", "text": "Please reset your password."},
    {"category": "Support", "description": "Welcome", "text": "{\\rtf1\\ansi Dear {\\b customer}, welcome.}"},
]


def inside(inner, outer):
    return outer[0] <= inner[0] < inner[2] <= outer[2] and outer[1] <= inner[1] < inner[3] <= outer[3]


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def check_dialog_layout(session, dialog, what, area=None):
    """Every visible control of a dialog lies inside its client area (or
    inside `area`, a function giving the rectangle a control must keep to),
    and no two buttons or check boxes overlap."""
    client = session.client_rect(dialog)
    controls = [c for c in session.controls(dialog) if c.visible]
    buttons = []
    for c in controls:
        bounds = area(c, controls) if area else client
        check(inside(c.rect, bounds), f"{what}: the {c.cls} {c.text!r} {c.rect} lies inside {bounds}")
        if c.cls == "Button" and c.style & BS_TYPE_MASK != BS_GROUPBOX:
            buttons.append((c.text, c.rect))
    for i, (name, r) in enumerate(buttons):
        for other, q in buttons[i + 1:]:
            check(not overlap(r, q), f"{what}: the buttons {name!r} {r} and {other!r} {q} overlap")
    return client


def open_with_keys(session, main, keys, title):
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    wait_foreground(session, main, "the main window to take the keyboard")
    session.x_key(*keys)
    return wait_window(session, title)


def close_with(session, dialog, button):
    session.click(session.child(dialog, "Button", button).hwnd)
    wait_gone(session, dialog, f"{button} to close the dialog")


def check_main_window(session, main, dpi):
    session.screenshot(f"main-window-{dpi}.png")
    check_buttons_whole(session, main)
    tree = session.child(main, "SysTreeView32").hwnd
    items, _ = session.tree_items(tree)
    check_equal(len(items), 1 + 2 + len(REPLIES), "tree items (root, categories and replies, all expanded)")
    check_equal(session.style(tree)[0] & (WS_VSCROLL | WS_HSCROLL), 0, "scroll bars of the tree")
    # The tree's pictures follow the DPI (16 pixels at 96 dpi, 24 at 144), and
    # its rows make room for them.
    picture = (16 * dpi + 48) // 96
    check(session.send(tree, TVM_GETITEMHEIGHT) >= picture,
          f"the tree's rows ({session.send(tree, TVM_GETITEMHEIGHT)} pixels) hold pictures of {picture}")
    # The tree pane reaches down to the splitter and the preview starts under
    # it; with no height stored the tree pane is 152 pixels scaled at least
    # as much as the screen.
    tree_rect = session.rect(tree)
    splitter = session.rect(session.child(main, "TqSplitter").hwnd)
    preview = session.rect(session.child(main, RICH_EDIT).hwnd)
    check_equal(tree_rect[3], splitter[1], "the tree's bottom edge at the splitter")
    check_equal(preview[1], splitter[3], "the preview's top edge at the splitter")
    least = (152 * dpi + 48) // 96
    check(tree_rect[3] - tree_rect[1] >= least, f"the tree pane {tree_rect} is at least {least} pixels high")


def check_reply_dialog(session, main, dpi):
    select_node(session, main, 0, 0)
    session.click(session.child(main, "Button", "&Edit").hwnd)
    dialog = wait_window(session, "Reply Properties")
    time.sleep(0.3)
    session.screenshot(f"reply-dialog-{dpi}.png")
    check_dialog_layout(session, dialog, "the reply dialog")
    close_with(session, dialog, "&Cancel")


def check_configuration(session, main, dpi):
    dialog = open_with_keys(session, main, ["alt+c"], "Configuration")
    client = session.client_rect(dialog)
    tabs = session.child(dialog, "SysTabControl32").hwnd
    tab_rect = session.rect(tabs)
    outside_tabs = {"OK", "&Cancel", "&Help"}

    def area(c, controls):
        # The pages' controls stay on the tab control; the dialog's buttons
        # below it on the dialog.
        return client if c.hwnd == tabs or c.text in outside_tabs else tab_rect

    time.sleep(0.3)
    session.screenshot(f"configuration-{dpi}.png")
    check_dialog_layout(session, dialog, "the configuration dialog's first page", area)
    # The second page, chosen by a click on its tab.
    session.click(tabs, dx=(120 * dpi + 48) // 96, dy=(10 * dpi + 48) // 96)
    session.wait_for("the second page", lambda: any(c.visible and c.text == "Formatting"
                                                    for c in session.children(dialog)), timeout=10)
    session.screenshot(f"configuration-options-{dpi}.png")
    check_dialog_layout(session, dialog, "the configuration dialog's second page", area)
    close_with(session, dialog, "&Cancel")


def check_about(session, main, dpi):
    session.x_key("alt+h")
    wait_menus(session, 1, "the Help menu")
    session.x_key("a")
    about = wait_window(session, "About " + TITLE)
    time.sleep(0.3)
    session.screenshot(f"about-{dpi}.png")
    client = check_dialog_layout(session, about, "the About dialog")
    left, top, right, bottom = check_picture_scaled(session, about, ABOUT_PICTURE, dpi, "the About picture")
    check(abs((left - client[0]) - (client[2] - right)) <= 1,
          f"the About picture {left, right} is centred in {client[0], client[2]}")
    close_with(session, about, "&Close")


def bitmap_picture(controls):
    return next((c for c in controls if c.cls == "Static" and c.style & SS_TYPE_MASK == SS_BITMAP), None)


def check_picture_scaled(session, window, natural, dpi, what, controls=None):
    """The window's picture (among its controls, looked at now unless given)
    is scaled at least as much as the screen and keeps its proportions;
    returns its rectangle."""
    picture = bitmap_picture(controls if controls is not None else session.controls(window))
    check(picture is not None, f"{what} is shown")
    left, top, right, bottom = picture.rect
    width, height = right - left, bottom - top
    least = [(n * dpi + 48) // 96 for n in natural]
    check(width >= least[0] and height >= least[1], f"{what} {width}x{height} is at least {least}")
    check(abs(width * natural[1] - height * natural[0]) <= sum(natural),
          f"{what} {width}x{height} keeps the proportions of {natural}")
    return picture.rect


def start_with_splash_and_reminder(session, args, library, dpi):
    """Starts the program on its last library: the splash shows, then the
    tray reminder, closed with OK; then the main window is brought up."""
    set_setting(session, "MRUFileName", session.windows_path(library))
    program, main = start_program(session, args)
    # The splash closes itself after two seconds: its picture is looked at
    # the moment it is seen, in the same poll.
    def splash_with_picture():
        splash = next((w.hwnd for w in session.windows() if w.visible and w.cls == "TqForm" and w.title == ""), None)
        if splash is None:
            return None
        controls = session.controls(splash)
        return (splash, controls) if bitmap_picture(controls) else None

    splash, controls = session.wait_for("the splash window with its picture", splash_with_picture)
    session.screenshot(f"splash-{dpi}.png")
    check_picture_scaled(session, splash, picture_size("splash.bmp"), dpi, "the splash picture", controls)
    reminder = wait_window(session, "Reminder")
    time.sleep(0.3)
    session.screenshot(f"tray-reminder-{dpi}.png")
    check_dialog_layout(session, reminder, "the tray reminder")
    check_picture_scaled(session, reminder, picture_size("reminder.bmp"), dpi, "the reminder picture")
    close_with(session, reminder, "&OK")
    wait_library_open(session, main, library)
    show_main(session, args, main)
    return program, main


def check_search(session, main, dpi):
    """The reply search, opened with its hotkey (Ctrl+Alt+Space)."""
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    session.x_key("ctrl+alt+space")
    search = session.wait_for("the search window", lambda: next(
        (w.hwnd for w in session.windows() if w.visible and w.title == "Find Reply"), None))
    session.x_type("than")
    time.sleep(0.5)
    session.screenshot(f"search-{dpi}.png")
    check_dialog_layout(session, search, "the reply search")
    session.x_key("Escape")
    wait_gone(session, search, "Escape to close the search")


def test(session, args):
    dpi = args.dpi or 96
    check_equal(session.screen_dpi()[0], dpi, "the session's DPI")
    library = fresh_library(session, args.quillet, REPLIES)
    set_setting(session, "AutoExpandTree", 1)
    set_setting(session, "MainHotKey", CTRL_ALT_Q)
    program, main = start_with_splash_and_reminder(session, args, library, dpi)

    check_main_window(session, main, dpi)
    check_reply_dialog(session, main, dpi)
    check_configuration(session, main, dpi)
    check_about(session, main, dpi)
    check_search(session, main, dpi)
    smallest = shrink_to_the_least(session, main, f"main-window-smallest-{dpi}.png")
    print(f"smallest main window at {dpi} dpi: {smallest}")
    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
