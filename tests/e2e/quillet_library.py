"""Making reply libraries for the end-to-end tests with quillet.exe inside the
test's own Wine session."""

from winsession import check_equal


def make_library(session, quillet, path, replies):
    """Creates the library `path` holding `replies`, a list of dicts with
    category, description, text and optionally hotkey."""
    def run(*arguments):
        process = session.start(quillet, *arguments, log_name="quillet.log")
        check_equal(process.wait(timeout=60), 0, f"quillet {arguments[0]}")

    run("create", session.windows_path(path))
    for reply in replies:
        extra = ["--hotkey", reply["hotkey"]] if reply.get("hotkey") else []
        run("add", session.windows_path(path), "--category", reply["category"], "--description",
            reply["description"], "--text", reply["text"], *extra)


def quillet_argument(parser):
    parser.add_argument("--quillet", required=True, help="quillet.exe")


def read_library(session, quillet, path):
    """The replies of the library `path` in table order, as dicts with
    category, description, response, hotkey and hotkey_text."""
    import json
    out = path.with_suffix(".export.json")
    out.unlink(missing_ok=True)
    process = session.start(quillet, "export", session.windows_path(path), "--output", session.windows_path(out),
                            log_name="quillet.log")
    check_equal(process.wait(timeout=60), 0, "quillet export")
    return json.loads(out.read_text(encoding="utf-8"))["replies"]
