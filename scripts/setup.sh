#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only what is missing), then configures
# and builds. Sourced by run-editor.sh and run-tests.sh.
set -euo pipefail

QUELBROOK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUELBROOK_BUILD="${QUELBROOK_BUILD:-$QUELBROOK_ROOT/build}"

# tiled brings tiled and tmxrasterizer, which the map tests run; cc65 assembles the 6502
# programs; the libretro header and Debian's NES core let the editor run the game, and Qt
# Multimedia plays its sound; SDL2 reads gamepads in the Play panel; git runs in the tests of
# the ROM's diff and merge drivers; SQLite keeps the restore points, and its shell checks them.
packages=(cmake g++ make qt6-base-dev zlib1g-dev libgtest-dev libgmock-dev googletest fonts-dejavu-core fonts-liberation2
  bash-completion tiled cc65 retroarch-dev libretro-nestopia qt6-multimedia-dev libsdl2-dev git libsqlite3-dev sqlite3)
# Other builds (sanitizers, fuzzing) add their packages and CMake options here.
read -r -a extra_packages <<<"${QUELBROOK_EXTRA_PACKAGES:-}"
read -r -a configure_args <<<"${QUELBROOK_CONFIGURE_ARGS:-}"
packages+=("${extra_packages[@]}")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi

# A compiler cache, where the machine has one, makes rebuilds of other checkouts cheap.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$QUELBROOK_ROOT"
  configure_args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # The window libraries and tests use precompiled headers, which ccache caches only when
  # told to overlook what a precompiled header makes it distrust.
  export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
fi

cmake -S "$QUELBROOK_ROOT" -B "$QUELBROOK_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure_args[@]}" >/dev/null
cmake --build "$QUELBROOK_BUILD" -j"$(nproc)"
