#!/usr/bin/env bash
# Builds the Debian package from a clean Release build and checks it: lintian (any error or
# warning fails, except the tags debian/lintian-accepted lists with a reason), its file list, its
# dependencies, its manual pages, that apt-get could install it here, and that the programs
# unpacked from it find their data and save into the player's data folder.
#
#   scripts/package.sh      configures and builds build/package (Release, prefix /usr, Debian's
#                           hardening flags, warnings as errors) and leaves the .deb there
#
# The package's Maintainer is $GOLMOK_MAINTAINER ("Name <address>"), else "$DEBFULLNAME
# <$DEBEMAIL>" when both are set, else the build's default (-DGOLMOK_MAINTAINER).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/package
# The compiler and linker flags a Debian package is built with, all hardening included (fortify,
# stack protector, relro and bindnow, PIE).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
maintainer=${GOLMOK_MAINTAINER:-}
if [ -z "$maintainer" ] && [ -n "${DEBFULLNAME:-}" ] && [ -n "${DEBEMAIL:-}" ]; then
  maintainer="$DEBFULLNAME <$DEBEMAIL>"
fi
# Without one, the build's default comes back even where an earlier run set another.
maintainer_option=(-UGOLMOK_MAINTAINER)
[ -z "$maintainer" ] || maintainer_option=("-DGOLMOK_MAINTAINER=$maintainer")
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DGOLMOK_WERROR=ON \
  -DGOLMOK_TESTS=OFF -DGOLMOK_BENCH=OFF -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "${maintainer_option[@]}"
cmake --build "$build" -j2
rm -f "$build"/golmok_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/golmok_*.deb)
echo "package: $deb"

fail() { echo "package check failed: $*" >&2; exit 1; }

# lintian: every error and warning fails the check unless debian/lintian-accepted names its tag.
accepted=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' debian/lintian-accepted | awk '{print $1}')
lintian --tag-display-limit 0 "$deb" >"$build/lintian.txt" 2>&1 || true
refused=$( (grep -E '^[EW]: ' "$build/lintian.txt" || true) | while read -r _ _ tag _; do
  grep -qx -- "$tag" <<<"$accepted" || echo "$tag"
done | sort -u)
if [ -n "$refused" ]; then
  grep -E '^[EW]: ' "$build/lintian.txt" >&2
  fail "lintian: $(echo $refused)"
fi
echo "lintian: no error or warning beyond debian/lintian-accepted"

# Every file the installed game needs, where the desktop and the game look for it.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(/usr/games/golmok /usr/games/golmok-console
  /usr/share/golmok/theme.wav /usr/share/golmok/guide.html
  /usr/share/applications/org.golmok.golmok.desktop /usr/share/metainfo/org.golmok.golmok.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/golmok.svg
  /usr/share/man/man6/golmok.6.gz /usr/share/man/man6/golmok-console.6.gz
  /usr/share/doc/golmok/copyright /usr/share/doc/golmok/changelog.gz)
for file in hn hg hj hcity hap hdp hcp hd hsp hc cn ch ct cm gn gf; do
  expected+=("/usr/share/golmok/$file.dat")
done
for size in 16 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/golmok.png")
done
for file in "${expected[@]}"; do
  grep -qx "$file" <<<"$contents" || fail "$file is missing"
done
# Nothing of the build's own tools, tests or benchmarks, and no program outside /usr/games.
if grep -E 'golmok-(records|compose|icon)|-tests|bench|\.a$|/include/|^/usr/bin/' <<<"$contents"; then
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

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# The manual pages as man shows them, without a warning from groff.
for page in golmok golmok-console; do
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man6/$page.6.gz" 2>"$root/man.err")
  [ ! -s "$root/man.err" ] || fail "man $page: $(cat "$root/man.err")"
  for section in NAME SYNOPSIS OPTIONS FILES "EXIT STATUS"; do
    grep -q "^$section" <<<"$text" || fail "man $page has no $section"
  done
done

# The desktop entry and the metainfo as the desktop's own checkers read them.
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
(cd "$root" && XDG_DATA_HOME="$root/xdg" HOME="$root/home" usr/games/golmok-console play.script \
  >"$root/out.txt")
grep -q '^slot 3 1930년 1월 1주 ' "$root/out.txt" || fail "the installed console did not save: $(cat "$root/out.txt")"
[ -s "$root/xdg/golmok/save03.sav" ] || fail "no save03.sav in \$XDG_DATA_HOME/golmok"
[ -z "$(find "$root/usr" -name '*.sav')" ] || fail "a slot was written under /usr"
# Without XDG_DATA_HOME the slots go to ~/.local/share/golmok.
(cd "$root" && env -u XDG_DATA_HOME HOME="$root/home" usr/games/golmok-console play.script >/dev/null)
[ -s "$root/home/.local/share/golmok/save03.sav" ] || fail "no save03.sav in ~/.local/share/golmok"
# The windowed game refuses a wrong option before it looks for a display.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/golmok" --bogus 2>"$root/bogus.err" || status=$?
[ "$status" = 2 ] || fail "golmok --bogus without a display exited $status, not 2"
grep -q -- '--bogus' "$root/bogus.err" || fail "golmok --bogus said: $(cat "$root/bogus.err")"
echo "package checked: ${#expected[@]} files in place, lintian and man content, the unpacked console saves into the player's folder"
