#!/usr/bin/env bash
# Whole-program figures of the windowed game:
#   start-up: wall time from launch until the title window is on screen and the program has quit
#             again (`golmok --startup-probe`, offscreen), median of 15 runs;
#   idle map: CPU time used by the game sitting on the map of a new game for 10 s
#             (`golmok --bench-map`), under Xvfb as a player would see it and offscreen;
#   memory:   the peak resident size (VmHWM) of that idle game;
#   idle fight: the same CPU figure for a turn-based fight waiting for the player's key
#             (`golmok --bench-fight`), offscreen and under Xvfb.
# Usage: bench/whole-program.sh [BUILD_DIR]   (default build/release, as scripts/play.sh builds it)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
game=$build/bin/golmok
[ -x "$game" ] || { echo "no $game: build it first (scripts/play.sh builds build/release)"; exit 1; }

# The game's default options, whatever the player chose on this machine, and nothing written to
# the player's settings or saves.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Wall time depends on what else the machine runs; the CPU time (user + system) much less so.
echo "start-up to the title window (offscreen, 15 runs):"
echo "  load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
walls=()
cpus=()
peaks=()
for _ in $(seq 15); do
  read -r wall user system peak < <(QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%e %U %S %M" \
    "$game" --startup-probe 2>&1 >/dev/null | tail -1)
  walls+=("$(awk -v w="$wall" 'BEGIN { print int(w * 1000) }')")
  cpus+=("$(awk -v u="$user" -v s="$system" 'BEGIN { print int((u + s) * 1000) }')")
  peaks+=("$peak")
done
echo "  wall ms: ${walls[*]}"
echo "  median wall: $(printf '%s\n' "${walls[@]}" | median) ms," \
  "median CPU: $(printf '%s\n' "${cpus[@]}" | median) ms," \
  "peak memory: $(printf '%s\n' "${peaks[@]}" | median | awk '{ printf "%.1f", $1 / 1024 }') MB"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

idle() {  # idle PLATFORM_DESCRIPTION [SWITCH]: runs the game for 10 s, environment already set
  "$game" "${2:---bench-map}" >/dev/null 2>&1 &
  local pid=$!
  sleep 3  # start-up and first paint are not idle time
  local before after
  before=$(cpu_ticks $pid)
  sleep 10
  after=$(cpu_ticks $pid)
  local peak
  peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
  kill $pid
  wait $pid 2>/dev/null || true
  awk -v d=$((after - before)) -v t="$ticks" -v p="$peak" -v name="$1" 'BEGIN {
    printf "  %s: %.2f %% of a core over 10 s (%d ticks of 1/%d s), peak memory %.1f MB\n",
           name, 100 * d / (t * 10), d, t, p / 1024 }'
}

for what in map fight; do
  echo "idle $what:"
  QT_QPA_PLATFORM=offscreen idle offscreen "--bench-$what"
  if command -v Xvfb >/dev/null; then
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    DISPLAY=$display QT_QPA_PLATFORM=xcb idle "Xvfb (xcb)" "--bench-$what"
    kill $xvfb
    wait $xvfb 2>/dev/null || true
  fi
done
