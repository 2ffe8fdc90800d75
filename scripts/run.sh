#!/usr/bin/env bash
# The main job: builds the plug-in and drawhost, then runs the example
# session against the real plug-in module and prints what a user would have
# seen. Outputs land in out/: the log, the document as JSON, SVG and PNG,
# pictures of the toolbox, the about box, the colours dialog and the palette of
# each tool and with its help pane shown and hidden, and the preference file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target drawhost orbiquad
mkdir -p out
build/bin/drawhost run examples/session.txt --log out/session.log --dump out/session.json \
  --svg out/session.svg --png out/session.png --prefs out/preferences.txt "$@"
# Every shape of both tools; it starts from the first-start preferences each time.
rm -f out/shapes-preferences.txt
build/bin/drawhost run examples/shapes.txt --log out/shapes.log --dump out/shapes.json \
  --svg out/shapes.svg --png out/shapes.png --prefs out/shapes-preferences.txt
cat out/session.log out/shapes.log
