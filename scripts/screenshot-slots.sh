#!/usr/bin/env bash
# Screenshots of 불러오기 and 저장하기 with filled slots, taken under Xvfb from the real program:
# docs/screenshot-load.png and docs/screenshot-save.png. Needs a build (default build/bin),
# xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/bin}")
out=$(realpath docs)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin"/*.dat "$bin"/theme.wav "$work"/
# The game's default options, not the player's settings, and nothing written to them.
export XDG_CONFIG_HOME="$work/config"
# Three games saved by the console: 영웅파 in slot 0, 마적파 in slot 2, 거지파 in slot 3.
printf 'new-game 3\nsave 0\nquit\nnew-game 5\nsave 2\nquit\nnew-game 0\nsave 3\n' |
  "$bin"/golmok-console --dir "$work" >/dev/null

export bin out work
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  set -euo pipefail
  "$bin"/golmok --dir "$work" >/dev/null 2>&1 & game=$!
  window() { xdotool search --sync --onlyvisible --name "$1" | head -n1; }
  # Clicks rather than keys through the title pages: keys sent to a window with --window come
  # back as endless repeats under a bare Xvfb.
  logo=$(window 골목패권기)
  xdotool mousemove --window "$logo" 200 200
  for k in 1 2 3 4; do xdotool click 1; sleep 0.4; done
  # The title menu: the mouse onto entry 1 (불러오기), then a click on its lit look.
  menu=$(window 골목패권기)
  xdotool mousemove --window "$menu" 110 296 sleep 0.3 mousemove --window "$menu" 112 298 \
    sleep 0.3 click 1
  load=$(window 불러오기)
  sleep 1
  import -window "$load" "$out/screenshot-load.png"
  # Slot 2 opens the map of 마적파; one week on, Ctrl+S and a save into slot 4.
  xdotool mousemove --window "$load" 160 152 sleep 0.3 click 1
  sleep 1
  map=$(window 골목패권기)
  xdotool windowfocus --sync "$map" key ctrl+t sleep 0.5 key ctrl+s
  save=$(window 저장하기)
  xdotool mousemove --window "$save" 160 264 sleep 0.3 click 1
  sleep 1
  import -window "$save" "$out/screenshot-save.png"
  kill "$game"
'
echo "wrote $out/screenshot-load.png and $out/screenshot-save.png"
