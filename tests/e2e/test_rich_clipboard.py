#!/usr/bin/env python3
"""A rich reply pasted by its hotkey puts HTML on the clipboard beside its
RTF and text: the target reads, as it pastes, "HTML Format" holding exactly
the reply's HTML fragment at the offsets its header gives, and RTF and
Unicode text too; with "Keep my clipboard" on, the user's formats (their
HTML among them) are back byte for byte afterwards. A program whose paste
rule says "plain text only" gets the reply's text and no formatting at all."""

import shutil
import sys

from main_window import end_program, start_with_replies
from quillet_library import quillet_argument
from target_program import (USER_FORMATS, WM_PUT_CLIPBOARD, clipboard_formats, pasted_formats, start_target,
                            wait_for_paste)
from winsession import WM_CLOSE, check_equal, run_test

# Wine's rich edit leaves a field's result out of the text it copies, so the
# reply here has no link (the converter's tests cover links).
RTF = (r'{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl ;\red192\green0\blue0;}'
       r'\f0\fs20 Dear \b customer\b0 , see {\ul\cf1 our help}.\par \u1044?\u1072? \'e9\par}')
SPAN = "<span style=\"font-family:'Arial';font-size:10pt\">"
FRAGMENT = (f"<div>{SPAN}Dear <b>customer</b>, see </span>"
            "<span style=\"font-family:'Arial';font-size:10pt;color:#c00000\"><u>our help</u></span>"
            f"{SPAN}.</span></div><div>{SPAN}\u0414\u0430 \u00e9</span></div>")
TEXT = "Dear customer, see our help.\r\n\u0414\u0430 \u00e9"


def clipboard_html(fragment):
    """The "HTML Format" bytes of a fragment: a header of ten-digit byte
    offsets, then the page around the fragment."""
    before = b"<html><body>\r\n<!--StartFragment-->"
    after = b"<!--EndFragment-->\r\n</body></html>"
    body = fragment.encode("utf-8")
    start_html = 105
    start = start_html + len(before)
    end = start + len(body)
    header = (f"Version:0.9\r\nStartHTML:{start_html:010d}\r\nEndHTML:{end + len(after):010d}\r\n"
              f"StartFragment:{start:010d}\r\nEndFragment:{end:010d}\r\n").encode("ascii")
    check_equal(len(header), start_html, "the header's length")
    return header + before + body + after


def paste_rich_reply(session, args, name, exe=None):
    """Pastes the rich reply into a new target (or its copy `exe`) that
    holds the user's formats first; returns what the target read as it
    pasted, the text that arrived, and the clipboard afterwards."""
    out = session.artifacts / f"{name}.txt"
    process, target, _ = start_target(session, args, out, "--formats-on-paste", exe=exe)
    check_equal(session.send(target, WM_PUT_CLIPBOARD), 1, "the user's copy")
    session.x_key("ctrl+alt+h")
    text = wait_for_paste(session, target, out, f"the reply pasted into the {name} target")
    formats = pasted_formats(out)
    seen = {}

    def restored():
        seen.update(clipboard_formats(session, target, out))
        return seen == USER_FORMATS

    session.wait_for(f"the user's clipboard back after the {name} paste", restored, timeout=10)
    session.post(target, WM_CLOSE)
    check_equal(process.wait(timeout=15), 0, f"exit code of the {name} target")
    return formats, text


def test(session, args):
    plain_target = session.artifacts / "PlainTarget.exe"
    shutil.copyfile(args.target, plain_target)
    _, program, main = start_with_replies(
        session, args, [{"category": "Mail", "description": "Help", "text": RTF, "hotkey": "Ctrl+Alt+H"}],
        RestoreClipboard=1, PasteMethods="plaintarget.exe=Ctrl+V;plain")

    formats, text = paste_rich_reply(session, args, "rich")
    check_equal(text, TEXT, "the text pasted")
    check_equal(formats["html"], clipboard_html(FRAGMENT), "HTML Format as the target read it")
    check_equal(formats["text"], TEXT.encode("utf-8"), "the clipboard's Unicode text")
    check_equal(formats["rtf"] is not None and formats["rtf"].startswith(b"{\\rtf"), True, "RTF on the clipboard")

    # As "Insert As Text" gives it: the preview's lines, each with its line break.
    formats, text = paste_rich_reply(session, args, "plain only", exe=plain_target)
    check_equal(text, TEXT + "\r\n", "the text pasted into the plain-only program")
    check_equal(formats, {"text": (TEXT + "\r\n").encode("utf-8"), "rtf": None, "html": None},
                "the clipboard as the plain-only program read it")

    end_program(session, program, main)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, quillet_argument))
