#!/usr/bin/env python3
"""Live spelling in a watched rich edit (LiveSpellHost, a form holding one
rich edit with TLiveSpelling as the reply dialog has it), under Wine:

- the red zigzag lies under the misspelt words and nowhere else (its pixels
  found in a screenshot, the words' rectangles from EM_POSFROMCHAR);
- the spelling menu on a right click: the first suggestion replaces the word
  (and its marker goes), Ignore unmarks that occurrence only, Add writes the
  word to the active custom dictionary file;
- typing " teh " with the auto-correct pair teh -> the gives " the ", and one
  Ctrl+Z brings back what was typed;
- a bold and a coloured misspelt word are marked and keep their formatting,
  also when the menu replaces them; Spelling ... opens the spell-check
  dialog for the word alone, with no message at its end;
- scrolling a 200-line text keeps the markers under the right words;
- switching "Check spelling as you type" off removes every marker at once."""

import shutil
import subprocess
import sys
import time

from quillet_library import quillet_argument
from winsession import RICH_EDIT_CLASSES, check, check_equal, run_test

EM_GETSEL = 0x00B0
EM_GETFIRSTVISIBLELINE = 0x00CE
EM_LINEINDEX = 0x00BB
EM_POSFROMCHAR = 0x00D6
WM_APP = 0x8000
LIVE_OPTION = WM_APP + 1
CLIENT_ORIGIN = WM_APP + 2
CHAR_FORMAT = WM_APP + 3

SAMPLE = "This is teh sample with a mispeled word."
# How far below a line's top its marker may reach: the text's height plus the
# zigzag (measured: about 14 pixels with Wine's default font).
MARKER_REACH = 20


def signed16(v):
    return v - 0x10000 if v & 0x8000 else v


