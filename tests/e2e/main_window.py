"""Driving the program's main window and its dialogs in an end-to-end test:
starting it on a library, selecting tree nodes, pressing buttons with real
clicks, and answering message boxes."""

import time

from winsession import check, check_equal

TITLE = "Tavrin Quillet"
WM_QUERYENDSESSION = 0x0011
TVM_GETNEXTITEM = 0x110A
TVM_SELECTITEM = 0x110B
TVGN_ROOT, TVGN_NEXT, TVGN_CHILD, TVGN_CARET = 0, 1, 4, 9
DIALOG_CLASS = "#32770"


def start_on_library(session, args, library):
    """Starts the program on `library` and shows its main window (a second
    start without arguments hands over to the first and shows it)."""
    program = session.start(args.exe, session.windows_path(library))
    app = session.wait_for("the application window", lambda: session.find_window(TITLE))
    main = session.wait_for("the main window",
                            lambda: next((w for w in session.windows()
                                          if w.owner == app and w.title.startswith(TITLE)), None)).hwnd
    wait_library_open(session, main, library)
    show_main(session, args, main)
    return program, main


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
    time.sleep(0.3)


def visible(session, hwnd):
    return any(w.hwnd == hwnd and w.visible for w in session.windows())


def end_program(session, program, main):
    check_equal(session.send(main, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main, 0x0010)  # WM_CLOSE
    check_equal(program.wait(timeout=15), 0, "exit code")


def tree_of(session, main):
    return session.child(main, "SysTreeView32").hwnd


def find_node(session, main, *path):
    """The tree item at `path` (see select_node)."""
    tree = tree_of(session, main)
    node = session.send(tree, TVM_GETNEXTITEM, TVGN_ROOT)
    for position in path:
        node = session.send(tree, TVM_GETNEXTITEM, TVGN_CHILD, node)
        for _ in range(position):
            node = session.send(tree, TVM_GETNEXTITEM, TVGN_NEXT, node)
        check(node, f"tree node {path} exists")
    return node


def node_text(session, main, *path):
    _, lines = session.wintool("treetext", hex(tree_of(session, main)), hex(find_node(session, main, *path)))
    return lines[0] if lines else ""


def select_node(session, main, *path):
    """Selects a node by its position: () the root, (c,) the c-th category,
    (c, r) the r-th reply of that category, counting from 0 in tree order."""
    session.send(tree_of(session, main), TVM_SELECTITEM, TVGN_CARET, find_node(session, main, *path))
    time.sleep(0.2)


def node_count(session, main, *path):
    """How many children the node at `path` has."""
    tree = tree_of(session, main)
    count = 0
    child = session.send(tree, TVM_GETNEXTITEM, TVGN_CHILD, find_node(session, main, *path))
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


def message_boxes(session):
    return [w for w in session.windows() if w.visible and w.cls == DIALOG_CLASS]


def answer_message_box(session, button_text, timeout=20):
    """Waits for a message box, presses its button with a real click and
    returns its text."""
    box = session.wait_for("a message box", lambda: next(iter(message_boxes(session)), None), timeout=timeout)
    texts = [c.text for c in session.children(box.hwnd) if c.cls == "Static" and c.text]
    session.click(session.child(box.hwnd, "Button", button_text).hwnd)
    wait_gone(session, box.hwnd, "the message box to close")
    return "\n".join(texts)
