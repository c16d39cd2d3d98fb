#!/usr/bin/env python3
"""scripts/windows-qt's defined failures, each before any long step: one line
on standard error naming what is missing, status 1, and nothing in the cache
that a later run would take for a built Qt.

  windows_qt_failures.py SCRIPT
"""
import os
import shutil
import subprocess
import sys
import tempfile


def run(script, cache, **env):
    environment = dict(os.environ, DICT_WINDOWS_QT_CACHE=cache, **env)
    return subprocess.run([script], env=environment, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                          timeout=300)


def main():
    script = sys.argv[1]
    work = tempfile.mkdtemp(prefix="windows-qt-failures-")
    # A PATH without the cross compiler: the machine's own tools only.
    bare = os.path.join(work, "bin")
    os.makedirs(bare)
    for tool in ("bash", "dpkg-query", "sha256sum", "cut", "cat", "env", "dirname"):
        found = shutil.which(tool)
        if found:
            os.symlink(found, os.path.join(bare, tool))
    # A cache on a file system of 1 MB (root only: a tmpfs mount).
    small = os.path.join(work, "small")
    os.makedirs(small)
    mounted = os.geteuid() == 0 and subprocess.run(
        ["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", small]).returncode == 0
    cross = shutil.which("x86_64-w64-mingw32-g++-posix") is not None
    cases = [
        # name, what it needs (None: nothing), environment, cache, words the one line must hold
        ("no cross compiler", None, {"PATH": bare}, None, "g++-mingw-w64-x86-64-posix"),
        ("source unreachable", None if cross else "the cross compiler",
         {"DICT_DEBIAN_MIRROR": "http://127.0.0.1:9"}, None, "cannot be reached"),
        ("full disk", None if cross and mounted else "root and the cross compiler", {}, small, "MB free"),
        # A Qt folder without its stamp (a build cut off in its install) is
        # removed, never used; the run then fails at the fetch.
        ("half-built cache", None if cross else "the cross compiler",
         {"DICT_DEBIAN_MIRROR": "http://127.0.0.1:9"}, "half", "cannot be reached"),
    ]
    failures = 0
    try:
        for name, needs, env, cache, words in cases:
            if needs:
                print(f"skip {name}: needs {needs}")
                continue
            half_built = None
            if cache == "half":
                cache = os.path.join(work, "half")
                key = subprocess.run([script, "--key"], stdout=subprocess.PIPE, text=True, check=True).stdout.strip()
                half_built = os.path.join(cache, key)
                os.makedirs(os.path.join(half_built, "lib", "cmake"))
            cache = cache or os.path.join(work, name.replace(" ", "-"))
            result = run(script, cache, **env)
            lines = result.stderr.strip().splitlines()
            problems = []
            if result.returncode != 1:
                problems.append(f"status {result.returncode}")
            if not lines or words not in lines[-1] or not lines[-1].startswith("windows-qt: "):
                problems.append(f"last line {lines[-1:]!r} does not name {words!r}")
            if [line for line in lines if not line.startswith("windows-qt: ")]:
                problems.append(f"more than the script's own lines: {lines!r}")
            trusted = [d for d, _, files in os.walk(cache) if ".complete" in files]
            if trusted:
                problems.append(f"a stamped Qt was left: {trusted}")
            if half_built and os.path.exists(half_built):
                problems.append(f"the half-built {half_built} is still there")
            if result.stdout:
                problems.append(f"printed a folder: {result.stdout!r}")
            status = "FAIL" if problems else "ok  "
            print(f"{status} {name}: {lines[-1] if lines else '(nothing)'}" + "".join(f"\n     {p}" for p in problems))
            failures += bool(problems)
    finally:
        if mounted:
            subprocess.run(["umount", small])
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
