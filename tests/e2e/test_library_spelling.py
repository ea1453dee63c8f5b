#!/usr/bin/env python3
"""Check Spelling of All Replies over a library of 50 replies with known
faults, in a copy of the program installed in a writable folder of its own:
the dialog stops at the same words as `quillet check --library`, the chosen
corrections are written back (the rich reply stays rich, its bold word
bold), an ignored word stays and is all `quillet check --library` reports
afterwards; a second check cancelled at once keeps everything and says so;
a third one goes through Options to the custom dictionaries, creates one,
adds the ignored word to it in the edit dialog, and the check then
accepts the word and ends. Spell.cfg and the new dictionary are written beside the program."""

import json
import re
import sys
import time

from installed_program import adm_argument, install_program
from main_window import end_program, start_on_library, wait_gone, wait_window
from quillet_library import quillet_argument, read_library
from winsession import check, check_equal, run_test

FORM_CLASS = "TqForm"
DIALOG_CLASS = "#32770"
COUNT = 50
RICH = ("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 We will {\\b recieve} it soon.\\par}")
# index -> (text, what the user does at its stop, the text afterwards)
FAULTS = {
    5: ("Thank you for yuor order.", "change", "Thank you for your order."),
    12: (RICH, "change", None),
    20: ("Please see the the attached file.", "change", "Please see the attached file."),
    33: ("Best wishes from Quillet", "ignore", "Best wishes from Quillet"),
    41: ("I will call teh office.", "change", "I will call the office."),
}
CLEAN = ["Kind regards", "We will reply soon.", "Thank you for your message.", "Have a nice day.",
         "Your order is on its way.", "Please call us again."]


def add_arguments(parser):
    quillet_argument(parser)
    adm_argument(parser)


def replies():
    out = []
    for i in range(COUNT):
        text = FAULTS[i][0] if i in FAULTS else CLEAN[i % len(CLEAN)]
        out.append({"category": f"Group {i // 10}", "description": f"Reply {i:02}", "response": text, "hotkey": 0})
    return out


def quillet(session, args, *arguments, log="quillet.log", codes=(0,)):
    process = session.start(args.quillet, *arguments, log_name=log)
    code = process.wait(timeout=60)
    check(code in codes, f"quillet {arguments[0]} exit code {code}: {(session.artifacts / log).read_text()}")
    return (session.artifacts / log).read_text(encoding="utf-8")


def library_findings(session, args, library, *extra):
    """(index, word) for each word `quillet check --library` reports."""
    out = quillet(session, args, "check", "--library", session.windows_path(library), "--json", *extra,
                  log="check.log", codes=(0, 1))
    report = json.loads(out[out.index("{"):])
    check_equal(report["replies_checked"], COUNT, "replies checked by quillet")
    return [(r["index"], e["word"], e["suggestions"]) for r in report["replies"] for e in r["errors"]]


def spell_dialog(session):
    return next((w for w in session.windows() if w.visible and w.cls == FORM_CLASS and w.title.startswith("Spelling: ")),
                None)


def dialog_word(session, dialog):
    edits = [c for c in session.children(dialog.hwnd) if c.cls.lower() == "edit"]
    return edits[0].text if edits else None


def summary_box(session):
    return next((w for w in session.windows() if w.visible and w.cls == DIALOG_CLASS and w.title == "Spelling"), None)


def box_text(session, box):
    """The message box's text, all its lines."""
    statics = [c for c in session.children(box.hwnd) if c.cls == "Static" and c.text]
    return "\n".join("\n".join(session.wintool("text", hex(c.hwnd))[1]) for c in statics)


def focus_and_key(session, hwnd, *keys):
    title = session.text(hwnd)
    xid = session.wait_for(f"{title!r} on the X screen", lambda: session.x_windows(title))[0]
    session.x_focus(xid)
    time.sleep(0.2)
    session.x_key(*keys)


def start_check(session, main):
    focus_and_key(session, main, "alt+r")
    time.sleep(0.3)
    session.x_key("s")


def next_stop(session, previous):
    """The next stop of the dialog: (reply index, word, dialog), or the summary box."""
    def probe():
        box = summary_box(session)
        if box:
            return ("end", box)
        dialog = spell_dialog(session)
        if not dialog:
            return None
        word = dialog_word(session, dialog)
        index = int(re.search(r"\((\d+) of \d+\)", dialog.title).group(1)) - 1
        stop = (index, word)
        return (stop, dialog) if word and stop != previous else None
    return session.wait_for("the next stop of the check", probe, timeout=30)


