"""What tests need to know of QuilletTarget.exe: the message that makes it
write its text out, reading that text, and waiting for a paste to land. The
target is a Unicode window: it writes its box's text, and the clipboard's,
as UTF-8 of exactly the UTF-16 units it holds."""

import re
import struct
from pathlib import Path

from winsession import RICH_EDIT_CLASSES

WM_DUMP = 0x8000 + 1  # WM_APP + 1: write the control's text to --out
WM_HOLD_CLIPBOARD = 0x8000 + 2  # put HELD_TEXT on the clipboard and keep it open
WM_RELEASE_CLIPBOARD = 0x8000 + 3
WM_DUMP_CLIPBOARD = 0x8000 + 4  # write the clipboard's text to --out + ".clipboard"
WM_HOLD_HOTKEY = 0x8000 + 5  # register the hotkey (wParam MOD_ flags, lParam virtual key) as another program would
WM_RELEASE_HOTKEY = 0x8000 + 6
WM_PUT_CLIPBOARD = 0x8000 + 7  # put USER_TEXT, USER_RTF, USER_HTML and USER_DIB on the clipboard
WM_DUMP_FORMATS = 0x8000 + 8  # write those formats to --out + ".clip-text", ".clip-rtf", ".clip-html", ".clip-dib"
HELD_TEXT = "held by the target"
USER_TEXT = b"Copied by the user\0"
USER_RTF = b"{\\rtf1\\ansi Copied by {\\b the user}}\0"
USER_HTML = (b"Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000184\r\nStartFragment:0000000139\r\n"
             b"EndFragment:0000000150\r\n<html><body>\r\n<!--StartFragment--><i>user</i><!--EndFragment-->\r\n"
             b"</body></html>\0")
LATER_TEXT = b"Copied after the paste\0"  # what --copy-after-paste copies
# The target's bitmap (ui/test_bitmap.h): a 2x1 24-bit BITMAPINFOHEADER (40
# bytes), then one row of two pixels padded to 8 bytes.
USER_DIB = (struct.pack("<IiiHHIIiiII", 40, 2, 1, 1, 24, 0, 8, 0, 0, 0, 0)
            + b"\x10\x20\x30\x40\x50\x60\x00\x00")
FORMAT_SUFFIXES = {"text": ".clip-text", "rtf": ".clip-rtf", "html": ".clip-html", "dib": ".clip-dib"}
USER_FORMATS = {"text": USER_TEXT, "rtf": USER_RTF, "html": USER_HTML, "dib": USER_DIB}
TARGET_TITLE = "Quillet Target"


def start_target(session, args, out, *extra, rtf_out=None, exe=None):
    """Starts the target (or its copy `exe`) writing to `out` and gives it
    the X focus; returns the process, its window and its X window. With
    `rtf_out` its box is a rich edit that writes its RTF there too."""
    out.unlink(missing_ok=True)
    if rtf_out is not None:
        rtf_out.unlink(missing_ok=True)
        extra = ("--rich", "--rtf-out", session.windows_path(rtf_out), *extra)
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
        click_into_target(session, target)


