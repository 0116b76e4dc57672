#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs it; any sanitizer report fails the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The build runs its own binaries (picture generator, test discovery), so these
# settings hold for the build as well as for ctest.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="print_suppressions=0:suppressions=$root/scripts/lsan-suppressions.txt"
export QT_QPA_PLATFORM=offscreen

export QUELBROOK_BUILD="$root/build-asan"
# A unity build: instrumented compiles of the Qt and GoogleTest headers cost more than the
# code itself, so each batch of a target's files reads them once. Names private to one file
# must therefore differ across the files of a library.
export QUELBROOK_CONFIGURE_ARGS="-DQUELBROOK_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON"
source "$root/scripts/setup.sh"

# Sanitized tests run several times slower: a wider timeout than ctest's default per test.
ctest --test-dir "$QUELBROOK_BUILD" --output-on-failure -j"$(nproc)" --timeout 600
