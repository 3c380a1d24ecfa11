#!/usr/bin/env bash
# Installs with apt-get what the machine lacks (Debian 12):
#
#   scripts/deps.sh play    what building and playing the game need (scripts/play.sh)
#   scripts/deps.sh test    that and the tools of the tests, the checks and the package
#                           (scripts/test.sh)
#
# As root it installs them; otherwise it prints the apt-get line to run as root and stops.
set -euo pipefail

# Building the game: the compiler and CMake; Qt 6 Widgets, its SVG drawing and sound effects and
# the platform plugins; a Korean font, and Qt's own Korean translations for the standard buttons
# (the game has its own 확인, 예, 아니요, 취소 without them; the screen tests check both).
play=(g++ make cmake pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins fonts-nanum qt6-translations-l10n)
test=(libgtest-dev libgmock-dev libbenchmark-dev
  # The whole-program figures in bench/ run the game on a virtual display.
  xvfb xauth time
  # clang-tidy on the core; the Debian package's build (dpkg-buildpackage with debhelper's dh,
  # which brings dh-strip-nondeterminism) and its checks: lintian, manual pages, desktop entry
  # and metainfo; autopkgtest runs debian/tests against the installed package.
  clang-tidy dpkg-dev debhelper lintian man-db appstream desktop-file-utils autopkgtest
  # scripts/fuzz.sh: clang and its libFuzzer runtime (only recommended by clang, so named here).
  clang libclang-rt-14-dev)

case "${1:-}" in
  play) packages=("${play[@]}") ;;
  test) packages=("${play[@]}" "${test[@]}") ;;
  *) echo "usage: scripts/deps.sh play|test" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
((${#missing[@]} > 0)) || exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "These packages are missing; install them as root (for example with sudo), then run this again:" >&2
  echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
