#!/usr/bin/env bash
# Pictures of the command menu and all nineteen of its dialogs (dialog-NAME.png), the week's news
# and the chronicle, at 100 % and 200 %, saved in docs/ (the 200 % ones end in -200). Runs on a
# virtual display (xvfb-run) with the Korean font of fonts-nanum.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j2 --target golmok-screenshots
shots=build/bin/golmok-screenshots
xvfb-run -a -s "-screen 0 1920x1200x24" "$shots" docs ""
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3840x2400x24" "$shots" docs "-200"