def test(session, args):
    program = install_program(session, args)
    library = session.artifacts / "replies.qdk"
    library.unlink(missing_ok=True)
    source = session.artifacts / "replies.json"
    source.write_text(json.dumps({"replies": replies()}), encoding="utf-8")
    quillet(session, args, "import", session.windows_path(library), session.windows_path(source))
    adm = session.windows_path(program / "American.adm")

    before = library_findings(session, args, library, "--dict", adm)
    check_equal([(i, w) for i, w, _ in before],
                [(5, "yuor"), (12, "recieve"), (20, "the the"), (33, "Quillet"), (41, "teh")], "quillet before")
    check_equal([s[0] for _, _, s in before if s][:2], ["your", "receive"], "first suggestions")

    # First check: Change everywhere but at "Quillet".
    main_program, main = start_on_library(session, args, library)
    start_check(session, main)
    stops = []
    stop = None
    while True:
        stop, window = next_stop(session, stop)
        if stop == "end":
            break
        stops.append(stop)
        if len(stops) == 1:
            session.screenshot("library-check.png")
        action = FAULTS[stop[0]][1]
        focus_and_key(session, window.hwnd, "alt+n" if action == "change" else "alt+g")
    check_equal(stops, [(i, w) for i, w, _ in before], "the dialog's stops")
    check_equal(box_text(session, window),
                "The spelling check of all replies is complete.\n\nReplies changed: 4",
                "summary")
    focus_and_key(session, window.hwnd, "Return")
    wait_gone(session, window.hwnd, "the summary to close")

    stored = read_library(session, args.quillet, library)
    for i, reply in enumerate(replies()):
        expected = FAULTS[i][2] if i in FAULTS else reply["response"]
        if i == 12:
            rich = stored[i]["response"]
            check("{\\rtf1" in rich.lower(), f"reply 12 is still rich text: {rich!r}")
            check(re.search(r"\\b[ \r\n]*receive[ \r\n]*\\b0", rich) is not None, f"receive is bold: {rich!r}")
            check("recieve" not in rich, f"the misspelling is gone: {rich!r}")
        else:
            check_equal(stored[i]["response"], expected, f"reply {i} after the check")
    check_equal([(i, w) for i, w, _ in library_findings(session, args, library, "--dict", adm)], [(33, "Quillet")],
                "quillet after")

    # Second check, cancelled at its first stop: nothing changes, and it says so.
    start_check(session, main)
    stop, window = next_stop(session, None)
    check_equal(stop, (33, "Quillet"), "first stop of the second check")
    focus_and_key(session, window.hwnd, "Escape")
    box = session.wait_for("the summary", lambda: summary_box(session))
    check_equal(box_text(session, box),
                "The spelling check was cancelled; the corrections made before are kept.\n\nReplies changed: 0",
                "summary after Cancel")
    focus_and_key(session, box.hwnd, "Return")
    wait_gone(session, box.hwnd, "the summary to close")

    # Third check: Options > Dictionaries > New "Names", the word added in its edit dialog.
    start_check(session, main)
    stop, window = next_stop(session, None)
    focus_and_key(session, window.hwnd, "alt+o")
    options = wait_window(session, "Spelling Options")
    session.screenshot("options-dialog.png")
    focus_and_key(session, options, "alt+d")
    dictionaries = wait_window(session, "Dictionaries")
    focus_and_key(session, dictionaries, "alt+n")
    name = wait_window(session, "New Custom Dictionary")
    time.sleep(0.3)
    session.x_type("Names")
    session.x_key("Return")
    wait_gone(session, name, "the name dialog to close")
    check((program / "Names.adu").exists(), "Names.adu beside the program")
    session.screenshot("dictionaries-dialog.png")
    focus_and_key(session, dictionaries, "alt+e")
    edit = wait_window(session, "Names.adu")
    focus_and_key(session, edit, "alt+t")
    session.x_type("Quillet")
    session.x_key("Return")
    time.sleep(0.5)
    session.screenshot("edit-dialog.png")
    focus_and_key(session, edit, "alt+o")
    wait_gone(session, edit, "the edit dialog to close")
    focus_and_key(session, dictionaries, "alt+o")
    wait_gone(session, dictionaries, "the dictionaries dialog to close")
    focus_and_key(session, options, "alt+o")
    wait_gone(session, options, "the options dialog to close")
    # Back in the spell-check dialog the check resumes under the new
    # dictionaries: the word is accepted now, so the check ends.
    stop, box = next_stop(session, (33, "Quillet"))
    check_equal(stop, "end", "end of the third check")
    check_equal(box_text(session, box), "The spelling check of all replies is complete.\n\nReplies changed: 0",
                "summary of the third check")
    focus_and_key(session, box.hwnd, "Return")
    wait_gone(session, box.hwnd, "the summary to close")
    end_program(session, main_program, main)

    words = quillet(session, args, "dict", "words", session.windows_path(program / "Names.adu"), log="words.log")
    check_equal(words.replace("\r\n", "\n").splitlines(), ["added\tQuillet"], "Names.adu")
    config = (program / "Spell.cfg").read_bytes().decode("cp1252")
    for line in ["_Main_count=1", "_Main_0=American.adm", "_Custom_count=2", "_Custom_0=Spell.adu",
                 "_Custom_1=Names.adu", "_ActiveCustom=Spell.adu", "_soRepeated=+"]:
        check(line + "\r\n" in config, f"{line} in Spell.cfg: {config!r}")
    check_equal(library_findings(session, args, library, "--config", session.windows_path(program / "Spell.cfg"),
                                 "--dir", session.windows_path(program)), [], "quillet with the program's Spell.cfg")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, add_arguments))
