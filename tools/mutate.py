#!/usr/bin/env python3
"""Puts one slip at a time into the program's sources and checks that a test catches it.

    tools/mutate.py [--sample N] [--seed S] [--build DIR] [--timeout SECONDS] [FILES...]

Each mutant is one small change a developer could make by mistake: a comparison flipped,
&& for ||, a condition negated, true for false, an integer moved by one, a statement
deleted, two rows of a constant table swapped. The file is rewritten in place, only the
tests of its unit are built (the libraries are shared, so one file recompiles and one
library relinks) and run, stopping at the first failure; then the exact original bytes
are put back, whatever happens. A mutant that does not compile is counted apart.
"""

import argparse
import atexit
import os
import random
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

from mutants import Mutant, find_mutants

ROOT = Path(__file__).resolve().parent.parent

# The tests that watch each unit, fastest first (the first failure ends a mutant's run).
# A file not named here takes its folder's list, then its top folder's.
WINDOW_TESTS = ["tst_window", "tst_windowkeys", "tst_dependent", "tst_accessible",
                "tst_principale_files", "tst_givenfile",
                "tst_styles", "tst_printwindow"]
UNIT_TESTS = {
    "sheet/magazineprofile.cpp": ["tst_sheetcodec", "tst_pagelayout", "tst_givenfile"] +
                                 WINDOW_TESTS,
    "sheet/": ["tst_sheetcodec", "tst_sheetlayout", "tst_pagelayout"] + WINDOW_TESTS,
    "sheetfile/linesplitter.cpp": ["tst_sheetcodec"],
    "sheetfile/sheetcodec.cpp": ["tst_sheetcodec", "tst_principale_files"],
    "sheetfile/dialogtexts.cpp": ["tst_sheetcodec", "tst_principale_files"],
    "sheetfile/": ["tst_sheetlayout", "tst_sheetcodec", "tst_principale_files"],
    "platform/core/windows1252.cpp": ["tst_textconversion", "tst_sheetcodec",
                                      "tst_typingfilter"],
    "platform/core/systemerrortext.cpp": ["tst_textfile"],
    "platform/core/chosenfilecheck.cpp": ["tst_textfile", "tst_filedialogs"],
    "platform/core/regional.cpp": ["tst_textconversion", "tst_pagelayout"],
    "platform/core/linebreaks.cpp": ["tst_textconversion", "tst_sheetlayout", "tst_pagelayout",
                                     "tst_typingfilter"],
    "platform/core/textfile.cpp": ["tst_textfile", "tst_principale_files"],
    "platform/core/printqueue.cpp": ["tst_printcups", "tst_printaction_fr_FR"],
    "platform/core/queuechoice.cpp": ["tst_printcups"],
    "platform/core/": ["tst_textfile", "tst_textconversion", "tst_pagelayout", "tst_printcups"],
    "platform/widgets/qtfiledialogs.cpp": ["tst_filedialogs"],
    "platform/widgets/twipsgeometry.cpp": ["tst_widgethelpers", "tst_window", "tst_styles",
                                           "tst_styles_.*"],
    "platform/widgets/pagerenderer.cpp": ["tst_widgethelpers", "tst_pdfpage", "tst_printwindow"],
    "platform/widgets/widgetform.cpp": ["tst_widgethelpers", "tst_principale_files",
                                        "tst_window"],
    "platform/widgets/frenchtranslation.cpp": ["tst_frenchtranslation", "tst_window"],
    "platform/widgets/qtmessageboxes.cpp": ["tst_filedialogs"],
    "platform/widgets/qtpageprinter.cpp": ["tst_pdfpage", "tst_printwindow", "tst_printcups"],
    "platform/widgets/loadedpageprinter.cpp": ["tst_printwindow"],
    "platform/widgets/pageprintermodule.cpp": ["tst_printwindow"],
    "platform/widgets/qtopenaction.cpp": ["tst_about"],
    "platform/widgets/plaintext.cpp": ["tst_typingfilter", "tst_sheetedits"],
    "platform/widgets/": ["tst_window", "tst_filedialogs", "tst_styles", "tst_dependent",
                          "tst_principale_files", "tst_pdfpage"],
    "print/price.cpp": ["tst_pagelayout"],
    "print/cutlines.cpp": ["tst_pagelayout"],
    "print/": ["tst_pagelayout", "tst_pdfpage", "tst_printwindow",
               "tst_printcups", "tst_printaction_fr_FR", "tst_printaction_en_US"],
    # On X11 the banner's steps take the server's copy, which only the test on Xvfb runs.
    "app/about/bannerservercopy.cpp": ["tst_banner_x11"],
    "app/about/bannerlabel.cpp": ["tst_banner_x11", "tst_about", "tst_window"],
    "app/about/": ["tst_about", "tst_accessible", "tst_window"],
    "app/fields/keyrules.cpp": ["tst_keyrules"],
    "app/fields/categories.cpp": ["tst_categories", "tst_dependent", "tst_window"],
    "app/fields/typingfilter.cpp": ["tst_typingfilter"],
    "app/fields/sheetlineedit.cpp": ["tst_sheetedits", "tst_typingfilter", "tst_keyrules"],
    "app/fields/sheettextedit.cpp": ["tst_sheetedits", "tst_typingfilter"],
    "app/fields/": ["tst_keyrules", "tst_typingfilter", "tst_sheetedits",
                    "tst_categories"] + WINDOW_TESTS,
    "app/actions/printaction.cpp": ["tst_printaction_fr_FR", "tst_printaction_en_US",
                                    "tst_printwindow", "tst_printcups"],
    "app/actions/printadvice.cpp": ["tst_printaction_fr_FR", "tst_printaction_en_US"],
    "app/actions/commandline.cpp": ["tst_givenfile"],
    "app/actions/givenfile.cpp": ["tst_givenfile"],
    "app/actions/sheetdrop.cpp": ["tst_givenfile", "tst_window"],
    "app/actions/linkopener.cpp": ["tst_about", "tst_window"],
    "app/actions/": ["tst_principale_files", "tst_givenfile", "tst_window", "tst_printwindow"],
    "app/window/windowkeys.cpp": ["tst_windowkeys", "tst_window"],
    # The compact style and the caption fitting change only what a desktop look draws.
    "app/window/compacttabstyle.cpp": ["tst_styles", "tst_styles_.*", "tst_window"],
    "app/window/stylefit.cpp": ["tst_styles", "tst_styles_.*", "tst_window", "tst_accessible"],
    "app/window/": WINDOW_TESTS + ["tst_about"],
    "app/main.cpp": ["tst_givenfile", "smoke_xvfb"],
}

