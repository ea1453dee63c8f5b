#!/usr/bin/env python3
"""Spelling windows beyond Windows-1252 on a Western system.

- The spell-check dialog in Russian: its caption, labels and buttons read
  back through the wide functions are exactly the Russian texts (a
  screenshot, dialog-russian.png, is kept for a look).
- Live marking in a rich edit whose text holds a character beyond U+FFFF
  (two UTF-16 units) before misspelt words: the red zigzag lies under those
  words and nowhere else.
"""

import argparse
import sys
import time

from test_live_spelling import Host, check_markers, fresh_folder
from test_spell_check_dialog import FORM_CLASS, SpellHost
from winsession import check, check_equal, run_test, utf16_length

RUSSIAN_TITLE = "\u041e\u0440\u0444\u043e\u0433\u0440\u0430\u0444\u0438\u044f"  # Орфография
# The dialog's labels and buttons in creation order.
RUSSIAN_CAPTIONS = [
    "\u041d\u0435\u0442 \u0432 \u0441\u043b\u043e\u0432\u0430\u0440\u0435:",  # Нет в словаре:
    "\u0417\u0430\u043c\u0435\u043d\u0438\u0442\u044c &\u043d\u0430:",  # Заменить &на:
    "&\u0412\u0430\u0440\u0438\u0430\u043d\u0442\u044b:",  # &Варианты:
    "\u041f&\u0440\u043e\u043f\u0443\u0441\u0442\u0438\u0442\u044c",  # П&ропустить
    "\u041f\u0440\u043e\u043f\u0443&\u0441\u0442\u0438\u0442\u044c \u0432\u0441\u0435",  # Пропу&стить все
    "&\u0417\u0430\u043c\u0435\u043d\u0438\u0442\u044c",  # &Заменить
    "\u0417\u0430&\u043c\u0435\u043d\u0438\u0442\u044c \u0432\u0441\u0435",  # За&менить все
    "&\u0414\u043e\u0431\u0430\u0432\u0438\u0442\u044c",  # &Добавить
    "\u0410\u0432&\u0442\u043e\u0437\u0430\u043c\u0435\u043d\u0430",  # Ав&тозамена
    "\u0421&\u043f\u0440\u0430\u0432\u043a\u0430",  # С&правка
    "&\u041e\u0442\u043c\u0435\u043d\u0438\u0442\u044c",  # &Отменить
    "\u041e\u0442\u043c\u0435\u043d\u0430",  # Отмена
    "\u041f&\u0430\u0440\u0430\u043c\u0435\u0442\u0440\u044b...",  # П&араметры...
]
RUSSIAN = 6  # the interface language's number

THUMBS = "\U0001F44D"
SAMPLE = f"Hi {THUMBS} teh cat {THUMBS}{THUMBS} mispeled word."


def russian_dialog(session, args):
    host = SpellHost(session, argparse.Namespace(**{**vars(args), "host": args.spell_host}),
                     session.artifacts / "spell-ru", "--language", str(RUSSIAN), caption=RUSSIAN_TITLE)
    session.set_text(host.edit, "Dear sir, teh cat")
    session.x_key("alt+e")
    dialog = session.wait_for("the spell-check dialog", lambda: next(
        (w for w in session.windows() if w.visible and w.cls == FORM_CLASS and w.hwnd != host.hwnd), None))
    check_equal(dialog.title, RUSSIAN_TITLE, "the Russian dialog's caption")
    host.at("teh")
    time.sleep(0.5)
    session.screenshot("dialog-russian.png")
    captions = [c.text for c in session.children(host.dialog()) if c.cls in ("Static", "Button")]
    check_equal(captions, RUSSIAN_CAPTIONS, "the Russian dialog's labels and buttons")
    session.x_key("Escape")
    host.wait_runs(1)
    session.post(host.hwnd, 0x0010)
    check_equal(host.process.wait(timeout=20), 0, "the host's exit code")


def marking_after_emoji(session, args):
    folder = fresh_folder(session, args, "emoji")
    host = Host(session, argparse.Namespace(**{**vars(args), "host": args.live_host}), folder, "--text", "Hello")
    session.set_text(host.rich, SAMPLE)
    session.wait_text(host.rich, SAMPLE, "the text in the box")

    def units(word):  # the word's place in UTF-16 units, as the control counts
        start = utf16_length(SAMPLE[:SAMPLE.index(word)])
        return start, start + utf16_length(word)

    time.sleep(1)
    check_markers(session, host, "emoji-marked.png", [units("teh"), units("mispeled")])
    host.close()


def test(session, args):
    check_equal(session.code_pages()[0], 1252, "the session's ANSI code page (a Western system)")
    # Each part on its own: the second's answer counts when the first fails.
    failures = []
    for part in (russian_dialog, marking_after_emoji):
        try:
            part(session, args)
        except AssertionError as e:
            failures.append(f"{part.__name__}: {e}")
    check(not failures, "; ".join(failures))


def arguments(parser):
    parser.add_argument("--spell-host", required=True, help="QuilletSpellHost.exe")
    parser.add_argument("--live-host", required=True, help="LiveSpellHost.exe")
    parser.add_argument("--adm", required=True, help="American.adm")


if __name__ == "__main__":
    sys.exit(run_test(__doc__.splitlines()[0], test, arguments))
