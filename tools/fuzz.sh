#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on its kept
# corpus: the sheet reader (on the sample sheets too), then what every field kind takes
# in. New inputs go to scratch folders, so the repository's corpora change only by hand
# (copy the interesting ones over).
# The seed is fixed unless given, so that the test suite's run is repeatable; 0 lets
# libFuzzer choose one, for a run that explores.
# Usage: tools/fuzz.sh BUILD_DIR [SECONDS] [INSERTION_SECONDS] [SEED]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=${1:-$root/build/fuzz}
seconds=${2:-60}
insertion_seconds=${3:-30}
seed=${4:-20261207}
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DSCRIBEL_FUZZ=ON -DSCRIBEL_TESTS=OFF \
    -DSCRIBEL_WERROR=ON >/dev/null
cmake --build "$build" --target fuzz_sheetfile fuzz_insertion -j "$(nproc)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/sheetfile" "$scratch/insertion"
"$build/fuzz/fuzz_sheetfile" -max_total_time="$seconds" -seed="$seed" \
    -print_final_stats=1 \
    -dict="$root/fuzz/sheetfile.dict" \
    "$scratch/sheetfile" "$root/fuzz/corpus" "$root/tests/data/sheetfile"
# The fields are real widgets: fonts and Qt's caches live as long as the process.
QT_QPA_PLATFORM=offscreen \
    LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp:print_suppressions=0 \
    "$build/fuzz/fuzz_insertion" -max_total_time="$insertion_seconds" -seed="$seed" \
    -print_final_stats=1 "$scratch/insertion" "$root/fuzz/insertion-corpus"