def click_into_target(session, target):
    """Brings the target to the front with a click below the text in its box
    (the caret goes to the end of the text), where no window above the
    target covers the box."""
    box = text_box(session, target)
    left, top, right, bottom = session.rect(box)
    above = []
    for window in session.windows():  # topmost first
        if window.hwnd == target:
            break
        if window.visible:
            above.append(session.rect(window.hwnd))
    y = bottom - 8
    for x in [left + (right - left) // 3, *range(right - 40, left, -20)]:
        if not any(l <= x < r and t <= y < b for l, t, r, b in above):
            session.click(box, dx=x - left, dy=y - top)
            session.wait_for("the target to take the keyboard", lambda: session.foreground() == target, timeout=10)
            return
    raise AssertionError(f"other windows cover the bottom of the target's box {(left, top, right, bottom)}: {above}")


def text_box(session, target):
    return next(c.hwnd for c in session.children(target) if c.cls.lower() in ("edit", *RICH_EDIT_CLASSES))


def read_text(path):
    """A text the target wrote (its box's, the clipboard's): UTF-8."""
    return Path(path).read_bytes().decode("utf-8")


def read_rtf(path):
    """RTF the target wrote, as Windows-1252: RTF is ASCII, but a writer may
    leave a byte of the document's code page unescaped."""
    return Path(path).read_bytes().decode("cp1252")


def wait_for_paste(session, target, out, what, timeout=15):
    """Asks the target to write its text until it is not empty and the same
    twice in a row (a paste that types its text arrives a key at a time);
    returns it. A screenshot not-pasted.png is left behind when nothing
    arrives."""
    last = []

    def pasted():
        session.send(target, WM_DUMP)
        text = read_text(out) if out.exists() else ""
        settled = text != "" and last == [text]
        last[:] = [text]
        return settled and text

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
    return clipboard(session, target, out)[0]


def clipboard(session, target, out):
    """The clipboard as the target reads it: its text, and its rich text
    (None when it holds none)."""
    path = out.with_name(out.name + ".clipboard")
    rtf = out.with_name(out.name + ".clipboard.rtf")
    path.unlink(missing_ok=True)
    if session.send(target, WM_DUMP_CLIPBOARD) != 1:
        raise AssertionError("the target could not read the clipboard")
    return read_text(path), read_rtf(rtf) if rtf.exists() else None


def clear_text(session, target):
    """Empties the target's text box."""
    session.set_text(text_box(session, target), "")


# Groups of these kinds hold no text of the document.
_RTF_DESTINATIONS = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "generator", "header", "footer"}
_RTF_TOKEN = re.compile(r"\\([a-zA-Z]+)(-?\d+)? ?|\\'([0-9a-fA-F]{2})|\\(.)|([{}])|([^\\{}\r\n]+)|[\r\n]+", re.S)


def bold_runs(rtf):
    """The runs of bold text of an RTF document, in order: what a reader
    sees bold, whichever way the writer put the switches."""
    chars = []  # (character, bold)
    stack, bold, skip, group_start = [], False, False, False
    for match in _RTF_TOKEN.finditer(rtf):
        word, number, hex_char, symbol, brace, text = match.groups()
        if brace == "{":
            stack.append((bold, skip))
            group_start = True
            continue
        if brace == "}":
            bold, skip = stack.pop() if stack else (bold, skip)
            continue
        first, group_start = group_start, False
        if word:
            if first and word in _RTF_DESTINATIONS:
                skip = True
            elif word == "b":
                bold = number != "0"
            elif word == "plain":
                bold = False
            elif word in ("par", "line", "tab"):
                text = "\n"
        elif symbol:
            if first and symbol == "*":
                skip = True
            text = symbol if symbol in "\\{}" else None
        elif hex_char:
            text = bytes.fromhex(hex_char).decode("cp1252")
        if text and not skip:
            chars.extend((c, bold) for c in text)
    runs, run = [], ""
    for c, is_bold in chars + [("", False)]:
        if is_bold:
            run += c
        elif run:
            runs.append(run)
            run = ""
    return runs


def clipboard_formats(session, target, out):
    """The clipboard's text, RTF, HTML and bitmap (CF_DIB) bytes as the
    target reads them, None for a format not there."""
    if session.send(target, WM_DUMP_FORMATS) != 1:
        raise AssertionError("the target could not read the clipboard")
    found = {}
    for name, suffix in FORMAT_SUFFIXES.items():
        path = out.with_name(out.name + suffix)
        found[name] = path.read_bytes() if path.exists() else None
    return found


def pasted_formats(out):
    """What a target started with --formats-on-paste read from the clipboard
    as it pasted: its text (UTF-8), RTF and HTML Format bytes, None for a
    format that was not there."""
    found = {}
    for name in ("text", "rtf", "html"):
        path = out.with_name(out.name + ".pasted-" + name)
        found[name] = path.read_bytes() if path.exists() else None
    return found
