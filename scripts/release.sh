#!/usr/bin/env bash
# Builds the Windows program as released (Release, stripped, TQ_RELEASE) in a
# fresh tree and writes into dist/:
#   TavrinQuillet-<version>-x64-portable.zip   the program and its files, to unpack anywhere
#   TavrinQuillet-<version>-x64-setup.exe      the installer (NSIS)
#   SHA256SUMS
# Two runs on one commit give the same bytes: time stamps come from the
# commit (SOURCE_DATE_EPOCH), paths of this machine are mapped away. Then it
# prints the figures: sizes, and the program's working set under Wine beside
# Wine's notepad's.
#
#   bash scripts/release.sh [--dist DIR] [--build DIR] [--no-figures]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DIST=$ROOT/dist
BUILD=$ROOT/build/release
FIGURES=1
while [ $# -gt 0 ]; do
  case $1 in
    --dist) DIST=$(realpath -m "$2"); shift 2 ;;
    --build) BUILD=$(realpath -m "$2"); shift 2 ;;
    --no-figures) FIGURES=0; shift ;;
    *) echo "usage: bash scripts/release.sh [--dist DIR] [--build DIR] [--no-figures]" >&2; exit 2 ;;
  esac
done

bash "$ROOT/scripts/install-deps.sh"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || echo 315532800)
fi
export SOURCE_DATE_EPOCH
export TZ=UTC
# Paths in the checkout count relative to it in the compiler cache: a release
# tree as deep as the test tree (build/win64) finds its compiles there.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ROOT}

# A fresh tree each time: a release never depends on what an earlier build left.
rm -rf "$BUILD"
mkdir -p "$BUILD"
source "$ROOT/scripts/win64-tree.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja "${TQ_WIN64_CMAKE_ARGS[@]}" >"$BUILD/release-configure.log" 2>&1 ||
  { tail -n 30 "$BUILD/release-configure.log"; exit 1; }
targets=(TavrinQuillet quillet american_dictionary)
[ "$FIGURES" = 1 ] && targets+=(wintool QuilletTarget)
ninja -C "$BUILD" -j "${JOBS:-2}" "${targets[@]}" >"$BUILD/release-build.log" 2>&1 ||
  { grep -E 'error|FAILED' "$BUILD/release-build.log" | head -n 40; exit 1; }
# shellcheck source=/dev/null
source "$BUILD/release.env"
# Packing in one locale. Not the compiles: their objects do not depend on it,
# but the compiler cache counts it, and the test tree's compiles are made in
# the caller's.
export LC_ALL=C

# The files as they are installed, with one time stamp and one mode.
stage=$BUILD/stage
rm -rf "$stage"
mkdir -p "$stage"
cp "$PROGRAM" "$QUILLET" "$DICTIONARY" "$FREQUENCIES" "$ROOT/app/resources/Readme.RTF" \
  "$ROOT/app/resources/License.RTF" "$ROOT/app/resources/TavrinQuillet.html" "$ROOT/release/ThirdPartyNotices.txt" \
  "$stage/"
chmod 0644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

zip_name=TavrinQuillet-$VERSION-x64-portable.zip
setup_name=TavrinQuillet-$VERSION-x64-setup.exe
mkdir -p "$DIST"
rm -f "$DIST/$zip_name" "$DIST/$setup_name" "$DIST/SHA256SUMS"
python3 "$ROOT/release/make_zip.py" "$stage" "$DIST/$zip_name"
makensis -V2 -DVERSION="$VERSION" -DFILE_VERSION="$FILE_VERSION" -DSTAGE="$stage" -DROOT="$ROOT" \
  -DOUTFILE="$DIST/$setup_name" "$ROOT/release/tavrin_quillet.nsi" >"$BUILD/release-makensis.log" 2>&1 ||
  { cat "$BUILD/release-makensis.log"; exit 1; }
(cd "$DIST" && sha256sum "$zip_name" "$setup_name" >SHA256SUMS)

echo "Tavrin Quillet $VERSION in $DIST:"
(cd "$DIST" && cat SHA256SUMS)
kib() { echo "$(( ($(stat -c %s "$1") + 1023) / 1024 )) KiB"; }
echo "portable zip: $(kib "$DIST/$zip_name")"
echo "installer: $(kib "$DIST/$setup_name")"
if [ "$FIGURES" = 1 ]; then
  python3 "$ROOT/release/release_figures.py" --setup "$DIST/$setup_name" --quillet "$QUILLET" \
    --wintool "$WINTOOL" --artifacts "$BUILD/figures"
fi
