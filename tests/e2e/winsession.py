"""One end-to-end test's private Windows session under Wine.

A WinSession gives a test a fresh Wine prefix (registry files copied from a
template, the big unchanging program files hard-linked), its own Xvfb on a
display Xvfb picks itself, and its own wineserver, all with their output kept
away from the test runner's pipes. It starts Windows programs, finds windows
(wintool for everything, including hidden windows Wine gives no X window; X
for input and pictures), sends X input, takes screenshots, and always cleans
up: Wine ended, Xvfb stopped, the prefix removed, even when the test fails or
its time runs out.

Standard library only, plus Xvfb, xdotool, ImageMagick's import and 64-bit
Wine. CTest runs the tests (label e2e); one runs by hand as, for instance,

  python3 tests/e2e/test_startup.py --exe build/win64/app/TavrinQuillet.exe \
      --wintool build/win64/tests/e2e/wintool.exe --target build/win64/tests/e2e/QuilletTarget.exe

with --keep to keep the prefix and the artifacts folder holding screenshots
and the programs' Wine output.
"""

import argparse
import ctypes
import fcntl
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]


def _first_executable(*candidates):
    for c in candidates:
        if c and os.access(c, os.X_OK):
            return c
    return None


# Programs start through the 64-bit loader itself: Debian's `wine` wrapper
# picks the 32-bit loader whenever wine32 is installed, and that one cannot
# start where the kernel refuses 32-bit code. scripts/wine-env.sh finds the
# same ones and passes them on in TQ_WINE and TQ_WINESERVER.
WINE = _first_executable(os.environ.get("TQ_WINE"), "/usr/lib/wine/wine64", shutil.which("wine64")) or "wine64"
WINESERVER = _first_executable(os.environ.get("TQ_WINESERVER"), "/usr/lib/wine/wineserver64",
                               shutil.which("wineserver64"), shutil.which("wineserver")) or "wineserver"

WM_CLOSE = 0x0010

# The classes a rich edit control may have: version 2's ANSI and wide
# classes and msftedit's (version 4.1). `RICH_EDIT` as a class name in
# WinSession.child matches any of them.
RICH_EDIT = "rich edit"
RICH_EDIT_CLASSES = ("richedit20a", "richedit20w", "richedit50w")


def class_matches(actual, wanted):
    """Whether a window of class `actual` is one of class `wanted` (compared
    as Windows compares them, without case; RICH_EDIT for any rich edit)."""
    if wanted == RICH_EDIT:
        return actual.lower() in RICH_EDIT_CLASSES
    return actual.lower() == wanted.lower()


def utf16_length(text):
    """How many UTF-16 units `text` takes, as Windows controls count
    positions: a character beyond U+FFFF takes two."""
    return len(text.encode("utf-16-le", "surrogatepass")) // 2

# Files that Wine only ever replaces, never rewrites in place: safe to share
# with the template through hard links. Everything else is copied.
_LINKABLE_SUFFIXES = {
    ".dll", ".exe", ".drv", ".sys", ".ocx", ".cpl", ".acm", ".tlb", ".nls", ".ax", ".ds", ".ime", ".mui",
    ".com", ".vxd", ".msstyles", ".ttf", ".ttc", ".fon",
}

_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    """Runs in a child before exec: it is killed if this test process dies
    without cleaning up (CTest kills hung tests)."""
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL, 0, 0, 0)
    except OSError:
        pass


class SessionError(AssertionError):
    pass


class TestTimeout(Exception):
    pass


@dataclass
class Window:
    hwnd: int
    pid: int
    visible: bool
    owner: int
    cls: str
    title: str


@dataclass
class Control:
    hwnd: int
    visible: bool
    cls: str
    style: int
    rect: tuple
    text: str


@dataclass
class Child:
    hwnd: int
    visible: bool
    enabled: bool
    cls: str
    text: str


