#!/usr/bin/env python3
"""The Windows installer and the portable zip under Wine, in a fresh prefix.

  installer_test.py --installer SETUP.exe --zip PORTABLE.zip --window-table WINDOW_TABLE --out DIR

The installer, run silently as the user, puts the program in the user's own
programs folder, a Start-menu shortcut and an "Apps & features" entry; the
installed program starts; the uninstaller, run silently, removes all of it:
the files under drive C and the registry keys after the uninstall are those
before the install (both listings are written to DIR). The zip, unpacked into
a folder whose path has blanks and non-ASCII letters, starts from there.
"""
import argparse
import os
import re
import subprocess
import sys
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wine_session  # noqa: E402
from wine_session import Failure, check  # noqa: E402

PRODUCT = "Pebble's Latin Loan Word Dictionary"
UNINSTALL_KEY = r"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LoanwordDictionary"
# Wine's own bookkeeping, which any program run changes.
VOLATILE = re.compile(r"(\\Temp(\\|$)|/Temp/|windows/temp/|\\Explorer\\|\\Wine\\|\\ShellNoRoam\\"
                      r"|\\Session Manager\\|\\DynData|\\PerfData)", re.I)


def listing(prefix):
    """(files under drive C, registry keys), without Wine's bookkeeping."""
    drive = os.path.join(prefix, "drive_c")
    files = set()
    for folder, _, names in os.walk(drive):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), drive)
            if not VOLATILE.search("/" + path.replace(os.sep, "/") + "/"):
                files.add(path)
    keys = set()
    for hive in ("user.reg", "system.reg"):
        with open(os.path.join(prefix, hive), encoding="utf-8", errors="replace") as registry:
            for line in registry:
                match = re.match(r"^\[(.*)\]", line)
                if match and not VOLATILE.search(match.group(1)):
                    keys.add(f"{hive[:-4]}: {match.group(1)}")
    return files, keys


def write_listing(path, files, keys):
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(sorted(files) + [""] + sorted(keys)) + "\n")


def starts(s, exe, title):
    """The program at `exe` starts and shows its first window."""
    program = s.start(exe)
    try:
        s.wait_window(title)
    finally:
        wine_session.end(program)
        s.run(["wineserver", "--wait"], timeout=120)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--installer", required=True)
    parser.add_argument("--zip", required=True)
    parser.add_argument("--window-table", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    splash_title = subprocess.run([args.window_table, "--title", "splash"], check=True, stdout=subprocess.PIPE,
                                  text=True).stdout.rstrip("\n")

    with wine_session.session() as s:
        prefix = s.env["WINEPREFIX"]
        before = listing(prefix)
        write_listing(os.path.join(args.out, "listing-before-install.txt"), *before)

        s.run(["wine", args.installer, "/S"], timeout=300)
        s.run(["wineserver", "--wait"], timeout=300)
        installed = listing(prefix)
        write_listing(os.path.join(args.out, "listing-installed.txt"), *installed)
        added_files = sorted(installed[0] - before[0])
        added_keys = sorted(installed[1] - before[1])
        print("info the install added:\n     " + "\n     ".join(added_files + added_keys))
        programs = [f for f in added_files if re.search(r"AppData/Local/Programs/Loanword Dictionary/", f)]
        check(any(f.endswith("/loanword-dictionary.exe") for f in programs)
              and any(f.endswith("/uninstall.exe") for f in programs),
              "the program and its uninstaller are in the user's own programs folder")
        check(any(re.search(r"Start Menu/Programs/" + re.escape(PRODUCT) + r"\.lnk$", f) for f in added_files),
              "a Start-menu shortcut")
        check(any(k.endswith(UNINSTALL_KEY) and k.startswith("user:") for k in added_keys),
              'an "Apps & features" entry of the user')
        with open(os.path.join(prefix, "user.reg"), encoding="utf-8", errors="replace") as registry:
            entry = registry.read().split(UNINSTALL_KEY + "]", 1)[1].split("\n[", 1)[0]
        for value in ("DisplayName", "DisplayIcon", "DisplayVersion", "Publisher", "UninstallString"):
            check(f'"{value}"=' in entry, f"the entry has its {value}")

        exe = os.path.join(prefix, "drive_c", [f for f in programs if f.endswith("/loanword-dictionary.exe")][0])
        starts(s, exe, splash_title)
        print("ok   the installed program starts")

        uninstaller = s.wine_path(os.path.join(os.path.dirname(exe), "uninstall.exe"))
        s.run(["wine", uninstaller, "/S"], timeout=300)
        s.run(["wineserver", "--wait"], timeout=300)
        after = listing(prefix)
        write_listing(os.path.join(args.out, "listing-after-uninstall.txt"), *after)
        left = sorted((after[0] - before[0]) | (after[1] - before[1]))
        check(not left, "the uninstall left nothing behind" + ("" if not left else ": " + ", ".join(left)))

        # The portable zip, from a folder whose path has blanks and non-ASCII letters.
        folder = os.path.join(prefix, "drive_c", "users", "Public", "Programs ও Ñandú folder")
        with zipfile.ZipFile(args.zip) as archive:
            archive.extractall(folder)
        portable = [os.path.join(d, n) for d, _, names in os.walk(folder) for n in names
                    if n == "loanword-dictionary.exe"]
        check(len(portable) == 1, "the zip holds the program")
        starts(s, portable[0], splash_title)
        print(f"ok   the portable program starts from {s.wine_path(portable[0])}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Failure, OSError, subprocess.SubprocessError) as error:
        print(f"FAIL {error}", file=sys.stderr)
        sys.exit(1)
