#!/usr/bin/env python3
"""The spell-check dialog over an edit and a rich edit, driven with real key
presses: Change All, a repeated word, Ignore, Ignore All, a mixed-case word,
Add (the word lands in the custom dictionary file), Auto-Correct (the pair
lands too, and corrects the next occurrence silently), Undo back across two
steps, Escape midway, a bold word corrected in the rich edit, and the dialog
in English and German for screenshots."""

import re
import shutil
import sys

from winsession import RICH_EDIT_CLASSES, check, check_equal, run_test

HOST = "Quillet Spell Host"
FORM_CLASS = "TqForm"
MESSAGE_BOX_CLASS = "#32770"


def add_arguments(parser):
    parser.add_argument("--host", required=True, help="QuilletSpellHost.exe")
    parser.add_argument("--quillet", required=True, help="quillet.exe")


class SpellHost:
    def __init__(self, session, args, folder, *extra, caption="Spelling"):
        self.session = session
        self.folder = folder
        self.caption = caption
        shutil.rmtree(folder, ignore_errors=True)  # left by an earlier run
        folder.mkdir(parents=True)
        self.process = session.start(args.host, session.windows_path(folder), *extra,
                                     log_name=f"host-{folder.name}.log")
        self.hwnd = session.wait_for("the host window", lambda: session.find_window(HOST))

        # The window shows before its controls are all made.
        def boxes():
            found = [c.hwnd for c in session.children(self.hwnd) if c.cls.lower() in ("edit", *RICH_EDIT_CLASSES)]
            return found if len(found) == 2 else None

        self.edit, self.rich = session.wait_for("the host's edit and rich edit", boxes)
        xid = session.wait_for("the host on the X screen", lambda: session.x_windows(HOST))[0]
        session.x_focus(xid)

    def _top(self, cls):
        found = [w for w in self.session.windows() if w.cls == cls and w.title == self.caption and w.visible]
        return found[0].hwnd if found else None

    def dialog(self):
        return self._top(FORM_CLASS)

    def message_box(self):
        return self._top(MESSAGE_BOX_CLASS)

    def word(self):
        """The word the dialog shows (its first edit box), or None without a dialog."""
        dialog = self.dialog()
        if not dialog:
            return None
        edits = [c for c in self.session.children(dialog) if c.cls.lower() == "edit"]
        return edits[0].text if edits else None

    def at(self, word):
        self.session.wait_for(f"the dialog showing {word!r}", lambda: self.word() == word)

    def runs(self):
        # The host rewrites the file after each run: it may be caught empty.
        path = self.folder / "runs.txt"
        text = path.read_text().strip() if path.exists() else ""
        return int(text) if text else 0

    def wait_runs(self, count):
        self.session.wait_for(f"the end of run {count}", lambda: self.runs() == count)


def custom_words(session, quillet, path):
    """The entries of a custom dictionary as quillet lists them."""
    log = "quillet-words.log"
    process = session.start(quillet, "dict", "words", session.windows_path(path), log_name=log)
    check_equal(process.wait(timeout=60), 0, "quillet dict words")
    return (session.artifacts / log).read_text(encoding="cp1252").replace("\r\n", "\n").splitlines()


def test(session, args):
    folder = session.artifacts / "spell"
    rtf = session.artifacts / "bold.rtf"
    rtf.write_bytes(b"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 We will send {\\b hosue} here\\par}")
    host = SpellHost(session, args, folder, "--rtf", session.windows_path(rtf))
    key = session.x_key

    # Run 1 over the edit.
    session.set_text(host.edit, "Dear sir, teh cat and teh dog ran ran zork and zork then zork tHe blorp qwx sat. qwx")
    key("alt+e")
    host.at("teh")
    session.screenshot("dialog-english.png")
    key("alt+c")                 # Change All: this "teh" and the next
    host.at("ran ran")           # a repeated word
    check_equal(session.text(session.children(host.dialog())[0].hwnd), "Repeated Word:", "label of a repeated word")
    key("alt+n")                 # Change: one "ran" goes
    host.at("zork")
    key("alt+g")                 # Ignore: this one only
    session.wait_for("the second zork", lambda: session.text(host.edit) and host.word() == "zork"
                     and not host.message_box())
    key("alt+i")                 # Ignore All: the third is accepted
    host.at("tHe")
    key("alt+n")                 # Change to the first suggestion
    host.at("blorp")
    key("alt+a")                 # Add
    host.at("qwx")
    key("alt+r")
    session.x_type("cat")
    key("alt+t")                 # Auto-Correct: the second "qwx" goes silently
    box = session.wait_for("the end message", host.message_box)
    check_equal(session.text(host.edit), "Dear sir, the cat and the dog ran zork and zork then zork the blorp cat sat. cat",
                "edit text after run 1")
    check("The spelling check is complete." in [c.text for c in session.children(box)],
          f"end message text: {[c.text for c in session.children(box)]}")
    key("Return")
    host.wait_runs(1)
    check_equal((folder / "edit.txt").read_bytes(),
                b"Dear sir, the cat and the dog ran zork and zork then zork the blorp cat sat. cat", "edit.txt")
    words = custom_words(session, args.quillet, folder / "mine.adu")
    check_equal(sorted(words), sorted(["added\tblorp", "auto-correct\tqwx\tcat"]), "custom dictionary entries")

    # Run 2: Undo back across two steps, then Escape.
    session.set_text(host.edit, "hte fnord wrod glarb")
    key("alt+e")
    host.at("hte")
    key("alt+n")
    host.at("fnord")
    check_equal(session.text(host.edit), "the fnord wrod glarb", "after Change")
    key("alt+g")
    host.at("wrod")
    key("alt+u")
    host.at("fnord")
    key("alt+u")
    host.at("hte")
    check_equal(session.text(host.edit), "hte fnord wrod glarb", "after two undos")
    key("Escape")
    host.wait_runs(2)
    check(host.message_box() is None and host.dialog() is None, "no end message and no dialog after Escape")
    check_equal((folder / "edit.txt").read_bytes(), b"hte fnord wrod glarb", "edit.txt after run 2")

    # Run 3 over the rich edit: the corrected word keeps its bold.
    key("alt+r")
    host.at("hosue")
    key("alt+n")
    session.wait_for("the end message", host.message_box)
    check_equal(session.text(host.rich), "We will send house here", "rich text after run 3")
    key("Return")
    host.wait_runs(3)
    rich = (folder / "rich.rtf").read_text(encoding="cp1252")
    check(re.search(r"\\b[ \r\n]*house[ \r\n]*\\b0", rich) is not None, f"house is bold in the RTF: {rich!r}")
    check(re.search(r"\\b[ \r\n]*We", rich) is None, f"the text before it is not: {rich!r}")
    session.post(host.hwnd, 0x0010)
    check_equal(host.process.wait(timeout=20), 0, "host exit code")

    # The dialog in German, for the screenshot.
    german = SpellHost(session, args, session.artifacts / "spell-de", "--language", "4", caption="Rechtschreibung")
    session.set_text(german.edit, "Dear sir, teh cat")
    key("alt+e")
    german.at("teh")
    session.screenshot("dialog-german.png")
    key("Escape")
    german.wait_runs(1)
    session.post(german.hwnd, 0x0010)
    check_equal(german.process.wait(timeout=20), 0, "German host exit code")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, add_arguments))
