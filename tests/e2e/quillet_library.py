"""Making reply libraries for the end-to-end tests with quillet.exe inside the
test's own Wine session."""

import json

from winsession import check_equal


def make_library(session, quillet, path, replies):
    """Creates the library `path` holding `replies`, a list of dicts with
    category, description, text and optionally hotkey (its text form), in
    one run of quillet."""
    source = path.with_suffix(".import.json")
    source.write_text(json.dumps({"replies": [
        {"category": r["category"], "description": r["description"], "response": r["text"],
         "hotkey": r.get("hotkey") or 0} for r in replies]}), encoding="utf-8")
    command = ("import", session.windows_path(path), session.windows_path(source)) if replies else (
        "create", session.windows_path(path))
    process = session.start(quillet, *command, log_name="quillet.log")
    check_equal(process.wait(timeout=60), 0, f"quillet {command[0]}")


def fresh_library(session, quillet, replies, name="replies.qdk"):
    """A new library `name` in the test's artifacts folder holding `replies`
    (see make_library), made again on every run; returns its path."""
    path = session.artifacts / name
    path.unlink(missing_ok=True)
    make_library(session, quillet, path, replies)
    return path


def quillet_argument(parser):
    parser.add_argument("--quillet", required=True, help="quillet.exe")


def read_library(session, quillet, path):
    """The replies of the library `path` in table order, as dicts with
    category, description, response, hotkey and hotkey_text."""
    out = path.with_suffix(".export.json")
    out.unlink(missing_ok=True)
    process = session.start(quillet, "export", session.windows_path(path), "--output", session.windows_path(out),
                            log_name="quillet.log")
    check_equal(process.wait(timeout=60), 0, "quillet export")
    return json.loads(out.read_text(encoding="utf-8"))["replies"]
