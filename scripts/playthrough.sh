#!/usr/bin/env bash
# A short game of the real program on a virtual screen under a window manager (openbox), played
# by keys alone with xdotool, never the mouse: the title pages and the title menu, a new game as
# 지존파 (whom a rival attacks in the first weeks), the map's district focus opening a command
# menu, a few dialogs from F10, an attack fought at the fast pace (F3), turn ends until an attack
# on the player comes (at most eight) with the week's news, the defence, a save, the question
# before saving over it, a load, the chronicle, the help window, the map full screen (F11) and back, and the question of the map's
# close button. Each step leaves a screenshot of the whole screen in docs/playthrough/SCALE/ and a
# line in its steps.txt with the window that step opened and whether it lies wholly on the screen.
# A window that opens partly off the screen is photographed where it opened and then moved inside
# by the window manager, so the game goes on.
#
#   scripts/playthrough.sh [BIN] [SCALE] [SIZE] [full]
#
# BIN: the folder of golmok and its data (build/dev/bin). SCALE: 100 (the default) or 200
# (QT_SCALE_FACTOR=2 on a screen of twice the pixels). SIZE: the screen in the game's own pixels,
# 1024x768 (the default) or e.g. 1920x1080 (3840 × 2160 at 200 %). `full`: the map goes full
# screen (F11) as soon as it opens, and the whole game is played there. The pictures go to
# docs/playthrough/SCALE, or docs/playthrough/SCALE-SIZE[-full] for another size; a screen wider
# than 2000 pixels is photographed at half its size, to keep the pictures small.
#
# Not part of the test command: run it by hand after changing the windows and look at the
# pictures. Needs Xvfb, openbox, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/dev/bin}")
scale=${2:-100}
case $scale in
    100) factor=1 ;;
    200) factor=2 ;;
    *) echo "SCALE is 100 or 200" >&2; exit 2 ;;
esac
size=${3:-1024x768}
full=${4:-}
if [[ ! $size =~ ^([0-9]+)x([0-9]+)$ ]]; then
    echo "SIZE is WIDTHxHEIGHT" >&2
    exit 2
fi
case $full in
    "" | full) ;;
    *) echo "the fourth argument is 'full' or nothing" >&2; exit 2 ;;
