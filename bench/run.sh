#!/usr/bin/env bash
# Builds the benchmark program and runs it offscreen in the app folder with the real
# pictures, five repetitions, printing the medians and the machine they were taken on.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUELBROOK_BENCH_BUILD:-$root/build-h}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELBROOK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quelbrook-bench quelbrook-world-bench quelbrook-play-bench quelbrook-editor

echo "nproc: $(nproc)"
grep -m1 "model name" /proc/cpuinfo
grep -m1 MemTotal /proc/meminfo
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

cd "$build/app"
for program in quelbrook-bench quelbrook-world-bench quelbrook-play-bench; do
  QT_QPA_PLATFORM=offscreen "$build/bench/$program" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done
