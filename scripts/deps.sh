#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and the machine lacks (Debian 12).
set -euo pipefail

packages=(g++ make cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  # The windowed game: Qt 6 Widgets, its SVG drawing and sound effects, the platform plugins
  # (xcb for the desktop, offscreen for the screen tests), a Korean font, and Qt's own Korean
  # translations so that the standard buttons read 확인, 예, 아니요, 취소.
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins fonts-nanum qt6-translations-l10n
  # The whole-program figures in bench/ run the game on a virtual display.
  xvfb xauth time
  # clang-tidy on the core; the package's dependencies and its desktop metadata checks.
  clang-tidy dpkg-dev appstream desktop-file-utils
  # scripts/fuzz.sh: clang and its libFuzzer runtime (only recommended by clang, so named here).
  clang libclang-rt-14-dev)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} > 0)); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