# Entries of ctest that are not a build target of their own: the target each one runs.
# A name may be a pattern, to run every look of the styles test at once.
ENTRY_TARGETS = {"tst_styles_.*": "tst_styles", "tst_banner_x11": "tst_about",
                 "smoke_xvfb": "scribel"}

# The product's sources: what a run takes when no file is named.
PRODUCT_FOLDERS = ["sheet", "sheetfile", "platform", "print", "app"]

# Shared libraries compiled with exactly the flags of the ordinary static build (no second
# -fPIC, no <library>_EXPORTS symbol), so that ccache serves every file the mutant leaves alone.
SAME_OBJECTS = """\
set(CMAKE_SHARED_LIBRARY_CXX_FLAGS "")
set(CMAKE_CXX_COMPILE_OPTIONS_PIC "")
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _scribel_same_objects ${CMAKE_SOURCE_DIR})
function(_scribel_same_objects directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "SHARED_LIBRARY")
            set_target_properties(${target} PROPERTIES DEFINE_SYMBOL "")
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        _scribel_same_objects(${subdirectory})
    endforeach()
endfunction()
"""

CMAKE_OPTIONS = [
    "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DSCRIBEL_WERROR=ON", "-DBUILD_SHARED_LIBS=ON",
    # A test program need not relink when a library it uses changes inside.
    "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON", "-DSCRIBEL_BENCHMARKS=OFF",
]


