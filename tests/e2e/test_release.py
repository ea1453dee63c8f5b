#!/usr/bin/env python3
"""The release as a Windows user gets it (the dist/ folder of
scripts/release.sh), in a fresh prefix.

Installer: a silent install with the start-with-Windows choice puts exactly
the program's files into Program Files, the Start-menu shortcut, the
"Uninstall" entry and the Run value; the installed program opens a library
and a reply hotkey pastes into the target; the configuration dialog shows
the Run value ticked, removes it and writes it again. A silent uninstall
while the program runs closes it through its window (it saves its settings
and ends with 0), removes every installed file, the shortcut, the entry and
the Run value, and leaves the user's library, Spell.adu files and settings;
with "Also remove my settings" it removes those but not the library.

Portable zip: unpacked into a folder, the program runs from there on a
library beside it and a reply hotkey pastes into the target.
"""

import argparse
import hashlib
import sys
import time
import zipfile
from pathlib import Path

from main_window import (BM_GETCHECK, SETTINGS_KEY, end_program, open_configuration, reg_values, show_main,
                         start_in_tray, wait_gone)
from quillet_library import make_library
from target_program import start_target, wait_for_paste
from winsession import check, check_equal, run_test

APP = "Tavrin Quillet"
INSTALL_DIR = r"C:\Program Files\Tavrin Quillet"
PROGRAM = INSTALL_DIR + r"\TavrinQuillet.exe"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin Quillet"
# Where a 32-bit installer's entry would go.
UNINSTALL_KEY_32 = r"HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin Quillet"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
START_CHECK = "S&tart Tavrin Quillet when Windows starts"
REPLIES = [{"category": "General", "description": "Thanks", "text": "Thank you for writing.", "hotkey": "Ctrl+Alt+R"}]
PASTED = "Thank you for writing.\r\n"


def linux_path(session, windows_path):
    """Where a C: path of the session's prefix is on this machine."""
    check(windows_path[:3].upper() == "C:\\", f"a C: path: {windows_path}")
    return session.prefix / "drive_c" / windows_path[3:].replace("\\", "/")


def user_folder(session):
    """The Wine user's profile folder (C:\\users\\<name>)."""
    return next(p for p in linux_path(session, r"C:\users").iterdir() if p.name != "Public")


def folder_files(folder):
    return {p.name: p.read_bytes() for p in Path(folder).iterdir() if p.is_file()}


def release_files(dist, version):
    """The portable zip's files by name: what the installer must install too."""
    with zipfile.ZipFile(dist / f"TavrinQuillet-{version}-x64-portable.zip") as archive:
        return {name: archive.read(name) for name in archive.namelist()}


def pe_machine(data):
    """The machine and the optional header's magic of a PE file: (0x8664,
    0x20B) for an x86-64 program (PE32+), (0x14C, 0x10B) for a 32-bit one."""
    check(data[:2] == b"MZ", "an MZ header")
    pe = int.from_bytes(data[0x3C:0x40], "little")
    check(data[pe:pe + 4] == b"PE\0\0", "a PE signature")
    return int.from_bytes(data[pe + 4:pe + 6], "little"), int.from_bytes(data[pe + 24:pe + 26], "little")


def check_sums(dist, version):
    names = [f"TavrinQuillet-{version}-x64-portable.zip", f"TavrinQuillet-{version}-x64-setup.exe"]
    expected = "".join(f"{hashlib.sha256((dist / n).read_bytes()).hexdigest()}  {n}\n" for n in names)
    check_equal((dist / "SHA256SUMS").read_text(), expected, "SHA256SUMS")


def paste_reply(session, args, library, name):
    """Starts the program on `library`, presses the reply's hotkey in the
    target and checks what arrived; returns the program and its window."""
    program, main = start_in_tray(session, args, library)
    out = session.artifacts / f"pasted-{name}.txt"
    target_process, target, _ = start_target(session, args, out)
    session.x_key("ctrl+alt+r")
    check_equal(wait_for_paste(session, target, out, f"the {name} program's reply in the target"), PASTED,
                f"text pasted by the {name} program")
    session.post(target, 0x0010)  # WM_CLOSE
    target_process.wait(timeout=15)
    return program, main


