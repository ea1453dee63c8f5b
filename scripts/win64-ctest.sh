#!/usr/bin/env bash
# Builds the Windows tree and runs some of its tests under 64-bit Wine in a
# virtual display of their own, for work on one part of the program:
#   bash scripts/win64-ctest.sh -R 'RichEdit|e2e.reply_hotkey' [other ctest args]
# NINJA_TARGET (default all) narrows the build; TEST_DIR (a folder of the
# tree, such as tests/e2e) then keeps ctest to the tests defined there, whose
# programs were built. Output is ctest's.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ROOT}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros}
source scripts/wine-env.sh
source scripts/win64-tree.sh
cmake -S "$ROOT" -B build/win64 -G Ninja "${TQ_WIN64_CMAKE_ARGS[@]}" >/dev/null
ninja -C build/win64 "${NINJA_TARGET:-all}"
tq_wine_prefix "$WINEPREFIX"

display_file=$(mktemp)
exec 3>"$display_file"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$display_file")
rm -f "$display_file"
tq_wine_start
"$TQ_WINE" build/win64/tests/e2e/wintool.exe hold </dev/null >/dev/null 2>&1 &
status=0
(cd "build/win64/${TEST_DIR:-}" && ctest --output-on-failure --timeout 300 "$@") || status=$?
tq_wine_stop
kill "$xvfb_pid" 2>/dev/null || true
exit "$status"