class SourceGuard:
    """Writes a mutant over a source file and always puts the original bytes back: on return,
    on an exception, on Ctrl+C or SIGTERM, and at the next start if the run was killed."""

    def __init__(self, build_dir):
        self.pending = build_dir / "mutate-original"
        self.pending_path = build_dir / "mutate-original.path"
        self.current = None
        self.restore_leftover()

    def restore_leftover(self):
        if self.pending.exists() and self.pending_path.exists():
            target = Path(self.pending_path.read_text())
            target.write_bytes(self.pending.read_bytes())
            print(f"restored {target} left mutated by an interrupted run", file=sys.stderr)
        self.pending.unlink(missing_ok=True)
        self.pending_path.unlink(missing_ok=True)

    def write(self, path, original, mutated):
        self.pending.write_bytes(original)
        self.pending_path.write_text(str(path))
        self.current = (path, original)
        path.write_bytes(mutated)

    def restore(self):
        if self.current is not None:
            path, original = self.current
            path.write_bytes(original)
            self.current = None
        self.pending.unlink(missing_ok=True)
        self.pending_path.unlink(missing_ok=True)


def tests_for(path):
    """The tests of the file's own entry, else of the nearest folder that has one."""
    if path in UNIT_TESTS:
        return UNIT_TESTS[path]
    parts = path.split("/")[:-1]
    while parts:
        folder = "/".join(parts) + "/"
        if folder in UNIT_TESTS:
            return UNIT_TESTS[folder]
        parts.pop()
    return []


def product_files():
    listed = subprocess.run(["git", "ls-files", "--"] + [f"{f}/*.cpp" for f in PRODUCT_FOLDERS],
                            cwd=ROOT, stdout=subprocess.PIPE, text=True, check=True).stdout
    return listed.split()


def run(command, timeout, log):
    try:
        result = subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, timeout=timeout, text=True)
        log.write(result.stdout)
        return result.returncode
    except subprocess.TimeoutExpired as expired:
        log.write(f"timed out after {timeout} s: {' '.join(command)}\n")
        if expired.stdout:
            log.write(expired.stdout if isinstance(expired.stdout, str) else
                      expired.stdout.decode(errors="replace"))
        return None


def configure(build_dir, log):
    if (build_dir / "CMakeCache.txt").exists():
        # Again at each run: a test added since the last one is otherwise no target yet.
        if run(["cmake", str(build_dir)], 600, log) != 0:
            sys.exit(f"configuring {build_dir} failed; see {log.name}")
        return
    include = build_dir / "same-objects.cmake"
    include.write_text(SAME_OBJECTS)
    options = CMAKE_OPTIONS + [f"-DCMAKE_PROJECT_INCLUDE={include}"]
    if shutil.which("ccache"):
        options.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    if run(["cmake", "-S", ".", "-B", str(build_dir)] + options, 600, log) != 0:
        sys.exit(f"configuring {build_dir} failed; see {log.name}")


def build(build_dir, tests, jobs, timeout, log):
    targets = sorted({ENTRY_TARGETS.get(test, test) for test in tests})
    return run(["cmake", "--build", str(build_dir), "-j", str(jobs), "--target"] + targets,
               timeout, log)


def first_failing_test(build_dir, tests, timeout, log):
    """The first of the tests that fails, or None when all pass."""
    for test in tests:
        status = run(["ctest", "--test-dir", str(build_dir), "-R", f"^{test}$",
                      "--timeout", str(timeout), "--output-on-failure"], timeout + 30, log)
        if status != 0:
            return test if status is not None else f"{test} (timeout)"
    return None


