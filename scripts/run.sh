#!/usr/bin/env bash
# Installs what is needed, builds, and shows the example layout: in the 3D
# window when a display is there, otherwise as load report and picture.
set -euo pipefail
cd "$(dirname "$0")/.."
layout="${1:-examples/every_track.mrv}"
scripts/install-deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}" ]; then
  exec build/app/ravloviewer "$layout"
fi
echo "No display: checking $layout and drawing it to out/example.png"
status=0
build/app/ravloviewer --check "$layout" || status=$?
[ "$status" -le 1 ] || exit "$status"
mkdir -p out
xvfb-run -a -s "-screen 0 1280x1024x24" build/app/ravloviewer --render out/example.png "$layout" &&
  echo "Wrote out/example.png"
