#!/usr/bin/env bash
# Sets up, builds and starts the editor in its ready-to-run folder, where the pictures lie;
# without a ROM on the command line it opens the user's working copy of the demo ROM.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
exec "$QUELBROOK_ROOT/scripts/start-editor.sh" "$QUELBROOK_BUILD/app" "$@"
