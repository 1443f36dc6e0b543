#!/usr/bin/env python3
"""clang-tidy, with the project's .clang-tidy, over the program's own sources.

A file found clean is not checked again until something it is checked with changes: the
file, any header it includes (as the build's dependency files list them), its compile
command, .clang-tidy or clang-tidy itself. Clean results are kept in
$XDG_CACHE_HOME/scribel/tidy; with none kept, every file is checked.
Usage: tools/tidy.py BUILD_DIR   (a build made with its compile commands)
"""

import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
PRODUCT = re.compile(r"(sheet|app|sheetfile|print|about|platform)/")
CACHE = Path(os.environ.get("XDG_CACHE_HOME", Path.home() / ".cache")) / "scribel" / "tidy"

file_hashes = {}


def file_hash(path):
    if path not in file_hashes:
        try:
            file_hashes[path] = hashlib.sha256(Path(path).read_bytes()).hexdigest()
        except OSError:
            file_hashes[path] = "missing"
    return file_hashes[path]


def dependencies(entry):
    """The files the build read to compile the entry, from the dependency file the
    compiler wrote beside the object."""
    arguments = shlex.split(entry["command"])
    if "-o" not in arguments:
        return None
    depfile = Path(entry["directory"]) / (arguments[arguments.index("-o") + 1] + ".d")
    try:
        text = depfile.read_text().replace("\\\n", " ")
    except OSError:
        return None
    return sorted({os.path.normpath(Path(entry["directory"]) / name)
                   for name in text.split(":", 1)[1].split()})


def cache_key(entry, common):
    files = dependencies(entry)
    if files is None:
        return None
    digest = hashlib.sha256(common)
    digest.update(entry["command"].replace(str(ROOT), "").encode())
    # The machine's headers first, then the checkout's, whatever the checkout's path.
    for name in sorted(files, key=lambda name: (name.startswith(str(ROOT)), name)):
        digest.update(f"{name.replace(str(ROOT), '')} {file_hash(name)}\n".encode())
    return digest.hexdigest()


def check(build, entry):
    run = subprocess.run(["clang-tidy", "-p", str(build), "--quiet", entry["file"]],
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return run.returncode == 0, run.stdout


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build/release").resolve()
    entries = {}
    for entry in json.loads((build / "compile_commands.json").read_text()):
        relative = os.path.relpath(entry["file"], ROOT)
        if PRODUCT.match(relative) and relative not in entries:
            entries[relative] = entry
    version = subprocess.run(["clang-tidy", "--version"], stdout=subprocess.PIPE,
                             text=True, check=True).stdout
    common = (version + (ROOT / ".clang-tidy").read_text()).encode()
    keys = {name: cache_key(entry, common) for name, entry in entries.items()}
    pending = [name for name in sorted(entries)
               if keys[name] is None or not (CACHE / keys[name]).exists()]
    print(f"clang-tidy: {len(entries) - len(pending)} of {len(entries)} files unchanged "
          f"since found clean; checking {len(pending)}", flush=True)
    failed = []
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 1) as pool:
        results = pool.map(lambda name: (name, *check(build, entries[name])), pending)
        for name, clean, output in results:
            if clean:
                if keys[name] is not None:
                    CACHE.mkdir(parents=True, exist_ok=True)
                    (CACHE / keys[name]).touch()
            else:
                failed.append(name)
                print(re.sub(r"\x1b\[[0-9;]*m", "", output), end="", flush=True)
    if failed:
        print("clang-tidy found problems in " + ", ".join(failed))
        return 1
    print("clang-tidy: clean")
    return 0


if __name__ == "__main__":
    sys.exit(main())
