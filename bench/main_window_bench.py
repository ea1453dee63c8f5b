#!/usr/bin/env python3
"""Main window benchmark under Wine in Xvfb (figures only, nothing asserted):
start-up time and working set with a 500-reply library, and for a reply
hotkey pressed in another program the time from WM_HOTKEY to the last
synthesised key event (reported by the program) and from the X key press to
the text's arrival in the target; for the search hotkey, the time from
WM_HOTKEY to the reply search on the screen. The reply hotkey is timed twice:
as it comes, and with RestoreClipboard on (the user's text, rich text and
bitmap on the clipboard, saved before and put back after each paste), with
the time the saving and the restoring took inside the program.

  python3 bench/main_window_bench.py --exe build/win64-main/app/TavrinQuillet.exe \\
      --wintool build/win64-main/tests/e2e/wintool.exe --target build/win64-main/tests/e2e/QuilletTarget.exe \\
      --quillet build/win64-main/cli/quillet.exe [--presses 10]
"""

import json
import os
import re
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
os.environ["TQ_WINEDEBUG"] = "+debugstr"  # the program's timing lines reach its log

from main_window import set_setting  # noqa: E402
from target_program import WM_PUT_CLIPBOARD  # noqa: E402
from winsession import check_equal, run_test  # noqa: E402

TITLE = "Tavrin Quillet"
TARGET_TITLE = "Quillet Target"
WM_DUMP = 0x8000 + 1
WM_QUERYENDSESSION = 0x0011
WM_CLOSE = 0x0010
WM_SETTEXT = 0x000C
REPLIES = 500


def spread(values):
    """Median and 95th percentile of a list of numbers."""
    p95 = statistics.quantiles(values, n=20, method="inclusive")[18] if len(values) > 1 else values[0]
    return statistics.median(values), p95


def working_set(session, pid):
    _, lines = session.wintool("memory", pid)
    return dict(line.split("=", 1) for line in lines if "=" in line)


def start_on(session, args, library, log_name=None):
    """Starts the program on `library`; returns it and its main window once
    the library is open."""
    program = session.start(args.exe, session.windows_path(library), log_name=log_name)
    app = session.wait_for("the application window", lambda: session.find_window(TITLE), interval=0.05)
    main = session.wait_for("the library to open", lambda: next(
        (w for w in session.windows() if w.owner == app and w.title.startswith(TITLE + " - ")), None),
        interval=0.05)
    return program, main


def end_and_read_log(session, program, main):
    """Ends the program as a session's end would and returns its log."""
    check_equal(session.send(main.hwnd, WM_QUERYENDSESSION), 1, "answer to the end-of-session query")
    session.post(main.hwnd, WM_CLOSE)
    program.wait(timeout=10)
    return program.log_path.read_text("latin-1")


def time_reply_hotkey(session, args, target, xid, out, presses):
    """Presses the reply hotkey `presses` times with the user's clipboard
    freshly filled; the seconds from each X key press to the text's arrival."""
    session.x_focus(xid)
    time.sleep(0.5)
    arrivals = []
    for _ in range(presses):
        check_equal(session.send(target, WM_PUT_CLIPBOARD), 1, "the user's clipboard")
        session.send(target, WM_DUMP)
        before = out.read_bytes() if out.exists() else b""
        pressed = time.monotonic()
        session.x_key("ctrl+alt+r")

        def grown():
            session.send(target, WM_DUMP)
            return out.exists() and len(out.read_bytes()) > len(before)

        session.wait_for("the reply to arrive", grown, timeout=15, interval=0.01)
        arrivals.append(time.monotonic() - pressed)
        time.sleep(0.3)  # a restore, when on, is done by then
    return arrivals


