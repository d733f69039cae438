#!/usr/bin/env bash
# Installs the program into a scratch prefix and checks what a desktop needs
# to offer it for layout files: the program, a valid desktop entry that opens
# a file, its icon, and a file type that claims *.mrv and that the entry names.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/ravloviewer.desktop"
[ -x "$prefix/bin/ravloviewer" ] || fail "no program in bin/"
[ -f "$entry" ] || fail "no desktop entry"
[ -f "$prefix/share/icons/hicolor/scalable/apps/ravloviewer.svg" ] || fail "no icon"
grep -qx 'Exec=ravloviewer %f' "$entry" || fail "the entry does not open a file"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"

# The freedesktop database built from the installed type maps *.mrv to it.
update-mime-database "$prefix/share/mime"
type=$(grep -E '^[0-9]+:[^:]+:\*\.mrv$' "$prefix/share/mime/globs2" | cut -d: -f2)
[ -n "$type" ] || fail "no file type claims *.mrv"
grep -q "^MimeType=.*$type;" "$entry" || fail "the entry does not name $type"
"$prefix/bin/ravloviewer" --version | grep -q 'RavloViewer, Version 1.0.7' || fail "installed program does not run"
echo "install: program, entry, icon and file type $type in place"