def toggle_start_with_windows(session, args, main, expected_before):
    """Opens the configuration dialog, checks the box shows `expected_before`,
    clicks it and presses OK."""
    show_main(session, args, main)
    dialog = open_configuration(session, main)
    box = session.child(dialog, "Button", START_CHECK).hwnd
    check_equal(session.send(box, BM_GETCHECK), 1 if expected_before else 0, "the start-with-Windows box")
    session.click(box, dx=8)
    time.sleep(0.2)
    check_equal(session.send(box, BM_GETCHECK), 0 if expected_before else 1, "the box after the click")
    session.screenshot(f"start-with-windows-{'off' if expected_before else 'on'}.png")
    session.click(session.child(dialog, "Button", "OK").hwnd)
    wait_gone(session, dialog, "the configuration dialog to close")


def test_installer(session, args):
    dist = Path(args.dist)
    files = release_files(dist, args.version)
    check_equal(sorted(files), sorted(["TavrinQuillet.exe", "quillet.exe", "American.adm", "American.frq", "Readme.RTF",
                                       "License.RTF", "TavrinQuillet.html", "ThirdPartyNotices.txt"]),
                "files of the release")
    check_sums(dist, args.version)
    setup_bytes = (dist / f"TavrinQuillet-{args.version}-x64-setup.exe").read_bytes()
    for name, data in [*((n, files[n]) for n in ("TavrinQuillet.exe", "quillet.exe")), ("the installer", setup_bytes)]:
        check_equal(pe_machine(data), (0x8664, 0x20B), f"machine and PE format of {name} (x86-64, PE32+)")

    setup = session.start(dist / f"TavrinQuillet-{args.version}-x64-setup.exe", "/S", "/AUTOSTART", log_name="setup.log")
    check_equal(setup.wait(timeout=60), 0, "exit code of the silent install")

    installed = linux_path(session, INSTALL_DIR)
    on_disk = folder_files(installed)
    check_equal(sorted(on_disk), sorted([*files, "Uninstall.exe"]), "installed files")
    for name, data in files.items():
        check(on_disk[name] == data, f"{name} is installed as released")
    _, lines = session.wintool("version", PROGRAM)
    version = dict(line.split("=", 1) for line in lines if "=" in line)
    check_equal((version.get("Fixed"), version.get("ProductVersion")), (args.file_version, args.file_version),
                "the installed program's version")

    shortcut = r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Tavrin Quillet.lnk"
    check(linux_path(session, shortcut).is_file(), "the Start-menu shortcut is there")
    _, lines = session.wintool("shortcut", shortcut)
    check_equal(lines, [PROGRAM, "", PROGRAM + ",0"], "the shortcut's target, arguments and icon")

    entry = reg_values(session, UNINSTALL_KEY)
    size_kib = sum(len(d) for d in folder_files(installed).values()) // 1024
    check_equal(entry, {
        "DisplayName": APP,
        "DisplayVersion": args.version,
        "Publisher": "Morvane",
        "DisplayIcon": PROGRAM + ",0",
        "InstallLocation": INSTALL_DIR,
        "UninstallString": f'"{INSTALL_DIR}\\Uninstall.exe"',
        "QuietUninstallString": f'"{INSTALL_DIR}\\Uninstall.exe" /S',
        "NoModify": "0x1",
        "NoRepair": "0x1",
        "EstimatedSize": hex(size_kib),
    }, "the uninstall entry")
    check_equal(reg_values(session, UNINSTALL_KEY_32), {}, "an uninstall entry in the 32-bit registry view")
    check_equal(reg_values(session, RUN_KEY).get(APP), f'"{PROGRAM}"', "Run value written by the installer")

    # The installed program at work, on a library of the user's.
    library = linux_path(session, r"C:\Replies\replies.qdk")
    library.parent.mkdir(parents=True)
    make_library(session, PROGRAM.replace("TavrinQuillet.exe", "quillet.exe"), library, REPLIES)
    run = argparse.Namespace(**{**vars(args), "exe": PROGRAM})
    program, main = paste_reply(session, run, library, "installed")

    # The configuration dialog shows the installer's choice and changes it.
    toggle_start_with_windows(session, run, main, expected_before=True)
    check(APP not in reg_values(session, RUN_KEY), "the Run value is removed")
    toggle_start_with_windows(session, run, main, expected_before=False)
    check_equal(reg_values(session, RUN_KEY).get(APP), f'"{PROGRAM}"', "the Run value written by the dialog")
    session.post(main, 0x0010)  # the close box: back to the tray
    wait_gone(session, main, "the main window to hide")

    # What the spelling dialogs leave: user dictionaries beside the program
    # (when its folder is writable) or in the user's application data.
    user_files = {
        linux_path(session, INSTALL_DIR + r"\Spell.adu"): b"user dictionary in the program folder",
        user_folder(session) / "AppData/Roaming/Morvane/Tavrin Quillet/Spell.adu":
            b"user dictionary in the application data",
    }
    for path, data in user_files.items():
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
    library_bytes = library.read_bytes()

    # Silent uninstall while the program runs in the tray.
    started = time.monotonic()
    check_equal(session.start(installed / "Uninstall.exe", "/S", log_name="uninstall.log").wait(timeout=30), 0,
                "exit code of the uninstaller")
    check_equal(program.wait(timeout=30), 0, "the running program's exit code (closed, not killed)")
    session.wait_for("the uninstall entry to go", lambda: not reg_values(session, UNINSTALL_KEY), timeout=30)
    session.wait_for("the uninstaller to finish", lambda: not (installed / "Uninstall.exe").exists(), timeout=30)
    print(f"uninstalled in {time.monotonic() - started:.1f} s")
    check_equal(sorted(folder_files(installed)), ["Spell.adu"], "what is left in the program folder")
    for path, data in user_files.items():
        check_equal(path.read_bytes(), data, f"{path.name} kept")
    check_equal(library.read_bytes(), library_bytes, "the library kept")
    check(not linux_path(session, shortcut).exists(), "the shortcut is removed")
    check(APP not in reg_values(session, RUN_KEY), "the Run value is removed")
    settings = reg_values(session, SETTINGS_KEY)
    check_equal(settings.get("MRUFileName"), session.windows_path(library), "settings kept, saved as the program ended")

    # Installed again and removed with "Also remove my settings": the settings
    # and the user dictionaries go, the library stays.
    setup = session.start(dist / f"TavrinQuillet-{args.version}-x64-setup.exe", "/S", log_name="setup-again.log")
    check_equal(setup.wait(timeout=60), 0, "exit code of the second install")
    check_equal(session.start(installed / "Uninstall.exe", "/S", "/REMOVESETTINGS", log_name="uninstall-all.log")
                .wait(timeout=30), 0, "exit code of the uninstaller removing the settings")
    session.wait_for("the uninstaller to remove the folder", lambda: not installed.exists(), timeout=30)
    check_equal([path.exists() for path in user_files], [False, False], "user dictionaries removed")
    check_equal(reg_values(session, SETTINGS_KEY), {}, "settings removed")
    check_equal(library.read_bytes(), library_bytes, "the library kept when the settings go")