def test(session, args):
    data = session.artifacts / "replies.json"
    replies = [{"category": f"Category {i % 25:02d}", "description": f"Reply {i:03d}",
                "response": f"Reply number {i}. " + "Some text of a typical canned answer. " * 8}
               for i in range(REPLIES)]
    replies[0]["hotkey"] = "Ctrl+Alt+R"
    data.write_text(json.dumps(replies))
    library = session.artifacts / "bench.qdk"
    library.unlink(missing_ok=True)
    importer = session.start(args.quillet, "import", session.windows_path(library), session.windows_path(data),
                             log_name="quillet.log")
    check_equal(importer.wait(timeout=120), 0, "quillet import")

    started = time.monotonic()
    program, main = start_on(session, args, library)
    startup = time.monotonic() - started
    time.sleep(2)
    memory = working_set(session, main.pid)

    out = session.artifacts / "pasted.txt"
    out.unlink(missing_ok=True)
    session.start(args.target, "--out", session.windows_path(out))
    target = session.wait_for("the target window", lambda: session.find_window(TARGET_TITLE))
    xid = session.wait_for("the target on the X screen", lambda: session.x_windows(TARGET_TITLE))[0]
    arrivals = time_reply_hotkey(session, args, target, xid, out, args.presses)
    memory_after = working_set(session, main.pid)

    # The search hotkey (Ctrl+Alt+Space on a first start), closed with Escape.
    shown = []
    for _ in range(args.presses):
        pressed = time.monotonic()
        session.x_key("ctrl+alt+space")
        search = session.wait_for("the reply search", lambda: next(
            (w for w in session.windows() if w.title == "Find Reply" and w.visible), None), interval=0.01)
        shown.append(time.monotonic() - pressed)
        session.x_key("Escape")
        session.wait_for("the search to close", lambda: not any(
            w.hwnd == search.hwnd and w.visible for w in session.windows()), interval=0.01)
        session.x_focus(xid)

    log = end_and_read_log(session, program, main)
    inside = [int(m) for m in re.findall(r"WM_HOTKEY to last key event (\d+) us", log)]
    search_inside = [int(m) for m in re.findall(r"WM_HOTKEY to reply search shown (\d+) us", log)]

    # Again with RestoreClipboard on.
    set_setting(session, "RestoreClipboard", 1)
    program, main = start_on(session, args, library, log_name="restoring.log")
    restore_arrivals = time_reply_hotkey(session, args, target, xid, out, args.presses)
    restore_memory = working_set(session, main.pid)
    log = end_and_read_log(session, program, main)
    restore_inside = [int(m) for m in re.findall(r"WM_HOTKEY to last key event (\d+) us", log)]
    saved = [int(m) for m in re.findall(r"clipboard saved in (\d+) us", log)]
    offered = [int(m) for m in re.findall(r"reply offered in (\d+) us", log)]
    restored = [int(m) for m in re.findall(r"clipboard restored in (\d+) us", log)]

    print(f"library: {REPLIES} replies in 25 categories")
    print(f"start-up to the library open: {startup * 1000:.0f} ms (under Wine, including process start and the 2-second splash)")
    print(f"working set after start: {int(memory.get('WorkingSet', 0)) / 1024:.0f} KiB; "
          f"peak {int(memory.get('PeakWorkingSet', 0)) / 1024:.0f} KiB; "
          f"private {int(memory.get('Pagefile', 0)) / 1024:.0f} KiB")
    print(f"working set after {len(arrivals)} pastes: {int(memory_after.get('WorkingSet', 0)) / 1024:.0f} KiB; "
          f"with RestoreClipboard on, after {len(restore_arrivals)} pastes: "
          f"{int(restore_memory.get('WorkingSet', 0)) / 1024:.0f} KiB")
    for name, values in (("", inside), (" with RestoreClipboard on", restore_inside)):
        if values:
            median, p95 = spread(values)
            print(f"WM_HOTKEY to last synthesised key event{name} over {len(values)} presses: "
                  f"median {median:.0f} us, p95 {p95:.0f} us, min {min(values)} us, max {max(values)} us")
    added = [a + b for a, b in zip(saved, offered)]
    for name, values in (("saving the user's clipboard", saved), ("offering the reply", offered),
                         ("both: the work added before the keys", added), ("restoring the clipboard", restored)):
        if values:
            median, p95 = spread(values)
            print(f"{name} (in the program) over {len(values)} pastes: median {median:.0f} us, p95 {p95:.0f} us")
    for name, values in (("", arrivals), (" with RestoreClipboard on", restore_arrivals)):
        median, p95 = spread(values)
        print(f"X key press to the text in the target{name} over {len(values)} presses: "
              f"median {median * 1000:.0f} ms, p95 {p95 * 1000:.0f} ms (includes the test's polling)")
    if search_inside:
        print(f"WM_HOTKEY to the reply search shown over {len(search_inside)} presses: "
              f"median {statistics.median(search_inside)} us, max {max(search_inside)} us "
              f"(the first builds the search over the library)")
    print(f"X key press to the reply search visible over {len(shown)} presses: "
          f"median {statistics.median(shown) * 1000:.0f} ms, max {max(shown) * 1000:.0f} ms (includes the polling)")


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, lambda p: (
        p.add_argument("--quillet", required=True, help="quillet.exe"),
        p.add_argument("--presses", type=int, default=10, help="hotkey presses to time"))))
