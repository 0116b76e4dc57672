#!/usr/bin/env bash
# Sets up, builds and runs every test. Window tests need no display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$QUELBROOK_BUILD" --output-on-failure -j"$(nproc)"
