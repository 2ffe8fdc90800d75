#!/usr/bin/env bash
# A picture of drawhost's window: builds drawhost and the plug-in, replays
# examples/gui-screenshot.txt in the window on a virtual screen (Xvfb) and
# writes the whole screen to out/gui.png: the drawing, the palette and the
# about box.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target drawhost orbiquad
mkdir -p out
prefs=$(mktemp -d /tmp/drawhost-screenshot-XXXXXX)
trap 'rm -rf "$prefs"' EXIT
xvfb-run -a -s "-screen 0 1920x1080x24" \
  build/bin/drawhost gui --replay examples/gui-screenshot.txt --prefs "$prefs/preferences.txt" \
  --log out/gui-screenshot.log --screenshot out/gui.png "$@"
echo "out/gui.png"