esac
name=$scale
[ "$size" = 1024x768 ] && [ -z "$full" ] || name="$scale-$size${full:+-full}"
out=$(realpath -m "docs/playthrough/$name")
screen_w=$((BASH_REMATCH[1] * factor))
screen_h=$((BASH_REMATCH[2] * factor))
shrink=()
((screen_w > 2000)) && shrink=(-resize 50% -depth 8)
# PLAYTHROUGH_DISPLAY (":71") picks the virtual screen's number where several people share a machine.
display=${PLAYTHROUGH_DISPLAY:-:$((90 + RANDOM % 100))}

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT
cp "$bin"/*.dat "$bin"/theme.wav "$bin"/guide.html "$work"/
# The game's default options, not the player's settings, and nothing written to them.
export XDG_CONFIG_HOME="$work/config"
rm -rf "$out"
mkdir -p "$out"
steps="$out/steps.txt"
: >"$steps"

Xvfb "$display" -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
QT_SCALE_FACTOR=$factor "$bin"/golmok --dir "$work" >"$work/game.log" 2>&1 &
pids+=($!)

shot=0
# A screenshot of the whole screen, and the active window in the step list.
snap() {
    shot=$((shot + 1))
    local name
    name=$(printf '%02d-%s' "$shot" "$1")
    sleep 0.4
    import -window root "${shrink[@]}" "$out/$name.png"
    local win title geometry
    win=$(xdotool getactivewindow 2>/dev/null || true)
    title=$([ -n "$win" ] && xdotool getwindowname "$win" || echo -)
    geometry=$([ -n "$win" ] && where "$win" || echo -)
    echo "$name: \"$title\" at $geometry" >>"$steps"
}

# The client area of a window: "x y width height".
client() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                             /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# "x,y widthxheight, whole|partly off the screen" of a window's client area as the window manager
# placed it; its title bar (20 pixels) must fit above it. Pixels of the screen: at 200 % twice
# the window's own.
where() {
    local x y w h
    read -r x y w h < <(client "$1")
    local verdict=whole
    if ((x == 0 && y == 0 && w == screen_w && h == screen_h)); then
        verdict="whole, full screen" # no title bar to fit
    elif ((x < 0 || y < 20 || x + w > screen_w || y + h > screen_h)); then
        verdict="partly off the screen"
    fi
    echo "$x,$y ${w}x$h, $verdict"
}

# Drags a window that sticks out back inside the screen, its title bar (20 pixels) included.
drag_inside() {
    local win=$1 x y w h
    read -r x y w h < <(client "$win")
    local nx=$x ny=$y
    ((nx + w > screen_w - 1)) && nx=$((screen_w - 1 - w))
    ((ny + h > screen_h - 1)) && ny=$((screen_h - 1 - h))
    ((nx < 1)) && nx=1
    ((ny < 20)) && ny=20
    if ((nx != x || ny != y)); then
        echo "   dragged inside to $nx,$ny" >>"$steps"
        xdotool windowmove "$win" "$nx" "$ny"
        sleep 0.5
    fi
}

# Waits until the active window's title matches a pattern, then prints its id.
await() {
    local win title
    for _ in $(seq 60); do
        win=$(xdotool getactivewindow 2>/dev/null || true)
        if [ -n "$win" ]; then
            title=$(xdotool getwindowname "$win" 2>/dev/null || true)
            if [[ $title =~ $1 ]]; then
                echo "$win"
                return 0
            fi
        fi
        sleep 0.1
    done
    echo "no window like '$1' came (active: '$title')" >&2
    return 1
}

# Closes every message box on top (the game's title, low, and not the command menu), each
# photographed first under `name`.
dismiss_messages() {
    local name=$1 win title x y w h
    for _ in $(seq 12); do
        sleep 0.5
        win=$(xdotool getactivewindow 2>/dev/null || true)
        title=$(xdotool getwindowname "$win" 2>/dev/null || true)
        [ "$title" = "골목패권기" ] || return 0
        [ "$win" = "${menu:-}" ] && return 0
        read -r x y w h < <(client "$win")
        ((h < 240 * factor)) || return 0
        snap "$name"
        xdotool key Return
    done
}

# A command of the command menu by the keyboard: F10 opens 행동 with its first item lit, Right
# goes on to menu `m` (0 행동 … 5 도시), Down to item `i` counted from 0, Enter chooses it.
command() {
    xdotool windowactivate --sync "$menu" 2>/dev/null || true
    xdotool key F10
    sleep 0.3
    for _ in $(seq 1 "$1"); do xdotool key Right; done
    for _ in $(seq 1 "$2"); do xdotool key Down; done
    xdotool key Return
}

# `n` people of a list of several, by the keys: Down to each, Space to put him in.
pick() {
    for _ in $(seq 1 "$1"); do xdotool key Down space; done
}

# --- The title --------------------------------------------------------------------------------
logo=$(await '골목패권기')
snap title
xdotool windowfocus --sync "$logo"
for page in 1 2 3; do
    xdotool key space
    sleep 0.6
    snap "title-page-$page"
done
xdotool key space
sleep 1
await '골목패권기' >/dev/null
snap title-menu
xdotool key Down # 새 게임 lights up
snap title-menu-lit
xdotool key Return
sleep 1.5
snap group-select
# 지존파 is the fifth emblem from the top: the first is lit from the start, four Downs reach it.
xdotool key Down Down Down Down
snap group-chosen
xdotool key Return
sleep 1
dismiss_messages start-message
map=$(await '골목패권기')
snap map
if [ -n "$full" ]; then
    xdotool key F11
    sleep $((2 * factor))
    snap map-full-screen-start
fi

# --- The district focus, the command menu and a few dialogs ----------------------------------
# The district focus starts on 지존파's first district; Enter opens its command menu.
xdotool key Return
sleep 1
menu=$(xdotool getactivewindow)
snap command-menu

command 0 4 # 행동 > 훈련: in the first week nobody can be trained, and the list says why
await '훈련' >/dev/null
snap train
xdotool key Escape
command 0 6 # 행동 > 치료
await '치료' >/dev/null
snap heal
xdotool key Escape
command 0 5 # 행동 > 재편성: the note on the pool
await '재편성' >/dev/null
xdotool key Down
snap reorganize
xdotool key Escape
command 5 1 # 도시 > 돈걷기 by the first person
await '돈걷기' >/dev/null
xdotool key Down
snap collect
xdotool key Return
dismiss_messages collect-message

# --- An attack on the first district of another gang, fought by itself at the fast pace ---------
command 0 0 # 행동 > 맞짱
attack=$(await '맞짱')
snap attack-setup
drag_inside "$attack"
pick 5
xdotool key Tab Tab Down # past the weapon to the targets: the first one
snap attack-chosen
xdotool key Return # 확인
sleep 1
field=$(await '맞짱')
snap fight
drag_inside "$field"
xdotool key F3 # 빠르게
snap fight-fast
sleep 5
dismiss_messages fight-result

# --- Turn ends until an attack on the player comes --------------------------------------------
defence=
for week in 1 2 3 4 5 6 7 8; do
    xdotool windowactivate --sync "$map" 2>/dev/null || true
    xdotool key ctrl+t
    sleep 1.5
    dismiss_messages "turn-end-$week"
    win=$(xdotool getactivewindow)
    # The week's news opens last, beside the defence set-up when an attack comes: read, then closed.
    if [[ $(xdotool getwindowname "$win") == "이번 주 소식" ]]; then
        snap "news-$week"
        xdotool key Escape
        sleep 0.5
        win=$(xdotool getactivewindow)
    fi
    if [[ $(xdotool getwindowname "$win") =~ 맞짱 ]]; then
        defence=$win
        break
    fi
done
snap after-turn-ends
if [ -n "$defence" ]; then
    drag_inside "$defence"
    xdotool key Escape # a defence cannot be called off: it says so
    dismiss_messages defence-cancel
    pick 5
    snap defence-chosen
    xdotool key Return # 확인
    sleep 1
    field=$(await '맞짱')
    snap defence-fight
    drag_inside "$field"
    xdotool key F3 # 빠르게
    sleep 6
    dismiss_messages defence-result
    snap after-the-defence
else
    echo "no attack on the player in eight weeks" >>"$steps"
fi

# --- A save, the question before saving over it, a load ---------------------------------------
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key ctrl+s # 기능 > 저장하기: the first slot holds the keyboard
await '저장하기' >/dev/null
snap save-slots
xdotool key Return # into the empty first slot: no question
sleep 0.5
snap saved
xdotool key Return # again: the slot holds a game now, so the game asks
sleep 0.8
snap save-over-question
xdotool key Return # 예
sleep 0.5
xdotool key Escape
sleep 0.5
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key ctrl+o # 기능 > 불러오기
await '불러오기' >/dev/null
snap load-slots
xdotool key Return # the first slot
sleep 1.5
map=$(await '골목패권기')
snap loaded

# --- The map's other windows, from the keyboard -----------------------------------------------
# F10 opens 턴 with its first item lit; Esc leaves the bar lit, Right walks along it (not into a
# submenu such as 옵션 > 전투), Down opens a menu on its first item.
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key F10
sleep 0.8
xdotool key Escape
sleep 0.3
xdotool key Right Right Down
snap function-menu
xdotool key Down Down Return # 기능 > 연대기
await '연대기' >/dev/null
snap chronicle
xdotool key Escape
sleep 0.5
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key F10
sleep 0.4
xdotool key Escape Right Right Right Down Return # 도움말 > 도움말
await '도움말' >/dev/null
snap help
xdotool key Next Next # Page Down: the guide holds the keyboard
snap help-page-down
xdotool key Escape
sleep 0.5
# The arrows move the district focus to the nearest district that way.
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key Right
snap map-focus-moved
# F11 shows the map on the whole screen, every district and label grown with it; Esc goes back.
xdotool key F11
sleep 1
snap map-full-screen
xdotool key Escape
sleep 0.8
snap map-window-again
# The map's close button (here the window manager's Alt+F4) asks as 종료하기 does; Esc is 아니요.
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key alt+F4
sleep 0.8
snap close-question
xdotool key Escape
sleep 0.5
snap map-kept
echo "screenshots in $out"
