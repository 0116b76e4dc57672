#!/usr/bin/env bash
# Builds the benchmark programs and runs them in the app folder with the real pictures,
# offscreen with five repetitions, the start-up under Xvfb with nine, printing the medians
# and the machine they were taken on. Needs libbenchmark-dev, xvfb and libxcb-damage0-dev.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUELBROOK_BENCH_BUILD:-$root/build-h}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELBROOK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quelbrook-bench quelbrook-world-bench quelbrook-play-bench \
  quelbrook-learn-bench quelbrook-merge-bench quelbrook-history-bench quelbrook-editor quelbrook-startup-bench

echo "nproc: $(nproc)"
grep -m1 "model name" /proc/cpuinfo
grep -m1 MemTotal /proc/meminfo
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

cd "$build/app"
# The benchmarks do not lie beside the console program, as the editor and the tool do.
export QUELBROOK_CONSOLE="$build/app/quelbrook-console"
for program in quelbrook-bench quelbrook-world-bench quelbrook-play-bench quelbrook-learn-bench \
  quelbrook-merge-bench quelbrook-history-bench; do
  QT_QPA_PLATFORM=offscreen "$build/bench/$program" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done
# Both programs start under the one X server, their starts interleaved at random.
xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bench/quelbrook-startup-bench" \
  --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@"
