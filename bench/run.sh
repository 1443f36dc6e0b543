#!/usr/bin/env bash
# Builds one benchmark in the release build folder and runs it; the start-up benchmark
# unless another is named, the arguments going to it:
#   bench/run.sh --runs 40            bench/run.sh bench_printrun -iterations 20
# Headless unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SCRIBEL_BUILD_DIR:-build/release}
bench=scribel_bench
if [[ ${1:-} == bench_* ]]; then
    bench=$1
    shift
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi
tools/package.sh --configure "$build" -DSCRIBEL_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target "$bench" -j "$(nproc)"
exec "$build/bench/$bench" "$@"
