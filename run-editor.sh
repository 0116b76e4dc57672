#!/usr/bin/env bash
# Sets up, builds and starts the editor in its ready-to-run folder, where the
# pictures and the demo Quelbrook.nes lie.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
cd "$QUELBROOK_BUILD/app"
exec ./quelbrook-editor "$@"
