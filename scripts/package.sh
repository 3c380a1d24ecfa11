#!/usr/bin/env bash
# Builds the Debian package from debian/ exactly as a packager does, `dpkg-buildpackage -us -uc
# -b`, and checks it: lintian with every tag shown (--pedantic --info --display-experimental)
# must report none beyond those debian/lintian-accepted lists with a reason; then its file list,
# its dependencies, its compression and file times, the build's flags, its manual pages, that
# apt-get could install it here, and that the programs unpacked from it find their data, save
# into the player's data folder and start up as their manual pages say.
#
#   scripts/package.sh      leaves golmok_<version>_<arch>.deb, its golmok-dbgsym .deb, the
#                           .buildinfo, .changes, build log and lintian report in build/package
#
# The build is Release with Debian's flags and all hardening (debian/rules), here with warnings
# as errors (GOLMOK_WERROR=ON). dpkg-buildpackage writes its files beside the source tree; they
# are moved into build/package, and the tree is cleaned after the build (--post-clean).
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/package
mkdir -p "$out"
rm -f "$out"/golmok*_*.deb "$out"/golmok_*.buildinfo "$out"/golmok_*.changes
version=$(dpkg-parsechangelog -S Version)
file_version=${version#*:}
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
made=("golmok_${file_version}_$arch.deb" "golmok-dbgsym_${file_version}_$arch.deb"
  "golmok_${file_version}_$arch.buildinfo" "golmok_${file_version}_$arch.changes")
for file in "${made[@]}"; do rm -f "../$file"; done

# Both cores, unless the caller chose; ccache keeps its own folder although debhelper gives the
# build a HOME of its own.
case " ${DEB_BUILD_OPTIONS:-} " in
  *" parallel="*) ;;
  *) export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
if [ -z "${CCACHE_DIR:-}" ] && command -v ccache >/dev/null; then
  CCACHE_DIR=$(ccache -k cache_dir)
  export CCACHE_DIR
fi
# ccache's base folder would hand the compiler relative paths, which the debug information then
# records instead of the ./src/... that -ffile-prefix-map gives: the package would differ from
# one built without ccache.
unset CCACHE_BASEDIR
export GOLMOK_WERROR=ON
tree_before=$(git status --porcelain 2>/dev/null || true)
status=0
dpkg-buildpackage -us -uc -b --post-clean >"$out/build.log" 2>&1 || status=$?
for file in "${made[@]}"; do [ ! -e "../$file" ] || mv "../$file" "$out/"; done
if [ "$status" != 0 ]; then
  tail -n 40 "$out/build.log" >&2
  echo "package check failed: dpkg-buildpackage exited $status (the whole log: $out/build.log)" >&2
  exit 1
fi
deb=$out/golmok_${file_version}_$arch.deb
changes=$out/golmok_${file_version}_$arch.changes
echo "package: $deb"

fail() { echo "package check failed: $*" >&2; exit 1; }

tree_after=$(git status --porcelain 2>/dev/null || true)
[ "$tree_after" = "$tree_before" ] || fail "the build left the tree changed: $tree_after"
[ -s "$out/golmok-dbgsym_${file_version}_$arch.deb" ] || fail "no golmok-dbgsym package"

# lintian: every tag, pedantic, informational and experimental ones included, fails the check
# unless debian/lintian-accepted names it.
accepted=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' debian/lintian-accepted | awk '{print $1}')
lintian --pedantic --info --display-experimental --tag-display-limit 0 "$changes" \
  >"$out/lintian.txt" 2>&1 || true
refused=$( (grep -E '^[EWIPX]: ' "$out/lintian.txt" || true) | while read -r _ _ tag _; do
  grep -qx -- "$tag" <<<"$accepted" || echo "$tag"
done | sort -u)
if [ -n "$refused" ]; then
  cat "$out/lintian.txt" >&2
  fail "lintian: $(echo $refused)"
fi
echo "lintian (--pedantic --info --display-experimental): no tag beyond debian/lintian-accepted"

