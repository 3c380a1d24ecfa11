#!/usr/bin/env bash
# Builds the Debian package twice from this same tree and checks that the two builds give the
# same bytes: golmok's .deb and its golmok-dbgsym .deb.
#
#   scripts/reproducible.sh     leaves the two builds' packages in build/reproducible/1 and /2
#
# Between the two builds the time of day, the time zone, the locale and the umask differ; the
# second compiles everything afresh (no ccache), so the compiler's output is compared too, not a
# cached copy of it. Two full Release builds: this is not part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/reproducible
rm -rf "$out"
mkdir -p "$out"
version=$(dpkg-parsechangelog -S Version)
file_version=${version#*:}
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
made=("golmok_${file_version}_$arch.deb" "golmok-dbgsym_${file_version}_$arch.deb"
  "golmok_${file_version}_$arch.buildinfo" "golmok_${file_version}_$arch.changes")
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

# build N ENV...: one dpkg-buildpackage with the environment given, its files into $out/N.
build() {
  local n=$1
  shift
  mkdir -p "$out/$n"
  for file in "${made[@]}"; do rm -f "../$file"; done
  echo "build $n: $*"
  local status=0
  (umask "$umask" && env "$@" dpkg-buildpackage -us -uc -b --post-clean) >"$out/$n/build.log" 2>&1 ||
    status=$?
  for file in "${made[@]}"; do [ ! -e "../$file" ] || mv "../$file" "$out/$n/"; done
  if [ "$status" != 0 ]; then
    tail -n 30 "$out/$n/build.log" >&2
    echo "build $n failed (exit $status): $out/$n/build.log" >&2
    exit 1
  fi
}

umask=022
build 1 TZ=UTC LC_ALL=C.UTF-8
umask=002
build 2 TZ=Asia/Seoul LC_ALL=C CCACHE_DISABLE=1

differ=0
for deb in "golmok_${file_version}_$arch.deb" "golmok-dbgsym_${file_version}_$arch.deb"; do
  if cmp -s "$out/1/$deb" "$out/2/$deb"; then
    echo "same: $deb ($(sha256sum <"$out/1/$deb" | cut -c1-16)...)"
    continue
  fi
  differ=1
  echo "DIFFERENT: $deb" >&2
  for n in 1 2; do
    mkdir -p "$out/$n/unpacked-$deb"
    dpkg-deb -R "$out/$n/$deb" "$out/$n/unpacked-$deb"
    dpkg-deb --fsys-tarfile "$out/$n/$deb" | tar -t -v --full-time -f - >"$out/$n/$deb.list"
  done
  diff "$out/1/$deb.list" "$out/2/$deb.list" >&2 || true
  diff -rq "$out/1/unpacked-$deb" "$out/2/unpacked-$deb" >&2 || true
done
[ "$differ" = 0 ] || { echo "the two builds differ" >&2; exit 1; }
echo "reproducible: both builds gave the same golmok and golmok-dbgsym packages"
