#!/usr/bin/env bash
# Builds the Debian package from the normal build folder and checks it with Debian's own
# tools, then runs the programs of the package unpacked into a temporary folder, started
# from another folder, as a user's menu or shell would.
set -euo pipefail
export QUELBROOK_EXTRA_PACKAGES="${QUELBROOK_EXTRA_PACKAGES:-} lintian appstream desktop-file-utils dpkg-dev file"
# Installs what is missing and brings the build up to date (nothing to do after the tests).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cd "$QUELBROOK_BUILD"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' CMakeCache.txt)
app_id=$(sed -n 's/^Icon=//p' packaging/*.desktop)
rm -f quelbrook_*.deb
cpack -G DEB >cpack.log || { cat cpack.log; exit 1; }
deb=$(echo quelbrook_"$version"_*.deb)
echo "Built $deb"

fail() {
  echo "package check: $*" >&2
  exit 1
}

lintian --fail-on error --tag-display-limit 0 "$deb"

dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "Depends misses the Qt libraries"
dpkg-deb --field "$deb" Recommends | grep -q libsdl2-2.0-0 || fail "Recommends misses SDL2, which reads the gamepads"
contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for file in \
  usr/bin/quelbrook usr/bin/quelbrook-editor usr/lib/quelbrook/quelbrook-audio.so usr/lib/quelbrook/quelbrook-console \
  usr/share/quelbrook/Quelbrook.nes usr/share/quelbrook/graph/AF.bmp usr/share/quelbrook/items/0.bmp \
  usr/share/quelbrook/enemyes/0.bmp usr/share/quelbrook/info/info2.bmp \
  "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  usr/share/man/man1/quelbrook.1.gz usr/share/man/man1/quelbrook-editor.1.gz \
  usr/share/bash-completion/completions/quelbrook \
  usr/share/doc/quelbrook/copyright usr/share/doc/quelbrook/changelog.gz; do
  grep -qx "\./$file" <<<"$contents" || fail "$file is not in the package"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop"
# The file type the menu entry opens is Debian's own (shared-mime-info), with the .nes glob.
mime=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$unpacked/usr/share/applications/$app_id.desktop")
grep -q '<glob pattern="\*\.nes"/>' "/usr/share/mime/$mime.xml" || fail "no shared-mime-info type $mime for *.nes"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml"

cd /
bin="$unpacked/usr/bin"
# Qt Multimedia belongs to the audio module alone: linked into the editor, it and the sound
# libraries it needs would load at every start.
! readelf -d "$bin/quelbrook-editor" | grep -q libQt6Multimedia || fail "quelbrook-editor links Qt Multimedia"
# Nor SDL, which the Play panel loads for its gamepads: it brings the sound libraries too.
! readelf -d "$bin/quelbrook-editor" | grep -q libSDL2 || fail "quelbrook-editor links SDL2"
# The first line is the program and its version; the licence follows.
for program in quelbrook quelbrook-editor; do
  said=$("$bin/$program" --version) || fail "$program --version"
  [ "$(head -n 1 <<<"$said")" = "$program $version" ] || fail "$program --version: $said"
  grep -q "^License GPL-3.0-or-later" <<<"$said" || fail "$program --version names no licence: $said"
done
info=$("$bin/quelbrook" info "$unpacked/usr/share/quelbrook/Quelbrook.nes") || fail "quelbrook info on the demo ROM"
grep -q "^start screen: " <<<"$info" || fail "quelbrook info printed: $info"
"$bin/quelbrook" render "$unpacked/usr/share/quelbrook/Quelbrook.nes" 55 "$unpacked/screen.png" ||
  fail "quelbrook render with the installed pictures"

# The window reports a picture it cannot load on standard error as well; a window still
# open after a few seconds without such a report has found its pictures.
run_editor() {
  local status=0
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$unpacked/config" timeout 5 "$bin/quelbrook-editor" "$@" \
    >/dev/null 2>"$unpacked/editor.err" || status=$?
  [ "$status" -eq 124 ] || fail "the editor ended with status $status: $(cat "$unpacked/editor.err")"
}
run_editor
! grep -q "Cannot open file" "$unpacked/editor.err" || fail "the editor misses pictures: $(cat "$unpacked/editor.err")"
# A ROM named relative to the folder the editor is started in opens, although the installed
# editor moves to its pictures; one that is not there is reported.
mkdir "$unpacked/roms"
cp "$unpacked/usr/share/quelbrook/Quelbrook.nes" "$unpacked/roms/mine.nes"
(cd "$unpacked/roms" && run_editor mine.nes)
! grep -q "^QuelbrookEditor: " "$unpacked/editor.err" || fail "the editor with a ROM argument said: $(cat "$unpacked/editor.err")"
(cd "$unpacked/roms" && run_editor missing.nes)
grep -q "File not found" "$unpacked/editor.err" || fail "a missing ROM argument went unreported"
# The same check sees it when the pictures are not where the program looks.
mv "$unpacked/usr/share/quelbrook/graph" "$unpacked/graph.away"
run_editor
grep -q "Cannot open file graph/0.bmp" "$unpacked/editor.err" || fail "a missing picture went unnoticed"
echo "package check: $deb passed"
