"""What tests need to know of QuilletTarget.exe: the message that makes it
write its text out, reading that text, and waiting for a paste to land."""

import struct
from pathlib import Path

WM_DUMP = 0x8000 + 1  # WM_APP + 1: write the control's text to --out
WM_HOLD_CLIPBOARD = 0x8000 + 2  # put HELD_TEXT on the clipboard and keep it open
WM_RELEASE_CLIPBOARD = 0x8000 + 3
WM_DUMP_CLIPBOARD = 0x8000 + 4  # write the clipboard's text to --out + ".clipboard"
WM_PUT_CLIPBOARD = 0x8000 + 5  # put USER_TEXT, USER_RTF and USER_DIB on the clipboard
WM_DUMP_FORMATS = 0x8000 + 6  # write those formats to --out + ".clip-text", ".clip-rtf", ".clip-dib"
HELD_TEXT = "held by the target"
USER_TEXT = b"Copied by the user\0"
USER_RTF = b"{\\rtf1\\ansi Copied by {\\b the user}}\0"
# A 2x1 24-bit bitmap: BITMAPINFOHEADER (40 bytes), then one row of two
# pixels padded to 8 bytes.
USER_DIB = (struct.pack("<IiiHHIIiiII", 40, 2, 1, 1, 24, 0, 8, 0, 0, 0, 0)
            + b"\x10\x20\x30\x40\x50\x60\x00\x00")
FORMAT_SUFFIXES = {"text": ".clip-text", "rtf": ".clip-rtf", "dib": ".clip-dib"}
TARGET_TITLE = "Quillet Target"


def start_target(session, args, out, *extra, exe=None):
    """Starts the target (or its copy `exe`) writing to `out` and gives it the
    X focus; returns the process, its window and its X window."""
    out.unlink(missing_ok=True)
    process = session.start(exe or args.target, "--out", session.windows_path(out), *extra)
    target = session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    xid = session.wait_for("the target on the X screen", lambda: session.x_windows(TARGET_TITLE))[0]
    focus_target(session, target, xid)
    return process, target, xid


def focus_target(session, target, xid):
    """Gives the target the X focus and makes it Wine's foreground window,
    where keys and hotkeys go. An X focus that does not change (the X window
    had it already) tells Wine nothing: then a click below the text in the
    target's box activates it, leaving the caret at the end of the text."""
    session.x_focus(xid)
    try:
        session.wait_for("the target to come to the front", lambda: session.foreground() == target, timeout=2)
    except AssertionError:
        box = next(c for c in session.children(target) if c.cls.lower() in ("edit", "richedit20a"))
        left, top, right, bottom = session.rect(box.hwnd)
        session.click(box.hwnd, dx=(right - left) // 3, dy=bottom - top - 8)
        session.wait_for("the target to take the keyboard", lambda: session.foreground() == target, timeout=10)


def read_text(path):
    return Path(path).read_bytes().decode("cp1252")


def wait_for_paste(session, target, out, what, timeout=15):
    """Asks the target to write its text until it is not empty; returns it.
    A screenshot not-pasted.png is left behind when nothing arrives."""

    def pasted():
        session.send(target, WM_DUMP)
        return out.exists() and read_text(out) != "" and read_text(out)

    try:
        return session.wait_for(what, pasted, timeout=timeout)
    except Exception:
        session.screenshot("not-pasted.png")
        raise


def wait_for_text(session, target, out, expected, what, timeout=15):
    """Asks the target to write its text until it is exactly `expected`; the
    assertion names the text last seen when it never is."""
    seen = []

    def arrived():
        session.send(target, WM_DUMP)
        seen[:] = [read_text(out)] if out.exists() else []
        return seen == [expected]

    try:
        session.wait_for(what, arrived, timeout=timeout)
    except AssertionError as e:
        session.screenshot("not-pasted.png")
        raise AssertionError(f"{e}: the target holds {seen[0] if seen else None!r}, not {expected!r}") from None


def clipboard_text(session, target, out):
    """The clipboard's text as the target reads it."""
    path = out.with_name(out.name + ".clipboard")
    path.unlink(missing_ok=True)
    if session.send(target, WM_DUMP_CLIPBOARD) != 1:
        raise AssertionError("the target could not read the clipboard")
    return read_text(path)


def clipboard_formats(session, target, out):
    """The clipboard's text, RTF and bitmap (CF_DIB) bytes as the target
    reads them, None for a format not there."""
    if session.send(target, WM_DUMP_FORMATS) != 1:
        raise AssertionError("the target could not read the clipboard")
    found = {}
    for name, suffix in FORMAT_SUFFIXES.items():
        path = out.with_name(out.name + suffix)
        found[name] = path.read_bytes() if path.exists() else None
    return found
