"""A copy of the program installed for a test in a folder of its own, with
the main dictionary beside it, as the release lays it out."""

import shutil


def adm_argument(parser):
    parser.add_argument("--adm", required=True, help="American.adm")


def install_program(session, args):
    """Copies the program and American.adm into artifacts/program, points
    args.exe at the copy and returns the folder."""
    program = session.artifacts / "program"
    shutil.rmtree(program, ignore_errors=True)
    program.mkdir(parents=True)
    shutil.copy(args.exe, program / "TavrinQuillet.exe")
    shutil.copy(args.adm, program / "American.adm")
    args.exe = str(program / "TavrinQuillet.exe")
    return program
