"""Driving the program's main window and its dialogs in an end-to-end test:
starting it on a library, selecting tree nodes, pressing buttons with real
clicks, and answering message boxes."""

import re
import subprocess
import time

from quillet_library import fresh_library
from winsession import RICH_EDIT, WINE, check, check_equal

TITLE = "Tavrin Quillet"
SETTINGS_KEY = r"HKCU\Software\Morvane\Tavrin Quillet"
CTRL_ALT_Q = 0x4000 | 0x8000 | ord("Q")
WM_QUERYENDSESSION = 0x0011
TVM_GETNEXTITEM = 0x110A
TVM_SELECTITEM = 0x110B
TVGN_ROOT, TVGN_NEXT, TVGN_CHILD, TVGN_CARET = 0, 1, 4, 9
DIALOG_CLASS = "#32770"
REPLY_DIALOG = "Reply Properties"
SEARCH_TITLE = "Find Reply"
MENU_CLASS = "#32768"
HKM_GETHOTKEY = 0x0402
BM_GETCHECK = 0x00F0
OPTIONS_TAB_X = 120  # from the tab control's left edge: the "&Other Options" tab


def set_setting(session, name, value):
    """Stores a setting in the registry before the program starts: a number
    as REG_DWORD, a text as REG_SZ."""
    kind = "REG_DWORD" if isinstance(value, int) else "REG_SZ"
    result = subprocess.run([WINE, "reg", "add", SETTINGS_KEY, "/v", name, "/t", kind, "/d", str(value), "/f"],
                            env=session.env, capture_output=True, timeout=60)
    check_equal(result.returncode, 0, f"exit code of reg add {name}")


def reg_values(session, key):
    """The values of a registry key, by name, as `reg query` prints them."""
    result = subprocess.run([WINE, "reg", "query", key], env=session.env, capture_output=True, timeout=60)
    values = {}
    for line in result.stdout.decode("cp1252", "replace").splitlines():
        # Name, type and data, which may all hold blanks: "    Tavrin Quillet    REG_SZ    "C:\..."".
        match = re.match(r"^ +(.+?) +(REG_[A-Z_]+) *(.*)$", line.rstrip("\r"))
        if match:
            values[match.group(1)] = match.group(3)
    return values


def stored_setting(session, name):
    """A number the program stored in the registry, or None."""
    value = reg_values(session, SETTINGS_KEY).get(name)
    return int(value.split()[-1], 0) if value is not None else None


def start_program(session, args, *arguments):
    """Starts the program and returns it with its main window's handle."""
    program = session.start(args.exe, *arguments)
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window",
                            lambda: next((w for w in session.windows()
                                          if w.owner == app and w.title.startswith(TITLE + " ")), None)).hwnd
    return program, main


def start_in_tray(session, args, library):
    """Starts the program on `library` and waits until it has opened it (the
    window stays in the tray)."""
    program, main = start_program(session, args, session.windows_path(library))
    wait_library_open(session, main, library)
    return program, main


def start_with_replies(session, args, replies, **settings):
    """A fresh library holding `replies`, the `settings` stored (see
    set_setting), and the program started on it in the tray; returns the
    library, the program and its main window."""
    library = fresh_library(session, args.quillet, replies)
    for name, value in settings.items():
        set_setting(session, name, value)
    return (library, *start_in_tray(session, args, library))


def start_on_library(session, args, library):
    """Starts the program on `library` and shows its main window (a second
    start without arguments hands over to the first and shows it)."""
    program, main = start_in_tray(session, args, library)
    show_main(session, args, main)
    return program, main


def start_first_use(session, args):
    """A first start without a library: the main window with the first-use
    panel."""
    program, main = start_program(session, args)
    session.wait_for("the first-use panel", lambda: visible(session, main))
    session.wait_for("the main window on the X screen", lambda: session.x_windows(TITLE + " "))
    return program, main


