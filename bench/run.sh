#!/usr/bin/env bash
# Builds the benchmark in the release-like build folder and runs it; arguments go to it,
# e.g. bench/run.sh --runs 40. Headless unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SCRIBEL_BUILD_DIR:-build/release}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target scribel_bench -j "$(nproc)"
exec "$build/bench/scribel_bench" "$@"
