#!/usr/bin/env bash
# Screenshots of 저장하기 and 불러오기 with filled slots, taken under Xvfb from the real program:
# docs/screenshot-save.png and docs/screenshot-load.png. Needs a build (default build/bin), xvfb-run,
# xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/bin}")
out=$(realpath docs)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin"/*.dat "$bin"/theme.wav "$work"/
# Two games of 영웅파 saved by the console, a few weeks apart.
printf 'new-game 3\nend-turn 5\nsave 0\nend-turn 6\nsave 2\n' |
  "$bin"/golmok-console --dir "$work" >/dev/null

export bin out work
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  set -euo pipefail
  "$bin"/golmok --dir "$work" & game=$!
  window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n1; }
  shot() { sleep 1; import -window "$(window "$1")" "$2"; }
  logo=$(window 골목패권기)
  for k in 1 2 3 4; do xdotool key --window "$logo" space; sleep 0.3; done
  sleep 1
  # The title menu: the mouse onto entry 1 (불러오기), then a click on its lit look.
  menu=$(window 골목패권기)
  xdotool mousemove --window "$menu" 110 296 sleep 0.3 mousemove --window "$menu" 112 298 \
    sleep 0.3 click 1
  shot 불러오기 "$out/screenshot-load.png"
  # Load slot 2: the map opens on it; Ctrl+S shows the same slots for saving.
  load=$(window 불러오기)
  xdotool mousemove --window "$load" 150 152 click 1
  sleep 1
  map=$(window 골목패권기)
  xdotool windowfocus --sync "$map" key ctrl+s
  shot 저장하기 "$out/screenshot-save.png"
  kill "$game"
'
echo "wrote $out/screenshot-load.png $out/screenshot-save.png"
