#!/usr/bin/env bash
# Builds the Debian package and checks it: its file list, its dependencies, that apt-get could
# install it here, and that the programs unpacked from it find their data and save into the
# player's data folder.
#
#   scripts/package.sh              configures and builds build/package (Release, prefix /usr)
#   scripts/package.sh BUILD_DIR    packages an existing build folder instead
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-}
if [ -z "$build" ]; then
  build=build/package
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DGOLMOK_WERROR=ON \
    -DGOLMOK_TESTS=OFF -DGOLMOK_BENCH=OFF
  cmake --build "$build" -j2
fi
rm -f "$build"/golmok_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/golmok_*.deb)
echo "package: $deb"

fail() { echo "package check failed: $*" >&2; exit 1; }

# Every file the installed game needs, where the desktop and the game look for it.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(/usr/bin/golmok /usr/bin/golmok-console
  /usr/share/golmok/theme.wav /usr/share/golmok/guide.html
  /usr/share/applications/org.golmok.golmok.desktop /usr/share/metainfo/org.golmok.golmok.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/golmok.svg)
for file in hn hg hj hcity hap hdp hcp hd hsp hc cn ch ct cm gn gf; do
  expected+=("/usr/share/golmok/$file.dat")
done
for size in 16 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/golmok.png")
done
for file in "${expected[@]}"; do
  grep -qx "$file" <<<"$contents" || fail "$file is missing"
done
# Nothing of the build's own tools, tests or benchmarks.
if grep -E 'golmok-(records|compose|icon)|-tests|bench|\.a$|/include/' <<<"$contents"; then
  fail "the package holds build files"
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for package in fonts-nanum libqt6widgets6 libqt6svg6 libqt6multimedia6 libstdc++6; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package"
done

# What apt-get would do with it here (nothing is installed).
if command -v apt-get >/dev/null; then
  apt-get install --simulate -qq "./$deb" >/dev/null || fail "apt-get cannot install $deb"
fi

# The desktop entry and the metainfo as the desktop's own checkers read them.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/org.golmok.golmok.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.golmok.golmok.metainfo.xml"
fi
exec_line=$(grep '^Exec=' "$root/usr/share/applications/org.golmok.golmok.desktop")
[ "$exec_line" = "Exec=golmok" ] || fail "the desktop entry starts '$exec_line'"

# The unpacked console, as an installed one: it reads the record files from ../share/golmok and
# saves into $XDG_DATA_HOME/golmok, which it makes on the first save.
mkdir "$root/xdg"
printf 'new-game 2\nsave 3\nslots\n' >"$root/play.script"
(cd "$root" && XDG_DATA_HOME="$root/xdg" HOME="$root/home" usr/bin/golmok-console play.script \
  >"$root/out.txt")
grep -q '^slot 3 1930년 1월 1주 ' "$root/out.txt" || fail "the installed console did not save: $(cat "$root/out.txt")"
[ -s "$root/xdg/golmok/save03.sav" ] || fail "no save03.sav in \$XDG_DATA_HOME/golmok"
[ -z "$(find "$root/usr" -name '*.sav')" ] || fail "a slot was written under /usr"
# Without XDG_DATA_HOME the slots go to ~/.local/share/golmok.
(cd "$root" && env -u XDG_DATA_HOME HOME="$root/home" usr/bin/golmok-console play.script >/dev/null)
[ -s "$root/home/.local/share/golmok/save03.sav" ] || fail "no save03.sav in ~/.local/share/golmok"
echo "package checked: ${#expected[@]} files in place, the unpacked console saves into the player's folder"
