#!/usr/bin/env python3
"""Every include points down. Prints each include that reaches a folder its own may not
use, and fails if there is one. Usage: tools/check-layers.py"""
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BELOW_WINGS = ["sheet", "platform/core"]
WIDGETS = BELOW_WINGS + ["platform/widgets"]
# What each folder may include, besides itself. The most specific folder wins.
ALLOWED = {
    "sheet": [],
    "platform/core": ["sheet"],
    "platform/widgets": BELOW_WINGS,
    "sheetfile": BELOW_WINGS,
    "print": BELOW_WINGS,
    "app/fields": WIDGETS,
    "app/about": WIDGETS,
    "app/actions": WIDGETS + ["sheetfile", "print", "app/fields", "app/about"],
    "app/window": WIDGETS + ["sheetfile", "print", "app/fields", "app/about", "app/actions"],
    "app": WIDGETS + ["sheetfile", "print", "app/fields", "app/about", "app/actions",
                      "app/window"],
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The most specific folder of the table that holds the path, or None."""
    best = None
    for folder in ALLOWED:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def main():
    faults = []
    for source in sorted(ROOT.rglob("*")):
        if source.suffix not in (".h", ".cpp") or "build" in source.relative_to(ROOT).parts:
            continue
        home = folder_of(source.relative_to(ROOT).parent.as_posix())
        if home is None:
            continue
        for included in INCLUDE.findall(source.read_text(encoding="utf-8")):
            target = folder_of(Path(included).parent.as_posix())
            if target is not None and target != home and target not in ALLOWED[home]:
                faults.append(f"{source.relative_to(ROOT)}: includes {included}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
