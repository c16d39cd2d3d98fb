#!/usr/bin/env python3
"""Runs the Windows build's tests under Wine: the test programs through ctest
(each program's exit status is its verdict), then the program itself, black
box (black_box.py). One fresh Wine prefix serves both.

  run_tests.py --build BUILD_WINDOWS --host NATIVE_BUILD --source SOURCE_ROOT
"""
import argparse
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wine_session  # noqa: E402


def resources(exe):
    """The executable's icon, version information and manifest, as Windows
    reads them (wrestool of icoutils); the names of what is missing."""
    def raw(kind):
        return subprocess.run(["wrestool", "--raw", "-x", f"--type={kind}", exe], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL).stdout
    missing = []
    if not raw(14):
        missing.append("icon")
    version = raw(16).decode("utf-16-le", errors="replace")
    if "ProductName" not in version or "FileVersion" not in version:
        missing.append("version information")
    manifest = raw(24).decode("utf-8", errors="replace")
    if "PerMonitorV2" not in manifest or "asInvoker" not in manifest:
        missing.append("manifest (per-monitor DPI awareness, no elevation)")
    return missing


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True)
    parser.add_argument("--host", required=True)
    parser.add_argument("--source", required=True)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    prefix = os.path.join(build, "wine-prefix")
    shutil.rmtree(prefix, ignore_errors=True)

    exe = os.path.join(build, "loanword-dictionary.exe")
    missing = resources(exe)
    if missing:
        print(f"FAIL the executable lacks its {', '.join(missing)}", file=sys.stderr)
        return 1
    print("ok   the executable carries its icon, version information and manifest")

    with wine_session.session(prefix) as s:
        ctest = subprocess.run(["ctest", "--output-on-failure", "--parallel", str(os.cpu_count() or 2)],
                               cwd=build, env=s.env)
    if ctest.returncode != 0:
        print("FAIL the test programs under Wine (ctest above)", file=sys.stderr)
        return 1
    black_box = subprocess.run([
        sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)), "black_box.py"),
        "--exe", exe,
        "--native", os.path.join(args.host, "app", "loanword-dictionary"),
        "--window-table", os.path.join(args.host, "layouts", "window_table"),
        "--source", args.source,
        "--out", os.path.join(build, "test-output"),
        "--prefix", prefix])
    return black_box.returncode


if __name__ == "__main__":
    sys.exit(main())
