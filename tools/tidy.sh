#!/usr/bin/env bash
# clang-tidy over the project's own sources, with the project's .clang-tidy.
# Usage: tools/tidy.sh BUILD_DIR   (a build configured with compile commands)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=${1:-$root/build}
run-clang-tidy -p "$build" -j "$(nproc)" -quiet \
    "^$root/(sheet|app|sheetfile|print|about|platform|tests|bench)/" >"$build/clang-tidy.log" 2>&1 || {
    sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E '(warning|error):' | grep -v 'warnings generated' | sort -u
    echo "clang-tidy found problems (full log: $build/clang-tidy.log)"
    exit 1
}
echo "clang-tidy: clean"
