#!/usr/bin/env python3
"""The test run's summary, from the results ctest recorded (--output-junit): Qt Test's own
totals for each test program, one result for each script, every skip and failure by name.
A skip is never a pass. Under CI (CI=true), a skip for want of something that dev.sh
installs ("... is not installed") is a failure.
Usage: tools/test-summary.py RESULTS.xml...   (one file per suite run, named after it)
"""

import os
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

TOTALS = re.compile(r"^Totals: (\d+) passed, (\d+) failed, (\d+) skipped, (\d+) blacklisted", re.M)
QT_SKIP = re.compile(r"^SKIP   : (\S+\(.*?\)) ?(.*)$", re.M)
QT_FAIL = re.compile(r"^FAIL!  : (\S+\(.*?\)) ?(.*)$", re.M)
SCRIPT_SKIP = re.compile(r"^SKIP: (.*)$", re.M)
MISSING = "is not installed"


def main(paths):
    ci = os.environ.get("CI") == "true"
    passed = 0
    skips = []
    failures = []
    for path in map(Path, paths):
        run = path.stem
        if not path.exists():
            failures.append(f"{run}: no results (the suite did not run)")
            continue
        for case in ElementTree.parse(path).getroot().iter("testcase"):
            name = case.get("name")
            output = case.findtext("system-out") or ""
            status = case.get("status")
            if status == "notrun" or case.find("skipped") is not None:
                reasons = SCRIPT_SKIP.findall(output) or ["skipped"]
                skips.append((run, name, reasons[-1]))
                continue
            totals = TOTALS.findall(output)
            for row, reason in QT_SKIP.findall(output):
                skips.append((run, f"{name} {row}", reason))
            counted_failures = 0
            for good, bad, _, _ in totals:
                passed += int(good)
                counted_failures += int(bad)
            for row, reason in QT_FAIL.findall(output):
                failures.append(f"{run}: {name} {row} {reason}")
            if not totals:
                if status == "fail":
                    failures.append(f"{run}: {name}")
                else:
                    passed += 1
            elif status == "fail" and counted_failures == 0:
                failures.append(f"{run}: {name} (ended in failure after its rows)")

    if ci:
        missing = [skip for skip in skips if MISSING in skip[2]]
        for run, name, reason in missing:
            failures.append(f"{run}: {name}: skipped under CI: {reason}")
        skips = [skip for skip in skips if skip not in missing]
    if skips:
        print(f"Skipped ({len(skips)}):")
        for run, name, reason in skips:
            print(f"  {run}: {name}: {reason}")
    if failures:
        print(f"Failed ({len(failures)}):")
        for failure in failures:
            print(f"  {failure}")
    print(f"scribel: {passed} passed, {len(failures)} failed, {len(skips)} skipped")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
