#!/usr/bin/env python3
"""Runs ctest on a build folder and fails where a green run would hide lost coverage.

A test program whose tests are no longer registered (a suite dropped by an early return in a
CMakeLists, a build option, a failed discovery) fails the run, and so does a skipped test that is
not named as one that may skip on this machine, or more skips than the stage allows.

    ctest-census.py --suites a,b,c --max-skips N [--may-skip NAME,...] -- ctest --test-dir DIR ...

--suites names every test program (or script test) the stage must register, by the executable's
file name or, for a test run through cmake or a shell, by the test's own name. --may-skip names
the tests whose skips depend on the machine (no root, no unshare, no display tools); any other
skip fails the run.
"""

import argparse
import collections
import json
import os
import re
import subprocess
import sys

# Test commands that only run something else: such a test counts under its own name.
RUNNERS = {"cmake", "bash", "sh", "python3", "env"}


def registered_suites(build_dir):
    listing = subprocess.run(
        ["ctest", "--test-dir", build_dir, "--show-only=json-v1"],
        check=True, capture_output=True, text=True).stdout
    suites = collections.Counter()
    for test in json.loads(listing).get("tests", []):
        command = test.get("command") or []
        program = os.path.basename(command[0]) if command else test["name"]
        suites[test["name"] if program in RUNNERS else program] += 1
    return suites


def skipped_tests(output):
    # ctest closes with "The following tests did not run:" and one "N - name (Skipped)" a line.
    return re.findall(r"^\s*\d+ - (\S+) \((?:Skipped|Disabled)\)\s*$", output, re.MULTILINE)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--suites", required=True)
    parser.add_argument("--max-skips", type=int, required=True)
    parser.add_argument("--may-skip", default="")
    parser.add_argument("command", nargs=argparse.REMAINDER, help="the ctest command line")
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if "--test-dir" not in command[:-1]:
        parser.error("the ctest command needs --test-dir DIR")
    build_dir = command[command.index("--test-dir") + 1]

    expected = [s for s in args.suites.split(",") if s]
    suites = registered_suites(build_dir)
    missing = [s for s in expected if suites[s] == 0]
    if missing:
        print("ctest-census: suites with no registered test: " + ", ".join(missing))
        return 1
    print("ctest-census: %d suites, %d tests registered"
          % (len(expected), sum(suites.values())))

    run = subprocess.run(command,
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    sys.stdout.write(run.stdout)
    if run.returncode != 0:
        return run.returncode

    allowed = {s for s in args.may_skip.split(",") if s}
    skipped = skipped_tests(run.stdout)
    unexpected = [s for s in skipped if s not in allowed]
    print("ctest-census: %d skipped (at most %d allowed)" % (len(skipped), args.max_skips))
    if unexpected:
        print("ctest-census: skipped although this machine should run them: "
              + ", ".join(unexpected))
        return 1
    if len(skipped) > args.max_skips:
        print("ctest-census: more skips than the stage allows")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