def earlier_survivors(logs):
    """(file, change) of each survivor in the printed output of earlier runs."""
    found = set()
    for log in logs:
        for line in Path(log).read_text(encoding="utf-8").splitlines():
            if "] survived " not in line:
                continue
            where, _, change = line.split(" s  ", 1)[1].partition(" ")
            found.add((where.rsplit(":", 1)[0], change))
    return found


def spread_sample(mutants, files, count, seed):
    """count mutants drawn by the seed, taken from each file in turn, so that a sample reaches
    every file and a long table does not crowd out the code around it."""
    draw = random.Random(seed)
    queues = []
    for path in files:
        own = [m for m in mutants if m.path == path]
        draw.shuffle(own)
        queues.append(own)
    chosen = []
    while len(chosen) < count:
        for queue in queues:
            if queue and len(chosen) < count:
                chosen.append(queue.pop())
    return chosen


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("files", nargs="*", help="source files, relative to the tree's top")
    parser.add_argument("--sample", type=int, default=0,
                        help="only N mutants, drawn by the seed from each file in turn")
    parser.add_argument("--seed", type=int, default=1, help="the seed of the sample")
    parser.add_argument("--build", default="build/mutate", help="the mutation build's folder")
    parser.add_argument("--timeout", type=int, default=120, help="seconds for one test program")
    parser.add_argument("--jobs", type=int, default=1, help="parallel jobs of each build")
    parser.add_argument("--at", action="append", default=[], metavar="FILE:LINE",
                        help="only the mutants of that line (repeatable), e.g. to see a new test "
                             "row kill a survivor")
    parser.add_argument("--match", action="append", default=[], metavar="TEXT",
                        help="only the mutants whose description holds one of these texts")
    parser.add_argument("--within", action="append", default=[], metavar="FOLDER",
                        help="of the sample, run only the mutants under that folder "
                             "(repeatable), so that two trees can share one sample")
    parser.add_argument("--again", action="append", default=[], metavar="LOG",
                        help="only the survivors printed by an earlier run (its output), found "
                             "again by file and change even where lines have moved")
    parser.add_argument("--list", action="store_true", help="list the mutants, run nothing")
    args = parser.parse_args()

    files = [os.path.normpath(f) for f in (args.files or product_files())]
    if args.at and not args.files:
        files = sorted({at.rsplit(":", 1)[0] for at in args.at})
    earlier = earlier_survivors(args.again)
    if earlier and not args.files:
        files = sorted({path for path, _ in earlier})
    mutants = []
    originals = {}
    for path in files:
        if not tests_for(path):
            sys.exit(f"{path}: no tests are mapped to it (UNIT_TESTS in {sys.argv[0]})")
        original = (ROOT / path).read_bytes()
        originals[path] = original
        mutants.extend(find_mutants(path, original.decode("utf-8").split("\n")))
    if args.at:
        mutants = [m for m in mutants if f"{m.path}:{m.line}" in args.at]
    if earlier:
        mutants = [m for m in mutants if
                   (m.path, m.describe(originals[m.path].decode("utf-8").split("\n"))) in earlier]
        print(f"{len(mutants)} of {len(earlier)} earlier survivors found again", flush=True)
    if args.match:
        mutants = [m for m in mutants if any(
            text in m.describe(originals[m.path].decode("utf-8").split("\n"))
            for text in args.match)]
    total = len(mutants)
    if args.sample and args.sample < total:
        mutants = spread_sample(mutants, files, args.sample, args.seed)
        mutants.sort(key=lambda m: (files.index(m.path), m.line, m.start, m.operator))
    if args.within:
        mutants = [m for m in mutants if any(m.path.startswith(f) for f in args.within)]
    if args.list:
        for m in mutants:
            lines = originals[m.path].decode("utf-8").split("\n")
            print(f"{m.path}:{m.line}: [{m.operator}] {m.describe(lines)}")
        print(f"{len(mutants)} of {total} mutants")
        for path in files:
            print(f"{path}: caught by {' '.join(tests_for(path))}")
        return 0

    build_dir = (ROOT / args.build).resolve()
    build_dir.mkdir(parents=True, exist_ok=True)
    log_path = build_dir / "mutate.log"
    guard = SourceGuard(build_dir)
    atexit.register(guard.restore)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    started = time.monotonic()
    results = []  # (mutant, outcome, detail)
    with open(log_path, "w", encoding="utf-8") as log:
        configure(build_dir, log)
        # The unmutated tree must pass, or every mutant would look killed.
        all_tests = sorted({t for path in files for t in tests_for(path)})
        print(f"building and checking the unmutated tree ({len(all_tests)} tests)...", flush=True)
        if build(build_dir, all_tests, args.jobs, 3600, log) != 0:
            sys.exit(f"the unmutated tree does not build; see {log_path}")
        failing = first_failing_test(build_dir, all_tests, args.timeout, log)
        if failing:
            sys.exit(f"{failing} fails without any mutant; see {log_path}")

        try:
            for index, mutant in enumerate(mutants, start=1):
                path = ROOT / mutant.path
                original = originals[mutant.path]
                lines = original.decode("utf-8").split("\n")
                mutated = "\n".join(mutant.apply(lines)).encode("utf-8")
                tests = tests_for(mutant.path)
                log.write(f"\n=== {mutant.path}:{mutant.line} {mutant.describe(lines)}\n")
                began = time.monotonic()
                guard.write(path, original, mutated)
                try:
                    status = build(build_dir, tests, args.jobs, 1200, log)
                    if status != 0:
                        outcome, detail = "compiler", ""
                    else:
                        failing = first_failing_test(build_dir, tests, args.timeout, log)
                        outcome, detail = ("killed", failing) if failing else ("survived", "")
                finally:
                    guard.restore()
                seconds = time.monotonic() - began
                results.append((mutant, outcome, detail))
                print(f"[{index}/{len(mutants)}] {outcome:8} {seconds:5.1f} s  "
                      f"{mutant.path}:{mutant.line} {mutant.describe(lines)}"
                      + (f"  ({detail})" if detail else ""), flush=True)
        except KeyboardInterrupt:
            print("interrupted; the sources are restored", file=sys.stderr)
        finally:
            guard.restore()
            # Leave the build matching the restored sources.
            touched = sorted({t for m, _, _ in results for t in tests_for(m.path)})
            if touched:
                build(build_dir, touched, args.jobs, 3600, log)

    report(results, originals, time.monotonic() - started, args, total, log_path)
    return 0