def test_portable(session, args):
    folder = linux_path(session, r"C:\Tools\Tavrin Quillet")
    folder.mkdir(parents=True)
    with zipfile.ZipFile(Path(args.dist) / f"TavrinQuillet-{args.version}-x64-portable.zip") as archive:
        archive.extractall(folder)
    program_path = r"C:\Tools\Tavrin Quillet\TavrinQuillet.exe"
    library = folder / "replies.qdk"
    make_library(session, program_path.replace("TavrinQuillet.exe", "quillet.exe"), library, REPLIES)
    before = set(folder_files(folder))
    run = argparse.Namespace(**{**vars(args), "exe": program_path})
    program, main = paste_reply(session, run, library, "portable")
    end_program(session, program, main)
    check_equal(sorted(set(folder_files(folder)) - before), [], "files the portable program wrote beside itself")
    check_equal(reg_values(session, SETTINGS_KEY).get("MRUFileName"), session.windows_path(library),
                "the portable program's library remembered")


def test(session, args):
    test_installer(session, args)
    test_portable(session, args)


if __name__ == "__main__":
    def arguments(parser):
        parser.add_argument("--dist", required=True, help="the folder scripts/release.sh wrote")
        parser.add_argument("--version", required=True, help="the release's version (major.minor.release)")

    sys.exit(run_test(__doc__, test, arguments))
