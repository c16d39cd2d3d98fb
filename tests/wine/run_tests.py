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


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True)
    parser.add_argument("--host", required=True)
    parser.add_argument("--source", required=True)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    prefix = os.path.join(build, "wine-prefix")
    shutil.rmtree(prefix, ignore_errors=True)

    with wine_session.session(prefix) as s:
        ctest = subprocess.run(["ctest", "--output-on-failure", "--parallel", str(os.cpu_count() or 2)],
                               cwd=build, env=s.env)
    if ctest.returncode != 0:
        print("FAIL the test programs under Wine (ctest above)", file=sys.stderr)
        return 1
    black_box = subprocess.run([
        sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)), "black_box.py"),
        "--exe", os.path.join(build, "loanword-dictionary.exe"),
        "--native", os.path.join(args.host, "app", "loanword-dictionary"),
        "--window-table", os.path.join(args.host, "layouts", "window_table"),
        "--source", args.source,
        "--out", os.path.join(build, "test-output"),
        "--prefix", prefix])
    return black_box.returncode


if __name__ == "__main__":
    sys.exit(main())
