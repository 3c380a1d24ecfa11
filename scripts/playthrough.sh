#!/usr/bin/env bash
# A short game of the real program on a virtual screen of 1024 × 768 under a window manager
# (openbox), played by keys and clicks with xdotool: the title pages, a new game as 지존파 (whom
# a rival attacks in the first weeks), the command menu of 강남, a few dialogs, an attack fought
# at the fast pace, turn ends until an attack on the player comes (at most eight) with the week's
# news, the defence, then the save slots, the chronicle and the help window reached from the
# keyboard. Each step leaves a screenshot of the whole screen in docs/playthrough/ and a line in
# docs/playthrough/steps.txt with the window that step opened and whether it lies wholly on the
# screen. A window that opens partly off the screen
# is photographed where it opened and then dragged inside, as a player would, so the game goes on.
#
#   scripts/playthrough.sh [BIN]     BIN: the folder of golmok and its data (build/dev/bin)
#
# Not part of the test command: run it by hand after changing the windows and look at the
# pictures. Needs Xvfb, openbox, xdotool and ImageMagick's import. The clicks below are at the
# places the windows put their controls now; a changed layout needs its numbers changed here.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/dev/bin}")
out=$(realpath -m docs/playthrough)
screen_w=1024
screen_h=768
display=:$((90 + RANDOM % 100))

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
"$bin"/golmok --dir "$work" >"$work/game.log" 2>&1 &
pids+=($!)

shot=0
# A screenshot of the whole screen, and the active window in the step list.
snap() {
    shot=$((shot + 1))
    local name
    name=$(printf '%02d-%s' "$shot" "$1")
    sleep 0.4
    import -window root "$out/$name.png"
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
# placed it; its title bar (20 pixels) must fit above it.
where() {
    local x y w h
    read -r x y w h < <(client "$1")
    local verdict=whole
    if ((x < 0 || y < 20 || x + w > screen_w || y + h > screen_h)); then
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

# A click at (x, y) inside a window.
click() {
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.15 click 1
    sleep 0.25
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
        ((h < 240)) || return 0
        snap "$name"
        xdotool key Return
    done
}

# A command of the command menu: menu `m` (0 행동 … 5 도시), item `i` counted from 0.
menu_x=(29 78 127 176 225 274)
command() {
    xdotool windowactivate --sync "$menu" 2>/dev/null || true
    click "$menu" "${menu_x[$1]}" 10
    sleep 0.3
    for _ in $(seq 0 "$2"); do xdotool key Down; done
    xdotool key Return
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
title_menu=$(await '골목패권기')
snap title-menu
# 새 게임: the menu lights an entry under the mouse, then takes the click.
xdotool mousemove --window "$title_menu" 238 240 sleep 0.3 mousemove --window "$title_menu" 240 242 \
    sleep 0.3 click 1
sleep 1.5
select=$(xdotool getactivewindow)
snap group-select
click "$select" 197 400 # 지존파
click "$select" 119 603 # 확인
sleep 1
dismiss_messages start-message
map=$(await '골목패권기')
snap map

# --- The command menu of 강남 and a few dialogs ----------------------------------------------
click "$map" 468 401
sleep 1
menu=$(xdotool getactivewindow)
snap command-menu
# Dragged to the top left corner, so that its dialogs open below it.
echo "   dragged to the top left corner" >>"$steps"
xdotool windowmove "$menu" 1 20
sleep 0.5

command 0 4 # 행동 > 훈련: in the first week nobody can be trained, and the list says why
await '훈련' >/dev/null
snap train
xdotool key Escape
command 0 6 # 행동 > 치료
await '치료' >/dev/null
snap heal
xdotool key Escape
command 0 5 # 행동 > 재편성: the note on the pool
reset=$(await '재편성')
click "$reset" 60 20
snap reorganize
xdotool key Escape
command 5 1 # 도시 > 돈걷기 by the first person
collect=$(await '돈걷기')
click "$collect" 60 20
snap collect
xdotool key Return
dismiss_messages collect-message

# --- An attack from 강남 on 종로, fought by itself at the fast pace -----------------------------
command 0 0 # 행동 > 맞짱
attack=$(await '맞짱')
snap attack-setup
drag_inside "$attack"
for row in 0 1 2 3 4; do click "$attack" 39 $((55 + 15 * row)); done
click "$attack" 318 55 # the first district of another gang: 종로
snap attack-chosen
click "$attack" 160 258 # 확인
sleep 1
field=$(await '맞짱')
snap fight
drag_inside "$field"
click "$field" 744 407 # 빠르게
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
    # The week's news opens last, over the defence set-up when an attack comes: read, then closed.
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
    click "$defence" 248 258 # 취소: a defence must be fought
    dismiss_messages defence-cancel
    for row in 0 1 2 3 4; do click "$defence" 39 $((55 + 15 * row)); done
    snap defence-chosen
    click "$defence" 160 258 # 확인
    sleep 1
    field=$(await '맞짱')
    snap defence-fight
    drag_inside "$field"
    click "$field" 744 407 # 빠르게
    sleep 6
    dismiss_messages defence-result
    snap after-the-defence
else
    echo "no attack on the player in eight weeks" >>"$steps"
fi

# --- The map's other windows, from the keyboard -----------------------------------------------
# Each is photographed, then closed by the window manager as a player closes it.
close_window() {
    xdotool key alt+F4
    sleep 0.6
}
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key ctrl+s # 기능 > 저장하기
await '저장하기' >/dev/null
snap save-slots
drag_inside "$(xdotool getactivewindow)"
close_window
xdotool windowactivate --sync "$map" 2>/dev/null || true
# F10 opens 턴; Esc leaves the bar lit, Right walks along it, Down opens a menu on its first item.
xdotool key F10 Escape Right Right Down Down Down Return # 기능 > 연대기
await '연대기' >/dev/null
snap chronicle
xdotool key Escape
sleep 0.5
xdotool windowactivate --sync "$map" 2>/dev/null || true
xdotool key F10 Escape Right Right Right Down Return # 도움말 > 도움말
await '도움말' >/dev/null
snap help
drag_inside "$(xdotool getactivewindow)"
close_window
echo "screenshots in $out"