def new_library(session, main, path):
    """New from the first-use link, through the real save dialog."""
    session.click(session.child(main, "Static", "Click here to create a new file").hwnd, dx=20)
    dialog = wait_window(session, "Save As")
    wait_foreground(session, dialog, "the save dialog to take the keyboard")
    session.x_type(session.windows_path(path.with_suffix("")))
    session.screenshot("save-dialog.png")
    session.x_key("Return")
    session.wait_for("the new library to open",
                     lambda: session.text(main) == f"{TITLE} - {session.windows_path(path)}")
    wait_gone(session, dialog, "the save dialog to close")


def wait_library_open(session, main, library):
    """Waits for the start-up to open `library` (after the splash): its
    hotkeys are registered by then."""
    expected = f"{TITLE} - {session.windows_path(library)}"
    session.wait_for(f"the main window to open {library.name}", lambda: session.text(main) == expected)


def show_main(session, args, main):
    """Brings the main window up and to the front, as the tray's Show does,
    through a second start."""
    check_equal(session.start(args.exe, log_name="show.log").wait(timeout=30), 0, "exit code of the second start")
    try:
        session.wait_for("the main window to show", lambda: visible(session, main))
    except AssertionError:
        session.screenshot("main-not-shown.png")
        print("\n".join(str(w) for w in session.windows()))
        raise
    wait_foreground(session, main, "the main window to come to the front")


def focus_box(session, hwnd):
    """Clicks into a box and waits until it has the keyboard."""
    session.click(hwnd)
    session.wait_for("the keyboard focus in the box", lambda: session.focus(hwnd) == hwnd, timeout=10)


def type_into(session, hwnd, text):
    focus_box(session, hwnd)
    session.x_type(text)


def press_hotkey(session, box, keys):
    """Presses `keys` in a hotkey input box and returns the value it then
    holds (in the box's own form: the key in the low byte)."""
    focus_box(session, box)
    session.x_key(keys)
    return session.wait_for(f"the hotkey box to take {keys}", lambda: session.send(box, HKM_GETHOTKEY), timeout=10)


def wait_foreground(session, hwnd, what, timeout=10):
    session.wait_for(what, lambda: session.foreground() == hwnd, timeout=timeout)


def visible(session, hwnd):
    return any(w.hwnd == hwnd and w.visible for w in session.windows())