def common_arguments(description):
    p = argparse.ArgumentParser(description=description)
    p.add_argument("--exe", required=True, help="TavrinQuillet.exe")
    p.add_argument("--wintool", required=True, help="wintool.exe")
    p.add_argument("--target", required=True, help="QuilletTarget.exe")
    p.add_argument("--template", default=str(REPO / "build" / "wine" / "win64"),
                   help="Wine prefix to copy; made when missing")
    p.add_argument("--artifacts", default=str(REPO / "build" / "e2e-artifacts"),
                   help="folder for screenshots and logs")
    p.add_argument("--file-version", help="the build's version, four numbers (the version resource's)")
    p.add_argument("--name", help="the test's name, which names its artifacts folder (default: the script's)")
    p.add_argument("--timeout", type=float, default=120, help="seconds for the whole test")
    p.add_argument("--keep", action="store_true", help="keep the prefix (for debugging)")
    p.add_argument("--dpi", type=int, help="the screen's DPI for the session's programs (Wine's default is 96)")
    return p


def run_test(description, body, extra_arguments=None):
    """Parses the common arguments, runs body(session, args) in a session
    under a global time limit, and exits 0 on success, 1 on failure."""
    parser = common_arguments(description)
    if extra_arguments:
        extra_arguments(parser)
    args = parser.parse_args()

    def on_alarm(signum, frame):
        raise TestTimeout(f"the test took longer than {args.timeout:.0f} s")

    def on_term(signum, frame):
        raise SystemExit(f"stopped by signal {signum}")

    signal.signal(signal.SIGALRM, on_alarm)
    signal.signal(signal.SIGTERM, on_term)
    signal.alarm(int(args.timeout))
    name = args.name or Path(sys.argv[0]).stem
    try:
        with WinSession(args, name) as session:
            body(session, args)
    except (AssertionError, TestTimeout, subprocess.SubprocessError, OSError) as e:
        print(f"FAIL {name}: {type(e).__name__}: {e}", flush=True)
        return 1
    finally:
        signal.alarm(0)
    print(f"PASS {name}", flush=True)
    return 0


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}: expected {expected!r}, got {actual!r}")


class WinProcess:
    """A Windows program started under Wine (the Popen is the program itself)."""

    def __init__(self, popen, log_path):
        self.popen = popen
        self.log_path = log_path

    def wait(self, timeout):
        """Exit code, or raises SessionError when it is still running."""
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise SessionError(f"the program was still running after {timeout} s") from None

    def running(self):
        return self.popen.poll() is None

    def kill(self):
        if self.running():
            self.popen.kill()
            try:
                self.popen.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass


