#!/usr/bin/env python3
"""The release's figures under Wine (printed, never asserted): the installed
size after a silent install into a fresh prefix, and the working set of the
installed program idle with a 500-reply library beside that of Wine's own
notepad, measured the same way in the same session.

  release_figures.py --setup dist/TavrinQuillet-1.0.0-x64-setup.exe --quillet build/release/cli/quillet.exe \\
      --wintool build/release/tests/e2e/wintool.exe [--artifacts DIR]
"""

import argparse
import json
import signal
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))

from winsession import REPO, WinSession, check_equal  # noqa: E402

TITLE = "Tavrin Quillet"
INSTALLED = "drive_c/Program Files/Tavrin Quillet"
PROGRAM = r"C:\Program Files\Tavrin Quillet\TavrinQuillet.exe"
REPLIES = 500
IDLE_SECONDS = 5


def working_set(session, pid):
    _, lines = session.wintool("memory", pid)
    return int(dict(line.split("=", 1) for line in lines if "=" in line)["WorkingSet"])


def window_pid(session, title_test, what):
    return session.wait_for(what, lambda: next((w.pid for w in session.windows() if title_test(w.title)), None))


def measure(session, args):
    setup = session.start(args.setup, "/S", log_name="setup.log")
    check_equal(setup.wait(timeout=120), 0, "exit code of the silent install")
    installed = session.prefix / INSTALLED
    installed_bytes = sum(p.stat().st_size for p in installed.rglob("*") if p.is_file())

    data = session.artifacts / "replies.json"
    data.write_text(json.dumps([{"category": f"Category {i % 25:02d}", "description": f"Reply {i:03d}",
                                 "response": f"Reply number {i}. " + "Some text of a typical canned answer. " * 8}
                                for i in range(REPLIES)]))
    library = session.artifacts / "figures.qdk"
    library.unlink(missing_ok=True)
    importer = session.start(args.quillet, "import", session.windows_path(library), session.windows_path(data),
                             log_name="quillet.log")
    check_equal(importer.wait(timeout=120), 0, "quillet import")

    # As it runs from the second start on: in the tray, without the reminder.
    reminder = session.start("reg", "add", r"HKCU\Software\Morvane\Tavrin Quillet", "/v", "ShowTrayReminder", "/t",
                             "REG_DWORD", "/d", "0", "/f", log_name="reg.log")
    check_equal(reminder.wait(timeout=60), 0, "exit code of reg add")
    session.start(PROGRAM, session.windows_path(library), log_name="TavrinQuillet.log")
    program = window_pid(session, lambda t: t.startswith(TITLE + " - "), "the program to open the library")
    session.start("notepad", log_name="notepad.log")
    notepad = window_pid(session, lambda t: t.endswith("Notepad"), "notepad's window")
    time.sleep(IDLE_SECONDS)
    program_set, notepad_set = working_set(session, program), working_set(session, notepad)

    print(f"installed size: {(installed_bytes + 1023) // 1024} KiB in {PROGRAM.rsplit(chr(92), 1)[0]}")
    print(f"working set idle ({IDLE_SECONDS} s after start) under Wine: Tavrin Quillet with {REPLIES} replies "
          f"{program_set // 1024} KiB; Wine's notepad {notepad_set // 1024} KiB")


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--setup", required=True)
    p.add_argument("--quillet", required=True)
    p.add_argument("--wintool", required=True)
    p.add_argument("--template", default=str(REPO / "build" / "wine" / "win64"))
    p.add_argument("--artifacts", default=str(REPO / "build" / "release" / "figures"))
    p.add_argument("--keep", action="store_true")
    p.add_argument("--timeout", type=float, default=240)
    args = p.parse_args()
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(TimeoutError("the figures took too long")))
    signal.alarm(int(args.timeout))
    try:
        with WinSession(args, "release-figures") as session:
            measure(session, args)
    except (AssertionError, TimeoutError, OSError) as e:
        print(f"figures not measured: {type(e).__name__}: {e}")
        return 1
    finally:
        signal.alarm(0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
