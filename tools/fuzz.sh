#!/usr/bin/env bash
# Builds the sheet reader's libFuzzer target with clang and runs it for a bounded time
# on the kept corpus and the sample sheets. New inputs go to a scratch folder, so the
# repository's corpus changes only by hand (copy the interesting ones over).
# Usage: tools/fuzz.sh BUILD_DIR [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=${1:-$root/build/fuzz}
seconds=${2:-60}
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSCRIBEL_FUZZ=ON -DSCRIBEL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzz_sheetfile -j "$(nproc)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/tests/sheetfile/fuzz/fuzz_sheetfile" -max_total_time="$seconds" -print_final_stats=1 \
    -dict="$root/tests/fuzz/sheetfile.dict" \
    "$scratch" "$root/tests/fuzz/corpus" "$root/tests/data/sheetfile"