class WinSession:
    def __init__(self, args, name):
        self.args = args
        self.name = name
        self.artifacts = Path(args.artifacts) / name
        self.template = Path(args.template)
        self.prefix = None
        self.display = None
        self._xvfb = None
        self._wineserver = None
        self._wintool = None
        self._processes = []
        self.env = None

    # -- life ------------------------------------------------------------

    def __enter__(self):
        try:
            self.artifacts.mkdir(parents=True, exist_ok=True)
            ensure_template(self.template)
            started = time.monotonic()
            _remove_abandoned_prefixes()
            self.prefix = Path(tempfile.mkdtemp(prefix=_PREFIX_PREFIX + self.name + "-"))
            (self.prefix / _OWNER_FILE).write_text(str(os.getpid()))
            make_prefix(self.template, self.prefix)
            self.prefix_seconds = time.monotonic() - started
            self._start_xvfb()
            self.env = dict(os.environ)
            self.env.update({
                "WINEPREFIX": str(self.prefix),
                "WINEARCH": "win64",
                "WINELOADER": WINE,
                "WINEDEBUG": os.environ.get("TQ_WINEDEBUG", "-all"),
                "WINEDLLOVERRIDES": "mscoree,mshtml=",
                "DISPLAY": self.display,
                # Wine reads file names and arguments from Linux in the
                # locale's encoding: UTF-8 on every machine, and a Western
                # Windows (code page 1252) in the session.
                "LC_ALL": "C.UTF-8",
            })
            self.env.pop("WINESERVER", None)
            self._start_wine()
            if getattr(self.args, "dpi", None):
                self.set_dpi(self.args.dpi)
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        for p in self._processes:
            p.kill()
        self._processes.clear()
        if self._wintool is not None:
            _stop(self._wintool)
            self._wintool = None
        if self.env is not None:
            try:
                subprocess.run([WINESERVER, "-k"], env=self.env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=15)
            except (subprocess.SubprocessError, OSError):
                pass
        if self._wineserver is not None:
            _stop(self._wineserver)
            self._wineserver = None
        if self._xvfb is not None:
            _stop(self._xvfb)
            self._xvfb = None
        if self.prefix is not None:
            _kill_prefix_processes(self.prefix)
        if self.prefix is not None and not self.args.keep:
            shutil.rmtree(self.prefix, ignore_errors=True)
            self.prefix = None

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        try:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                pass_fds=(write_fd,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)
            os.close(write_fd)
            write_fd = -1
            number = b""
            deadline = time.monotonic() + 20
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self._xvfb.poll() is not None:
                    raise SessionError("Xvfb did not start")
                chunk = os.read(read_fd, 16)
                if not chunk:
                    raise SessionError("Xvfb did not report its display")
                number += chunk
            self.display = ":" + number.decode().strip()
        finally:
            os.close(read_fd)
            if write_fd >= 0:
                os.close(write_fd)

    def _start_wine(self):
        # In the foreground as our child, so it dies with us; -p keeps it
        # between programs. Its output must never reach the runner's pipe.
        self._wineserver = subprocess.Popen(
            [WINESERVER, "-f", "-p", "30"], env=self.env, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)
        with open(self.artifacts / "wineboot.log", "wb") as log:
            subprocess.run([WINE, "wineboot"], env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                           stderr=subprocess.STDOUT, timeout=60, check=False)

    def set_dpi(self, dpi):
        """Gives the programs started from now on a screen of `dpi` dots per
        inch, as the display settings do: Wine reads LogPixels under
        HKCU\\Control Panel\\Desktop (before the machine-wide value under
        Hardware Profiles\\Current\\Software\\Fonts) when a program starts."""
        result = subprocess.run([WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                                 "REG_DWORD", "/d", str(dpi), "/f"], env=self.env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=60)
        check_equal(result.returncode, 0, "exit code of reg add LogPixels")
        check_equal(self.screen_dpi()[0], dpi, "the DPI a program sees")

    def code_pages(self):
        """The ANSI and OEM code pages of the session's programs (the system
        locale's), as numbers."""
        _, lines = self.wintool("codepages")
        return tuple(int(v) for v in lines[0].split())

    def screen_dpi(self):
        """What a program started now sees: the screen's DPI, and the message
        font's height, cell height and width of the 52 letters."""
        _, lines = self.wintool("dpi")
        return tuple(int(v) for v in lines[0].split()[:4])

    # -- programs ----------------------------------------------------------

    def start(self, exe, *arguments, log_name=None):
        # The program may be named by its Windows path ("C:\\...\\Program.exe").
        log_path = self.artifacts / (log_name or (Path(str(exe).replace("\\", "/")).stem + ".log"))
        with open(log_path, "wb") as log:
            popen = subprocess.Popen([WINE, str(exe), *map(str, arguments)], env=self.env,
                                     stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                     preexec_fn=_die_with_parent)
        process = WinProcess(popen, log_path)
        self._processes.append(process)
        return process

    def windows_path(self, path):
        """The path as Windows programs of the session see it (drive Z: is /)."""
        return "Z:" + str(Path(path).resolve()).replace("/", "\\")

    def wintool(self, *arguments, check_rc=True):
        """Runs a wintool command: its exit code and output lines. One
        wintool process of the session serves every command but those that
        must see a program's start (dpi): a Wine process start costs more
        than most looks themselves."""
        arguments = [str(a) for a in arguments]
        if arguments and arguments[0] == "dpi":
            result = subprocess.run([WINE, self.args.wintool, *arguments], env=self.env,
                                    stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
            rc, output = result.returncode, result.stdout
        else:
            rc, output = self._served_wintool(arguments)
        # wintool speaks UTF-8; an undecodable byte would be its fault, and shows.
        lines = output.decode("utf-8", "backslashreplace").replace("\r\n", "\n").splitlines()
        lines = [line.replace("\x1f", "\n") for line in lines]  # line breaks inside a window's text
        if check_rc and rc != 0:
            raise SessionError(f"wintool {' '.join(arguments)} failed ({rc}): {lines}")
        return rc, lines

    def _served_wintool(self, arguments, timeout=30):
        if self._wintool is None or self._wintool.poll() is not None:
            self._wintool = subprocess.Popen([WINE, self.args.wintool, "serve"], env=self.env, stdin=subprocess.PIPE,
                                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                             preexec_fn=_die_with_parent)
        escaped = (a.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")
                   for a in arguments)
        server = self._wintool
        try:
            server.stdin.write(("\t".join(escaped) + "\n").encode("utf-8", "surrogatepass"))
            server.stdin.flush()
            output = b""
            deadline = time.monotonic() + timeout
            while True:
                answered = _SERVED_END.search(output)
                if answered:
                    return int(answered.group(1)), output[:answered.start()]
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([server.stdout], [], [], left)[0]:
                    raise SessionError(f"wintool {' '.join(arguments)} gave no answer in {timeout} s")
                chunk = os.read(server.stdout.fileno(), 65536)
                if not chunk:
                    raise SessionError(f"wintool {' '.join(arguments)}: the wintool process ended")
                output += chunk
        except BaseException:
            _stop(server)
            self._wintool = None
            raise

    def windows(self):
        """Every top-level window, hidden ones too."""
        _, lines = self.wintool("list")
        found = []
        for line in lines:
            parts = line.split("\t", 5)
            if len(parts) != 6:
                continue
            hwnd, pid, visible, owner, cls, title = parts
            found.append(Window(int(hwnd, 16), int(pid), visible == "1", int(owner, 16), cls, title))
        return found

    def find_window(self, title):
        """Handle of the top-level window with exactly this caption, or None."""
        rc, lines = self.wintool("find", title, check_rc=False)
        return int(lines[0], 16) if rc == 0 and lines else None

    def foreground(self):
        """Handle of Wine's foreground window, or None."""
        rc, lines = self.wintool("foreground", check_rc=False)
        return int(lines[0], 16) if rc == 0 and lines else None

    def focus(self, hwnd):
        """Handle of the window with the keyboard focus in the thread of
        `hwnd`, or None."""
        rc, lines = self.wintool("focus", hex(hwnd), check_rc=False)
        return int(lines[0], 16) if rc == 0 and lines else None

    def tree_items(self, tree):
        """Every item of a tree view, hidden or collapsed ones too, in the
        order the tree shows them: (depth, text) pairs, the root at depth 0,
        and the position of the selected item in that list (None)."""
        _, lines = self.wintool("tree", hex(tree))
        items, selected = [], None
        for line in lines:
            depth, chosen, text = line.split("\t", 2)
            if chosen == "1":
                selected = len(items)
            items.append((int(depth), text))
        return items, selected

    def children(self, hwnd):
        """Descendants of a window in creation order, as Child records."""
        _, lines = self.wintool("children", hex(hwnd))
        found = []
        for line in lines:
            parts = line.split("\t", 4)
            if len(parts) == 5:
                found.append(Child(int(parts[0], 16), parts[1] == "1", parts[2] == "1", parts[3], parts[4]))
        return found

    def controls(self, hwnd):
        """Descendants of a window with their styles and screen rectangles, in
        one look (Control records)."""
        _, lines = self.wintool("controls", hex(hwnd))
        found = []
        for line in lines:
            parts = line.split("\t", 8)
            if len(parts) == 9:
                found.append(Control(int(parts[0], 16), parts[1] == "1", parts[2], int(parts[3], 16),
                                     tuple(int(v) for v in parts[4:8]), parts[8]))
        return found

    def child(self, hwnd, cls, text=None, nth=0, timeout=10):
        """The nth descendant of this class (and text, if given), waited for
        a while: a window may show before all its controls are made."""
        seen = []

        def found():
            seen[:] = self.children(hwnd)
            matches = [c for c in seen if class_matches(c.cls, cls) and (text is None or c.text == text)]
            return matches[nth] if len(matches) > nth else None

        try:
            return self.wait_for(f"{cls} {text!r} #{nth} in {hex(hwnd)}", found, timeout=timeout)
        except SessionError:
            raise AssertionError(f"no {cls} {text!r} #{nth} in {hex(hwnd)}: {seen}") from None

    def rect(self, hwnd):
        """(left, top, right, bottom) of a window on the screen."""
        _, lines = self.wintool("rect", hex(hwnd))
        return tuple(int(v) for v in lines[0].split())

    def client_rect(self, hwnd):
        """(left, top, right, bottom) of a window's client area on the screen."""
        _, lines = self.wintool("client", hex(hwnd))
        return tuple(int(v) for v in lines[0].split())

    def style(self, hwnd):
        """A window's style and extended style."""
        _, lines = self.wintool("style", hex(hwnd))
        return tuple(int(v, 16) for v in lines[0].split())

    def text(self, hwnd):
        rc, lines = self.wintool("text", hex(hwnd), check_rc=False)
        return lines[0] if rc == 0 and lines else None

    def set_text(self, hwnd, text):
        self.wintool("settext", hex(hwnd), text)

    def wait_text(self, hwnd, expected, what, timeout=10):
        """Waits until a window's text is exactly `expected`; the assertion
        names the text last seen when it never is."""
        seen = []

        def arrived():
            seen[:] = [self.text(hwnd)]
            return seen[0] == expected

        try:
            self.wait_for(what, arrived, timeout=timeout)
        except SessionError as e:
            raise AssertionError(f"{e}: the window holds {seen[0]!r}, not {expected!r}") from None

    def type_units(self, hwnd, text, ime=False):
        """Sends `text` to a control as typed characters: one WM_CHAR (with
        `ime`, WM_IME_CHAR, as an input method delivers) per UTF-16 unit, a
        character beyond U+FFFF as its two surrogates."""
        self.wintool("imechars" if ime else "chars", hex(hwnd), text)

    def enabled(self, hwnd):
        _, lines = self.wintool("enabled", hex(hwnd))
        return lines[0] == "1"

    def click(self, hwnd, dx=None, dy=None):
        """A real left click with the X pointer, at the window's centre or at
        (dx, dy) from its top left corner. Wine's virtual desktop starts at
        the screen's origin, so screen and X coordinates agree."""
        left, top, right, bottom = self.rect(hwnd)
        x = left + (dx if dx is not None else (right - left) // 2)
        y = top + (dy if dy is not None else (bottom - top) // 2)
        result = self._x("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")
        check(result.returncode == 0, f"xdotool click failed: {result.stderr!r}")

    def mouse_move(self, x, y, click=False):
        """Moves the X pointer to (x, y) on the screen, and clicks the left
        button there when asked."""
        result = self._x("xdotool", "mousemove", "--sync", str(x), str(y), *(["click", "1"] if click else []))
        check(result.returncode == 0, f"xdotool mousemove failed: {result.stderr!r}")

    def post(self, hwnd, message, wparam=0, lparam=0):
        self.wintool("post", hex(hwnd), hex(message), hex(wparam), hex(lparam))

    def send(self, hwnd, message, wparam=0, lparam=0):
        _, lines = self.wintool("send", hex(hwnd), hex(message), hex(wparam), hex(lparam))
        return int(lines[0]) if lines else None

    def wait_for(self, what, probe, timeout=20, interval=0.2):
        """Calls probe until it returns something true, and returns that."""
        deadline = time.monotonic() + timeout
        while True:
            value = probe()
            if value:
                return value
            if time.monotonic() > deadline:
                raise SessionError(f"timed out after {timeout} s waiting for {what}")
            time.sleep(interval)

    # -- X side --------------------------------------------------------------

    def _x(self, *arguments, timeout=20):
        return subprocess.run(list(arguments), env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                              timeout=timeout)

    def x_windows(self, title):
        """X windows whose name is exactly this title (shown windows only)."""
        pattern = "^" + "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in title) + "$"
        result = self._x("xdotool", "search", "--name", pattern)
        return [int(w) for w in result.stdout.split()]

    def x_focus(self, xid):
        """Gives an X window the input focus, once it can take it: a window
        just found may not be mapped yet (X answers BadMatch)."""
        failures = []

        def focused():
            result = self._x("xdotool", "windowfocus", "--sync", str(xid))
            failures[:] = [result.stderr]
            return result.returncode == 0

        try:
            self.wait_for("the X window to take the focus", focused, timeout=10)
        except SessionError as e:
            raise SessionError(f"{e}: xdotool windowfocus failed: {failures[0]!r}") from None

    def x_type(self, text, delay_ms=30):
        result = self._x("xdotool", "type", "--delay", str(delay_ms), text, timeout=60)
        check(result.returncode == 0, f"xdotool type failed: {result.stderr!r}")

    def x_key(self, *keys):
        result = self._x("xdotool", "key", "--delay", "30", *keys)
        check(result.returncode == 0, f"xdotool key failed: {result.stderr!r}")

    def x_geometry(self, xid):
        """(x, y, width, height) of an X window on the screen."""
        result = self._x("xdotool", "getwindowgeometry", "--shell", str(xid))
        values = dict(line.split("=", 1) for line in result.stdout.decode().split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def screenshot(self, name):
        path = self.artifacts / name
        result = self._x("import", "-window", "root", str(path))
        check(result.returncode == 0 and path.exists(), f"screenshot failed: {result.stderr!r}")
        return path


# The line that ends a served wintool command's output, with its exit code.
_SERVED_END = re.compile(rb"\x04(-?\d+)\r?\n$")

_PREFIX_PREFIX = "tq-e2e-"
_OWNER_FILE = "tq-e2e-owner.pid"


def _remove_abandoned_prefixes():
    """Removes the prefixes of sessions whose test process was killed before
    it could clean up."""
    for folder in Path(tempfile.gettempdir()).glob(_PREFIX_PREFIX + "*"):
        try:
            pid = int((folder / _OWNER_FILE).read_text())
        except (OSError, ValueError):
            continue
        try:
            os.kill(pid, 0)
            continue  # still running
        except ProcessLookupError:
            pass
        except PermissionError:
            continue
        _kill_prefix_processes(folder)
        shutil.rmtree(folder, ignore_errors=True)


def _kill_prefix_processes(prefix):
    """Kills what still runs in this session's prefix (Wine's services when the
    wineserver went away under them); nothing outside the prefix is touched."""
    wanted = b"WINEPREFIX=" + str(prefix).encode()
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit() or int(entry.name) == os.getpid():
            continue
        try:
            environ = (entry / "environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if wanted in environ:
            try:
                os.kill(int(entry.name), signal.SIGKILL)
            except OSError:
                pass


def _stop(popen):
    if popen.poll() is None:
        popen.terminate()
        try:
            popen.wait(timeout=5)
        except subprocess.TimeoutExpired:
            popen.kill()
            popen.wait(timeout=5)


def ensure_template(template):
    """Makes the template prefix with the project's own recipe when it is
    missing; a lock keeps parallel tests from making it twice."""
    if (template / "system.reg").exists():
        return
    template.parent.mkdir(parents=True, exist_ok=True)
    with open(template.parent / (template.name + ".lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if (template / "system.reg").exists():
            return
        script = f'source "{REPO}/scripts/wine-env.sh"; tq_wine_prefix "$1"'
        subprocess.run(["bash", "-c", script, "make-prefix", str(template)], stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300, check=True,
                       env={**os.environ, "TQ_WINEPREFIX": str(template)})
        if not (template / "system.reg").exists():
            raise SessionError(f"could not make the Wine prefix {template}")


def _template_is_current(template):
    """Whether Wine will take the template as up to date. Otherwise its first
    start rewrites the prefix's program files, which must then not be shared."""
    try:
        stamp = (template / ".update-timestamp").read_text().strip()
    except OSError:
        return False
    for inf in ("/usr/share/wine/wine.inf", "/usr/lib/wine/wine.inf", "/usr/local/share/wine/wine.inf"):
        if os.path.exists(inf):
            return stamp == str(int(os.stat(inf).st_mtime))
    return False


def make_prefix(template, prefix):
    """A fresh prefix from the template: registry and small files copied (each
    test starts from the template's registry), program files hard-linked when
    on the same file system and Wine will not update them."""
    share = _template_is_current(template)
    for name in ("system.reg", "user.reg", "userdef.reg", ".update-timestamp"):
        if (template / name).exists():
            shutil.copy2(template / name, prefix / name)
    shutil.copytree(template / "dosdevices", prefix / "dosdevices", symlinks=True)

    def copy(src, dst):
        if share and Path(src).suffix.lower() in _LINKABLE_SUFFIXES:
            try:
                os.link(src, dst)
                return dst
            except OSError:
                pass
        return shutil.copy2(src, dst)

    shutil.copytree(template / "drive_c", prefix / "drive_c", symlinks=True, copy_function=copy)
