#!/usr/bin/env python3
"""Every caption of the program's dialogs fits its control on a screen of
the DPI given with --dpi: the window tests that measure each static, button,
check box, radio button and group box caption with the control's own font
(the configuration dialog's pages, the reply dialog, the spelling options,
dictionary and spell-check dialogs in every interface language) run in this
session's screen, and each must pass. Screenshots of the spelling options
dialog in French and of the spell-check dialog's widest language are kept."""

import sys

from winsession import check_equal, run_test

FRENCH = 12


def checkers(parser):
    parser.add_argument("--check", action="append", required=True,
                        help="a window test program, with a gtest filter after a colon")
    parser.add_argument("--preview", required=True, help="setup_dialogs_preview.exe")


def test(session, args):
    for entry in args.check:
        program, _, pattern = entry.partition(":")
        arguments = [f"--gtest_filter={pattern}"] if pattern else []
        name = program.rsplit("/", 1)[-1].removesuffix(".exe")
        run = session.start(program, *arguments, log_name=f"{name}-{pattern.strip('*') or 'all'}.log")
        code = run.wait(timeout=150)
        if code != 0:
            print(run.log_path.read_text(errors="replace")[-4000:], flush=True)
        check_equal(code, 0, f"exit code of {program} {pattern}")

    # For looking at: the options dialog in French, which has the longest options.
    preview = session.start(args.preview, "options", 4, FRENCH)
    session.wait_for("the options dialog in French", lambda: any(
        w.visible and w.title == "Options d'orthographe" for w in session.windows()), timeout=30)
    session.screenshot(f"spelling-options-french-{args.dpi or 96}.png")
    preview.wait(timeout=30)


if __name__ == "__main__":
    sys.exit(run_test(__doc__, test, checkers))