class Host:
    """One LiveSpellHost with its rich edit."""

    def __init__(self, session, args, folder, *arguments):
        self.session = session
        self.process = session.start(args.host, "--dir", session.windows_path(folder), *arguments,
                                     log_name="host.log")
        self.form = session.wait_for("the host window", lambda: session.find_window("Live Spell Host"))
        self.rich = session.wait_for("its rich edit", lambda: [c for c in session.children(self.form)
                                                               if c.cls.lower() in RICH_EDIT_CLASSES])[0].hwnd
        origin = session.send(self.form, CLIENT_ORIGIN)
        self.origin = (signed16(origin & 0xFFFF), signed16(origin >> 16))
        left, top, right, bottom = session.rect(self.rich)
        # The client area without the border and the scroll bar.
        self.client = (self.origin[0], self.origin[1], right - 2 - 16, bottom - 2)

    def text(self):
        return self.session.text(self.rich)

    def pos(self, index):
        """Screen position of a character (EM_POSFROMCHAR)."""
        v = self.session.send(self.rich, EM_POSFROMCHAR, index, 0) & 0xFFFFFFFF
        return self.origin[0] + signed16(v & 0xFFFF), self.origin[1] + signed16(v >> 16)

    def word_rect(self, start, end):
        """(left, top, right, bottom) of the characters start..end-1 and the
        pixels below them the marker may use."""
        (x0, y0), (x1, _) = self.pos(start), self.pos(end)
        return x0, y0, x1, y0 + MARKER_REACH

    def char_format(self, index):
        v = self.session.send(self.form, CHAR_FORMAT, index) & 0xFFFFFFFF
        return {"bold": bool(v & 0x1000000), "colour": v & 0xFFFFFF}

    def right_click(self, start, end):
        (x0, y0), (x1, _) = self.pos(start), self.pos(end)
        self.session.mouse_move((x0 + x1) // 2, y0 + 6)
        subprocess.run(["xdotool", "click", "3"], env=self.session.env, timeout=20, check=True)
        self.session.wait_for("the spelling menu", self.menu_open, timeout=10)
        time.sleep(0.3)

    def menu_open(self):
        return any(w.cls == "#32768" and w.visible for w in self.session.windows())

    def close(self):
        self.session.post(self.form, 0x0010)
        check_equal(self.process.wait(timeout=30), 0, "the host's exit code")


def red_pixels(session, shot, area):
    """Screen points of pure red (the marker's pen) inside area."""
    left, top, right, bottom = area
    ppm = subprocess.run(["convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                          "ppm:-"], capture_output=True, check=True, timeout=60).stdout
    # P6\nW H\n255\n then RGB bytes.
    header_end = 0
    for _ in range(3):
        header_end = ppm.index(b"\n", header_end) + 1
    width, height = map(int, ppm.split(b"\n")[1].split())
    data = ppm[header_end:]
    found = []
    for i in range(width * height):
        if data[3 * i] == 255 and data[3 * i + 1] == 0 and data[3 * i + 2] == 0:
            found.append((left + i % width, top + i // width))
    return found


def inside(point, rect):
    return rect[0] <= point[0] <= rect[2] and rect[1] <= point[1] <= rect[3]


def check_markers(session, host, shot_name, words):
    """The marker's red pixels lie inside the rectangles of words (character
    ranges) only, and every one of them has a marker under most of its width."""
    shot = session.screenshot(shot_name)
    rects = [host.word_rect(s, e) for s, e in words]
    red = red_pixels(session, shot, host.client)
    stray = [p for p in red if not any(inside(p, r) for r in rects)]
    check(not stray, f"{shot_name}: red pixels outside the misspelt words {rects}: {stray[:10]}")
    for (s, e), r in zip(words, rects):
        columns = {x for x, y in red if inside((x, y), r)}
        check(len(columns) >= (r[2] - r[0]) * 0.8,
              f"{shot_name}: the word at {s}..{e} {r} has a marker under {len(columns)} of {r[2] - r[0]} columns")
    return shot


def spelling_dialog(session, word):
    """The spell-check dialog when it shows word in its first edit box."""
    for w in session.windows():
        if w.cls == "TqForm" and w.title == "Spelling" and w.visible:
            edits = [c for c in session.children(w.hwnd) if c.cls.lower() == "edit"]
            if edits and edits[0].text == word:
                return w.hwnd
    return None


def first_suggestion(session, args, folder, word):
    out = session.artifacts / "suggest.txt"
    process = session.start(args.quillet, "suggest", "--dict", session.windows_path(folder / "American.adm"),
                            "--max", "5", word, log_name="suggest.txt")
    process.wait(timeout=60)  # 1: the word is misspelt
    lines = out.read_text(encoding="cp1252").splitlines()
    check_equal(lines[0], word + ":", "quillet's answer for the word")
    return lines[1].strip().split("\t")[0]


def dictionary_words(session, args, path):
    process = session.start(args.quillet, "dict", "words", session.windows_path(path), log_name="words.txt")
    check_equal(process.wait(timeout=60), 0, "quillet dict words")
    return (session.artifacts / "words.txt").read_text(encoding="cp1252").splitlines()


def fresh_folder(session, args, name):
    folder = session.artifacts / name
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir()
    shutil.copy(args.adm, folder / "American.adm")
    return folder


def wait_text(session, host, expected, what):
    session.wait_for(f"{what}: {expected!r}", lambda: host.text() == expected, timeout=10)


def test_marking_and_menu(session, args):
    folder = fresh_folder(session, args, "menu")
    host = Host(session, args, folder, "--text", SAMPLE)
    teh = (SAMPLE.index("teh"), SAMPLE.index("teh") + 3)
    mispeled = (SAMPLE.index("mispeled"), SAMPLE.index("mispeled") + 8)
    time.sleep(1)
    check_markers(session, host, "1-marked.png", [teh, mispeled])

    # The first suggestion replaces the word; its marker goes.
    suggestion = first_suggestion(session, args, folder, "mispeled")
    host.right_click(*mispeled)
    session.screenshot("2-menu.png")
    session.x_key("Down", "Return")
    replaced = SAMPLE.replace("mispeled", suggestion)
    wait_text(session, host, replaced, "the text after choosing the first suggestion")
    time.sleep(0.5)
    check_markers(session, host, "3-replaced.png", [teh])

    # Ignore: this occurrence only (the same word after another word stays marked).
    host.right_click(*teh)
    session.x_key("g")
    session.wait_for("the menu to close", lambda: not host.menu_open(), timeout=10)
    time.sleep(0.5)
    check_markers(session, host, "4-ignored.png", [])
    two = "This is teh sample. Another teh here."
    session.set_text(host.rich, two)
    second = (two.rindex("teh"), two.rindex("teh") + 3)
    time.sleep(1)
    check_markers(session, host, "5-ignored-once.png", [second])

    # Add: into the active custom dictionary, every marker gone.
    host.right_click(*second)
    session.x_key("a")
    session.wait_for("the menu to close", lambda: not host.menu_open(), timeout=10)
    time.sleep(0.5)
    check_markers(session, host, "6-added.png", [])
    check_equal(host.text(), two, "the text after Ignore and Add")
    host.close()
    words = dictionary_words(session, args, folder / "Spell.adu")
    check_equal(words, ["added\tteh"], "the active custom dictionary after Add")


def test_typing_and_formatting(session, args):
    folder = fresh_folder(session, args, "typing")
    process = session.start(args.quillet, "dict", "add", session.windows_path(folder / "Spell.adu"), "--autocorrect",
                            "the", "teh", log_name="dict-add.txt")
    check_equal(process.wait(timeout=60), 0, "quillet dict add")
    rtf = (r"{\rtf1\ansi{\fonttbl{\f0\fswiss Tahoma;}}{\colortbl;\red0\green0\blue255;}"
           r"\f0\fs20 Start \b mispeled\b0  and \cf1 wrongg\cf0  end}")
    plain = "Start mispeled and wrongg end"
    host = Host(session, args, folder, "--rtf", rtf)
    wait_text(session, host, plain, "the loaded text")
    bold = (plain.index("mispeled"), plain.index("mispeled") + 8)
    blue = (plain.index("wrongg"), plain.index("wrongg") + 6)
    time.sleep(1)
    check_markers(session, host, "7-formatted.png", [bold, blue])
    check_equal(host.char_format(bold[0]), {"bold": True, "colour": 0}, "the bold word's format")
    check_equal(host.char_format(blue[0]), {"bold": False, "colour": 0xFF0000}, "the blue word's format")

    # Typing a separator after "teh" corrects it; one Ctrl+Z brings it back.
    session.x_focus(session.x_windows("Live Spell Host")[0])
    end = host.pos(len(plain) - 1)
    session.mouse_move(end[0] + 20, end[1] + 5, click=True)
    session.x_key("ctrl+End")
    session.x_type(" teh ")
    wait_text(session, host, plain + " the ", "the text after typing \" teh \"")
    session.x_key("ctrl+z")
    wait_text(session, host, plain + " teh ", "the text after one Ctrl+Z")

    # The menu keeps the bold word bold.
    host.right_click(*bold)
    session.x_key("Down", "Return")
    suggestion = first_suggestion(session, args, folder, "mispeled")
    wait_text(session, host, plain.replace("mispeled", suggestion) + " teh ", "the text after the menu")
    check_equal(host.char_format(bold[0])["bold"], True, "the replacement's weight")

    # Spelling ...: the spell-check dialog for this word only, and no message
    # at its end.
    shifted = len(suggestion) - len("mispeled")
    host.right_click(blue[0] + shifted, blue[1] + shifted)
    session.x_key("s")
    dialog = session.wait_for("the spell-check dialog on the word", lambda: spelling_dialog(session, "wrongg"))
    session.screenshot("8-spelling-dialog.png")
    session.x_key("alt+n")  # Change, to the first suggestion
    second = first_suggestion(session, args, folder, "wrongg")
    now = plain.replace("mispeled", suggestion).replace("wrongg", second) + " teh "
    wait_text(session, host, now, "the text after the dialog's Change")
    session.wait_for("the dialog to close", lambda: not any(w.hwnd == dialog and w.visible for w in session.windows()))
    time.sleep(1)
    boxes = [w for w in session.windows() if w.cls == "#32770" and w.visible]
    check(not boxes, f"no message at the end of the check: {boxes}")

    # Switching the option off removes every marker at once.
    time.sleep(0.5)
    typed = now.rindex("teh")  # the "teh" brought back by Ctrl+Z
    check_markers(session, host, "9-before-off.png", [(typed, typed + 3)])
    check_equal(session.send(host.form, LIVE_OPTION, 0), 1, "the option switch")
    time.sleep(0.5)
    check_markers(session, host, "10-off.png", [])
    host.close()


def generated_line(n):
    return f"Line {n} has a mispeled word in it."


def test_scrolling(session, args):
    folder = fresh_folder(session, args, "scroll")
    host = Host(session, args, folder, "--lines", "200")
    time.sleep(1)
    session.x_focus(session.x_windows("Live Spell Host")[0])
    session.mouse_move(host.client[0] + 300, host.client[1] + 8, click=True)
    session.x_key("Page_Down", "Page_Down", "Page_Down", "Page_Down")
    time.sleep(1)
    first = session.send(host.rich, EM_GETFIRSTVISIBLE_LINE_MSG, 0, 0)
    check(first > 10, f"the text scrolled (first visible line {first})")
    words = []
    for line in range(first, 200):
        start = session.send(host.rich, EM_LINEINDEX, line, 0)
        x, y = host.pos(start)
        if y + MARKER_REACH > host.client[3]:
            break
        offset = generated_line(line + 1).index("mispeled")
        words.append((start + offset, start + offset + 8))
    check(len(words) >= 10, f"a screen full of lines after the scroll: {len(words)}")
    check_markers(session, host, "11-scrolled.png", words)
    host.close()


EM_GETFIRSTVISIBLE_LINE_MSG = EM_GETFIRSTVISIBLELINE


def test(session, args):
    test_marking_and_menu(session, args)
    test_typing_and_formatting(session, args)
    test_scrolling(session, args)


def arguments(parser):
    quillet_argument(parser)
    parser.add_argument("--host", required=True, help="LiveSpellHost.exe")
    parser.add_argument("--adm", required=True, help="American.adm")


if __name__ == "__main__":
    sys.exit(run_test(__doc__.splitlines()[0], test, arguments))
