#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a while;
# a crash, a sanitizer report or a broken invariant fails the run.
#   scripts/fuzz-smoke.sh [SECONDS_PER_TARGET] [TARGET...]
# CI runs it with the default 15 seconds; a long run is e.g. `scripts/fuzz-smoke.sh 300`.
# The corpus in build-fuzz/corpus/ is kept, so later runs start where earlier ones ended.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-15}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(map_file_fuzzer tpie_file_fuzzer rom_decoding_fuzzer picture_loader_fuzzer tiled_map_fuzzer
  play_input_fuzzer)

export QUELBROOK_BUILD="$root/build-fuzz"
export QUELBROOK_EXTRA_PACKAGES="clang libclang-rt-14-dev"
# Only the libraries that read files: the window and the tests are built by gcc elsewhere.
# A unity build, as for the sanitized tests.
fuzz_options=(-DCMAKE_CXX_COMPILER=clang++ -DQUELBROOK_SANITIZE=ON -DQUELBROOK_FUZZ=ON
  -DQUELBROOK_BUILD_EDITOR=OFF -DQUELBROOK_BUILD_TESTS=OFF -DCMAKE_UNITY_BUILD=ON)
export QUELBROOK_CONFIGURE_ARGS="${fuzz_options[*]}"
source "$root/scripts/setup.sh"

fuzz="$QUELBROOK_BUILD/fuzz"
seeds="$QUELBROOK_BUILD/seeds"
rm -rf "$seeds"
"$fuzz/quelbrook_fuzz_seeds" "$seeds"
mkdir -p "$QUELBROOK_BUILD/artifacts"

export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# Runs one target for the given time; its log is shown when it fails.
fuzz_target() {
  local target="$1"
  # The start-screen byte lies at 33236: images must be able to grow past it. Real
  # bitmaps are 8 to 33 KB, so pictures get room for those and more.
  local max_len=4096
  [ "$target" = rom_decoding_fuzzer ] && max_len=40000
  [ "$target" = picture_loader_fuzzer ] && max_len=65536
  # A world-sized tile layer needs room even when packed.
  [ "$target" = tiled_map_fuzzer ] && max_len=16384
  local corpus="$QUELBROOK_BUILD/corpus/$target"
  local log="$QUELBROOK_BUILD/$target.log"
  mkdir -p "$corpus"
  if "$fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$QUELBROOK_BUILD/artifacts/$target-" "$corpus" "$seeds/$target" \
    >"$log" 2>&1; then
    local runs
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "  $target: ${runs:-?} executions, no crash"
  else
    echo "  $target FAILED; the end of its log:"
    tail -n 60 "$log"
    return 1
  fi
}

# Each fuzzer is one process on one core: as many run at once as there are cores, so each
# still gets its full time on a core of its own.
passed=0
failed=0
batch=$(nproc)
for ((first = 0; first < ${#targets[@]}; first += batch)); do
  pids=()
  for target in "${targets[@]:first:batch}"; do
    echo "Fuzzing $target for ${seconds}s (log: $QUELBROOK_BUILD/$target.log)"
    fuzz_target "$target" >"$QUELBROOK_BUILD/$target.result" &
    pids+=($!)
  done
  for i in "${!pids[@]}"; do
    if wait "${pids[$i]}"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
    cat "$QUELBROOK_BUILD/${targets[first + i]}.result"
  done
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