def report(results, originals, seconds, args, total, log_path):
    print()
    survivors = [(m, d) for m, outcome, d in results if outcome == "survived"]
    if survivors:
        print("Survivors:")
        for mutant, _ in survivors:
            lines = originals[mutant.path].decode("utf-8").split("\n")
            print(f"  {mutant.path}:{mutant.line}: [{mutant.operator}] {mutant.describe(lines)}")
        print()
    print(f"{'folder':12} {'killed':>7} {'survived':>9} {'score':>7} {'compiler':>9}")
    folders = sorted({m.path.split("/")[0] for m, _, _ in results})
    for folder in folders + ["all"]:
        chosen = [o for m, o, _ in results if folder == "all" or m.path.split("/")[0] == folder]
        killed, survived = chosen.count("killed"), chosen.count("survived")
        score = f"{100 * killed / (killed + survived):.0f} %" if killed + survived else "-"
        print(f"{folder:12} {killed:7} {survived:9} {score:>7} {chosen.count('compiler'):9}")
    print(f"\n{len(results)} mutants run of {total} found (seed {args.seed}, sample "
          f"{args.sample or 'all'}) in {seconds / 60:.1f} min, "
          f"{seconds / max(len(results), 1):.1f} s each; builds -j{args.jobs}; log {log_path}")


if __name__ == "__main__":
    sys.exit(main())
