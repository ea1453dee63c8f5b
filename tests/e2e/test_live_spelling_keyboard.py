#!/usr/bin/env python3
"""The spelling menu by keyboard under the live marker (LiveSpellHost): the
Menu key and Shift+F10 open it at the caret's misspelt word, and its first
suggestion replaces the word, as after a right click. With the aggressive
menu off, the same keys on a word that is not marked open the box's own menu
instead (the host's, which the rich edit passes up), and on a marked word
still the spelling menu."""

import sys
import time

from quillet_library import quillet_argument
from test_live_spelling import SAMPLE, Host, first_suggestion, fresh_folder, wait_text
from winsession import check_equal, run_test

EM_SETSEL = 0x00B1
HOST_MENU_CAPTION = "Live Spell Host - host menu"


def menu_at(session, host, word, *keys):
    """Puts the caret inside word, gives the host the keyboard and opens a
    menu with keys."""
    index = host.text().index(word) + 2
    session.send(host.rich, EM_SETSEL, index, index)
    if not hasattr(host, "xid"):  # found by its first caption
        host.xid = session.wait_for("the host on the X screen", lambda: session.x_windows("Live Spell Host"))[0]
    session.x_focus(host.xid)
    session.x_key(*keys)
    session.wait_for(f"a menu at {word!r}", host.menu_open, timeout=10)
    time.sleep(0.3)


def choose_first(session, host):
    session.x_key("Down", "Return")
    session.wait_for("the menu to close", lambda: not host.menu_open(), timeout=10)


def test(session, args):
    folder = fresh_folder(session, args, "keyboard")
    mispeled, teh = first_suggestion(session, args, folder, "mispeled"), first_suggestion(session, args, folder, "teh")

    # The program's way (aggressive): the Menu key, then Shift+F10.
    host = Host(session, args, folder, "--text", SAMPLE)
    time.sleep(1)
    menu_at(session, host, "mispeled", "Menu")
    choose_first(session, host)
    wait_text(session, host, SAMPLE.replace("mispeled", mispeled), "after the Menu key's first suggestion")
    menu_at(session, host, "teh", "shift+F10")
    choose_first(session, host)
    wait_text(session, host, SAMPLE.replace("mispeled", mispeled).replace("teh", teh),
              "after Shift+F10's first suggestion")
    host.close()

    # Aggressive off: a word that is not marked gets the box's own menu.
    host = Host(session, args, folder, "--text", SAMPLE, "--aggressive", "0")
    time.sleep(1)
    menu_at(session, host, "sample", "Menu")
    choose_first(session, host)
    session.wait_for("the host menu's item chosen", lambda: session.find_window(HOST_MENU_CAPTION))
    check_equal(host.text(), SAMPLE, "the text after the box's own menu")
    menu_at(session, host, "mispeled", "shift+F10")
    choose_first(session, host)
    wait_text(session, host, SAMPLE.replace("mispeled", mispeled), "after Shift+F10 with the aggressive menu off")
    host.close()


def arguments(parser):
    quillet_argument(parser)
    parser.add_argument("--host", required=True, help="LiveSpellHost.exe")
    parser.add_argument("--adm", required=True, help="American.adm")


if __name__ == "__main__":
    sys.exit(run_test(__doc__.splitlines()[0], test, arguments))
