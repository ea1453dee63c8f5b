#!/usr/bin/env bash
# Builds Tavrin Quillet for Windows and starts it under Wine, in a prefix of
# the project's own. Without an X display it starts a virtual one (Xvfb),
# takes a screenshot and says how to look at it.
#   scripts/run.sh [library.qdk]      start (again)
#   scripts/run.sh --stop             end a program started headless
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
STATE=$ROOT/build/run
mkdir -p "$STATE"
source scripts/wine-env.sh

if [ "${1:-}" = "--stop" ]; then
  tq_wine_stop
  [ -f "$STATE/xvfb.pid" ] && kill "$(cat "$STATE/xvfb.pid")" 2>/dev/null || true
  rm -f "$STATE/xvfb.pid" "$STATE/display"
  echo "Stopped."
  exit 0
fi

bash scripts/install-deps.sh
source scripts/win64-tree.sh
cmake -S "$ROOT" -B build/win64 -G Ninja "${TQ_WIN64_CMAKE_ARGS[@]}" >/dev/null
ninja -C build/win64 TavrinQuillet
EXE=$(find build/win64 -name TavrinQuillet.exe -print -quit)
tq_wine_prefix "$WINEPREFIX" || exit 1

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  if [ -f "$STATE/display" ] && kill -0 "$(cat "$STATE/xvfb.pid" 2>/dev/null)" 2>/dev/null; then
    export DISPLAY=:$(cat "$STATE/display")
  else
    exec 3>"$STATE/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$STATE/xvfb.pid"
    exec 3>&-
    for _ in $(seq 50); do [ -s "$STATE/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -n 1 "$STATE/display")
  fi
fi

tq_wine_start
if [ $headless -eq 0 ]; then
  echo "Starting $EXE on $DISPLAY (it lives in the tray; Exit from its menu ends it)."
  exec "$TQ_WINE" "$EXE" "$@"
fi

"$TQ_WINE" "$EXE" "$@" </dev/null >"$STATE/program.log" 2>&1 &
sleep 6
import -window root "$STATE/screenshot.png"
cat <<MSG
Tavrin Quillet is running under Wine on the virtual display $DISPLAY (no display was set).
  Screenshot:   $STATE/screenshot.png
  Another one:  DISPLAY=$DISPLAY import -window root shot.png
  Type into it: DISPLAY=$DISPLAY xdotool key ctrl+alt+q
  Stop it:      scripts/run.sh --stop
MSG