def end_program(session, program, main):
    check_equal(session.send(main, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main, 0x0010)  # WM_CLOSE
    check_equal(program.wait(timeout=15), 0, "exit code")


def focus_of(session, hwnd):
    """The window with the keyboard focus in the thread of `hwnd`, 0 for none."""
    _, lines = session.wintool("focus", hex(hwnd))
    return int(lines[0], 16)


def tree_of(session, main):
    return session.child(main, "SysTreeView32").hwnd


def find_node(session, main, *path, tree=None):
    """The tree item at `path` (see select_node)."""
    tree = tree or tree_of(session, main)
    node = session.send(tree, TVM_GETNEXTITEM, TVGN_ROOT)
    for position in path:
        node = session.send(tree, TVM_GETNEXTITEM, TVGN_CHILD, node)
        for _ in range(position):
            node = session.send(tree, TVM_GETNEXTITEM, TVGN_NEXT, node)
        check(node, f"tree node {path} exists")
    return node


def tree_items(session, main):
    """The reply tree as (depth, text) pairs in tree order, and the position
    of the selected item (see WinSession.tree_items)."""
    return session.tree_items(tree_of(session, main))


def node_text(session, main, *path):
    _, lines = session.wintool("treetext", hex(tree_of(session, main)), hex(find_node(session, main, *path)))
    return lines[0] if lines else ""


def click_node(session, main, *path, double=False):
    """A real click (or double click) on the text of the node at `path`,
    which is selected first so that it is in view."""
    tree = tree_of(session, main)
    node = select_node(session, main, *path, tree=tree)
    _, lines = session.wintool("itemrect", hex(tree), hex(node))
    left, top, right, bottom = (int(v) for v in lines[0].split())
    client_left, client_top = session.rect(tree)[:2]
    x, y = client_left + (left + right) // 2 + 2, client_top + (top + bottom) // 2 + 2  # + the tree's border
    result = session._x("xdotool", "mousemove", "--sync", str(x), str(y), "click", "--repeat", "2" if double else "1",
                        "--delay", "80", "1")
    check(result.returncode == 0, f"xdotool click failed: {result.stderr!r}")


def drag(session, start, end):
    """Drags with the left button held from one screen point to another."""
    result = session._x("xdotool", "mousemove", "--sync", *map(str, start), "mousedown", "1", "mousemove", "--sync",
                        str((start[0] + end[0]) // 2), str((start[1] + end[1]) // 2), "mousemove", "--sync",
                        *map(str, end), "mouseup", "1")
    check(result.returncode == 0, f"xdotool drag failed: {result.stderr!r}")


def select_node(session, main, *path, tree=None):
    """Selects a node by its position: () the root, (c,) the c-th category,
    (c, r) the r-th reply of that category, counting from 0 in tree order;
    returns the node."""
    tree = tree or tree_of(session, main)
    node = find_node(session, main, *path, tree=tree)
    # Sent, so the window has shown the reply by the time it returns.
    session.send(tree, TVM_SELECTITEM, TVGN_CARET, node)
    return node


def shown_items(session, main):
    """The texts of the tree items a user can see by scrolling: the root and
    every item whose parents are all expanded, in tree order."""
    return session.wintool("shown", hex(tree_of(session, main)))[1]


def node_count(session, main, *path):
    """How many children the node at `path` has."""
    tree = tree_of(session, main)
    count = 0
    child = session.send(tree, TVM_GETNEXTITEM, TVGN_CHILD, find_node(session, main, *path, tree=tree))
    while child:
        count += 1
        child = session.send(tree, TVM_GETNEXTITEM, TVGN_NEXT, child)
    return count


def wait_window(session, title, timeout=20):
    """A visible top-level window with exactly this caption."""
    return session.wait_for(f"the window {title!r}",
                            lambda: next((w.hwnd for w in session.windows() if w.visible and w.title == title), None),
                            timeout=timeout)


def wait_gone(session, hwnd, what, timeout=20):
    session.wait_for(what, lambda: not visible(session, hwnd), timeout=timeout)


def open_configuration(session, main):
    """Opens the configuration dialog with Alt+C in the main window."""
    xid = session.wait_for("the main window on the X screen", lambda: session.x_windows(session.text(main)))[0]
    session.x_focus(xid)
    wait_foreground(session, main, "the main window to take the keyboard")
    session.x_key("alt+c")
    return wait_window(session, "Configuration")


def set_option(session, dialog, caption, ticked):
    """Ticks or clears a check box of the configuration dialog's options
    page with a real click, when it is not as wanted already."""
    session.click(session.child(dialog, "SysTabControl32").hwnd, dx=OPTIONS_TAB_X, dy=10)
    box = session.wait_for(f"the box {caption!r}", lambda: next(
        (c.hwnd for c in session.children(dialog) if c.visible and c.text == caption), None))
    if session.send(box, BM_GETCHECK) != int(ticked):
        session.click(box, dx=8)
    session.wait_for(f"the box {caption!r} {'ticked' if ticked else 'cleared'}",
                     lambda: session.send(box, BM_GETCHECK) == int(ticked), timeout=10)


def open_menus(session):
    """The popup menus on the screen (a menu bar's menu, a submenu, the tray
    menu), each a top-level window of its own."""
    return [w for w in session.windows() if w.visible and w.cls == MENU_CLASS]


def wait_menus(session, count, what):
    return session.wait_for(what, lambda: len(open_menus(session)) == count and open_menus(session), timeout=10)


def message_boxes(session):
    return [w for w in session.windows() if w.visible and w.cls == DIALOG_CLASS]


def full_text(session, hwnd):
    """A window's text with all its lines."""
    _, lines = session.wintool("text", hex(hwnd))
    return "\n".join(lines)


def answer_message_box(session, button_text, timeout=20):
    """Waits for a message box, presses its button with a real click and
    returns its text."""
    box = session.wait_for("a message box", lambda: next(iter(message_boxes(session)), None), timeout=timeout)
    # Read whole: the children listing keeps only the first line of a text.
    texts = [full_text(session, c.hwnd) for c in session.children(box.hwnd) if c.cls == "Static" and c.text]
    session.click(session.child(box.hwnd, "Button", button_text).hwnd)
    wait_gone(session, box.hwnd, "the message box to close")
    return "\n".join(texts)


TOP_BUTTONS = ["&Add", "&Edit", "&Delete", "Refre&sh"]
BOTTOM_BUTTONS = ["&Insert", "As &Text", "C&opy"]


def check_buttons_whole(session, main):
    """Every button of the main window is whole: inside the client area, the
    tree pane's above the splitter, the preview pane's above the bottom."""
    left, top, right, bottom = session.client_rect(main)
    splitter_top = session.rect(session.child(main, "TqSplitter").hwnd)[1]
    for name in TOP_BUTTONS + BOTTOM_BUTTONS:
        b_left, b_top, b_right, b_bottom = session.rect(session.child(main, "Button", name).hwnd)
        limit = splitter_top if name in TOP_BUTTONS else bottom
        check(left <= b_left < b_right <= right and top <= b_top < b_bottom <= limit,
              f"the {name} button {(b_left, b_top, b_right, b_bottom)} is whole in {(left, top, right, bottom)}"
              f" (bottom limit {limit})")


def shrink_to_the_least(session, main, screenshot="main-window-smallest.png"):
    """Drags the bottom right corner of the frame up to the top left corner,
    checks that every button is still whole, and returns the window's size."""
    left, top, right, bottom = session.rect(main)
    drag(session, (right - 2, bottom - 2), (left + 20, top + 20))
    session.wait_for("the window to take the drag", lambda: session.rect(main)[3] < bottom)
    time.sleep(0.3)
    session.screenshot(screenshot)
    check_buttons_whole(session, main)
    left, top, right, bottom = session.rect(main)
    return right - left, bottom - top


def open_reply_dialog(session, main, button="&Add"):
    """Clicks Add (or Edit) in the shown main window; the reply dialog."""
    session.click(session.child(main, "Button", button).hwnd)
    return wait_window(session, REPLY_DIALOG)


def reply_boxes(session, dialog):
    """The reply dialog's category box (the combo box's edit), description
    box and reply text (its rich edit)."""
    combo = session.child(dialog, "ComboBox").hwnd
    category = session.child(combo, "Edit").hwnd
    description = next(c.hwnd for c in session.children(dialog) if c.cls == "Edit" and c.hwnd != category)
    return category, description, session.child(dialog, RICH_EDIT).hwnd


def open_search(session):
    """Presses the search hotkey (Ctrl+Alt+Space on a first start); the
    search window once it shows."""
    session.x_key("ctrl+alt+space")
    return session.wait_for("the search window", lambda: (lambda w: w if w and visible(session, w) else None)(
        session.find_window(SEARCH_TITLE)))


def wait_search_hidden(session, search):
    session.wait_for("the search window to close", lambda: not visible(session, search))


def reply_path(session, main, category, description):
    """The tree path (see select_node) of the reply with this category and
    description (as the tree shows them), found by the items' texts."""
    items, _ = tree_items(session, main)
    path = None
    for depth, text in items:
        if depth == 1:
            path = [path[0] + 1 if path else 0, -1]
            in_category = text == category
        elif depth == 2:
            path[1] += 1
            if in_category and text == description:
                return tuple(path)
    raise AssertionError(f"no reply {description!r} under {category!r} in the tree: {items}")