# Every file the installed game needs, where the desktop and the game look for it.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(/usr/games/golmok /usr/games/golmok-console
  /usr/share/golmok/theme.wav /usr/share/golmok/guide.html
  /usr/share/applications/org.golmok.golmok.desktop /usr/share/metainfo/org.golmok.golmok.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/golmok.svg
  /usr/share/man/man6/golmok.6.gz /usr/share/man/man6/golmok-console.6.gz
  /usr/share/doc/golmok/copyright /usr/share/doc/golmok/changelog.gz
  /usr/share/doc/golmok/changelog.Debian.gz)
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
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "depends: $depends"
echo "recommends: $recommends"
for package in fonts-nanum qt6-qpa-plugins libqt6widgets6 libqt6svg6 libqt6multimedia6 libstdc++6; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package"
done
# Qt's translations are only recommended: the game labels its standard buttons itself.
! grep -q "qt6-translations-l10n" <<<"$depends" || fail "Depends names qt6-translations-l10n"
grep -qx "qt6-translations-l10n" <<<"$recommends" || fail "Recommends is '$recommends'"

# Reproducible: xz inside, and no file younger than the changelog's newest entry.
ar t "$deb" | grep -qx 'data.tar.xz' || fail "the data is not xz-compressed: $(ar t "$deb" | xargs)"
epoch=$(date -d "$(dpkg-parsechangelog -S Date)" +%s)
# A changelog dated after the build would leave the build's own times in place.
[ "$epoch" -le "$(date +%s)" ] || fail "debian/changelog's newest entry is dated in the future"
newer=$(dpkg-deb --fsys-tarfile "$deb" | tar -t -v --full-time -f - |
  while read -r _ _ _ day time _; do
    [ "$(date -u -d "$day $time" +%s)" -le "$epoch" ] || echo "$day $time"
  done | sort -u)
[ -z "$newer" ] || fail "files dated after the changelog ($(date -u -d "@$epoch")): $newer"
# dpkg's flags choose the optimisation: every compiler line has the one -O dpkg-buildflags gives,
# none added after it by the build type.
opt=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS | grep -o -- '-O[0-9sgz]*' | tail -n 1)
compiles=$(grep -E '/(c\+\+|g\+\+)[^ ]* .* -o [^ ]+ -c ' "$out/build.log" || true)
[ -n "$compiles" ] || fail "no compiler line in $out/build.log"
if awk -v opt="$opt" '{ n = 0; other = 0
    for (i = 1; i <= NF; i++) if ($i ~ /^-O/) { n++; if ($i != opt) other = 1 }
    if (n != 1 || other) print }' <<<"$compiles" | head -n 3 | grep .; then
  fail "a compiler line has an -O other than dpkg's $opt alone"
fi
echo "reproducible build flags: data.tar.xz, file times up to $(date -u -d "@$epoch" +%FT%TZ), dpkg's $opt alone"

# What apt-get would do with it here.
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
  for section in NAME SYNOPSIS OPTIONS FILES "EXIT STATUS" "REPORTING BUGS"; do
    grep -q "^$section" <<<"$text" || fail "man $page has no $section"
  done
done

# The desktop entry and the metainfo as the desktop's own checkers read them.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/org.golmok.golmok.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/org.golmok.golmok.metainfo.xml"
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

# The windowed game without a display: a wrong option is refused (2), --version answers (0),
# and a start says in Korean that no display could be reached (1), never Qt's abort.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$root/home")
status=0
"${nodisplay[@]}" "$root/usr/games/golmok" --bogus 2>"$root/bogus.err" || status=$?
[ "$status" = 2 ] || fail "golmok --bogus without a display exited $status, not 2"
grep -q -- '--bogus' "$root/bogus.err" || fail "golmok --bogus said: $(cat "$root/bogus.err")"
"${nodisplay[@]}" "$root/usr/games/golmok" --version >"$root/version.txt"
grep -qx "golmok ${file_version%%-*}" <(head -n 1 "$root/version.txt") || fail "golmok --version: $(cat "$root/version.txt")"
status=0
"${nodisplay[@]}" "$root/usr/games/golmok" 2>"$root/start.err" || status=$?
[ "$status" = 1 ] || fail "golmok without a display exited $status, not 1: $(cat "$root/start.err")"
grep -q 'DISPLAY' "$root/start.err" && grep -q '화면' "$root/start.err" ||
  fail "golmok without a display said: $(cat "$root/start.err")"
echo "package checked: ${#expected[@]} files in place, lintian, dependencies, flags and man content, the unpacked console saves into the player's folder, the unpacked game starts up as documented without a display"
