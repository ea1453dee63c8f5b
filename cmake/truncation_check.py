#!/usr/bin/env python3
"""Checks the Windows program's own sources for values cut from 64 to 32 bits.

GCC, which builds the program, has no warning for an implicit 64-to-32-bit
conversion (a handle, an LPARAM or a size_t put into an int, a DWORD or a
UINT). Clang has: -Wshorten-64-to-32. This runs clang over each translation
unit of the Win32 layers with the compile command the build uses, for the
x86-64 Windows target and against the same mingw-w64 headers, parsing only
(nothing is generated), and fails on any such warning.

  truncation_check.py BUILD_DIR [JOBS]
"""

import json
import os
import re
import shlex
import shutil
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

WARNINGS = ["-Wshorten-64-to-32", "-Wint-to-pointer-cast", "-Wpointer-to-int-cast"]
# The layers that call Windows: their handles, messages and sizes are where
# 64-bit values meet 32-bit ones.
CHECKED = re.compile(r"/(ui|app|spell/live|spell/dialogs|tests/e2e)/[^ ]*\.cpp$|/platform/[^/ ]*_win\.cpp$")


def mingw_includes(compiler):
    """The C++ and C header folders the mingw-w64 compiler searches, without
    GCC's own intrinsics headers (clang brings its own)."""
    result = subprocess.run([compiler, "-E", "-x", "c++", "-", "-v"], stdin=subprocess.DEVNULL,
                            capture_output=True, text=True)
    lines = result.stderr.splitlines()
    start = lines.index("#include <...> search starts here:") + 1
    end = lines.index("End of search list.")
    folders = [os.path.normpath(line.strip()) for line in lines[start:end]]
    return [f for f in folders if "/c++" in f or not re.search(r"/gcc/[^/]+/[^/]+/include", f)]


def clang_command(entry, includes):
    words = shlex.split(entry["command"])
    args = []
    skip = False
    for word in words[1:]:
        if skip:
            skip = False
        elif word in ("-o", "-include"):
            # Parsing only: no object, and not GCC's precompiled headers.
            skip = True
        elif word == "-c" or word.startswith("-O") or word.startswith("-g") or word == "-Winvalid-pch":
            pass
        else:
            args.append(word)
    isystem = [a for folder in includes for a in ("-isystem", folder)]
    return (["clang++", "--target=x86_64-w64-mingw32", "-nostdinc++", "-nostdlibinc", *isystem,
             "-fsyntax-only", "-Wno-unknown-warning-option", *WARNINGS, *args])


def main():
    build = sys.argv[1]
    jobs = int(sys.argv[2]) if len(sys.argv) > 2 else os.cpu_count()
    if not shutil.which("clang++"):
        print("clang++ is missing (Debian package clang)")
        return 1
    with open(os.path.join(build, "compile_commands.json")) as f:
        entries = [e for e in json.load(f) if CHECKED.search(e["file"]) and not e["file"].endswith("_test.cpp")]
    if not entries:
        print(f"no Windows sources in {build}/compile_commands.json")
        return 1
    compiler = shlex.split(entries[0]["command"])[0]
    includes = mingw_includes(compiler)

    def check(entry):
        result = subprocess.run(clang_command(entry, includes), cwd=entry["directory"], capture_output=True,
                                text=True)
        return entry["file"], result.returncode, result.stderr

    failures = 0
    with ThreadPoolExecutor(jobs) as pool:
        for name, rc, output in pool.map(check, entries):
            if rc != 0 or "warning:" in output:
                failures += 1
                print(output.rstrip() or f"{name}: clang exited with {rc}")
    print(f"{len(entries)} translation units parsed for 64-bit Windows, {failures} with a cut value or an error")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
