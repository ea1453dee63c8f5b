# Sourced by the scripts that run Windows programs: a quiet 64-bit Wine in a
# prefix of the project's own, never the user's ~/.wine.
#   source scripts/wine-env.sh; tq_wine_prefix "$WINEPREFIX"
#
# Programs start through the 64-bit loader itself ($TQ_WINE): Debian's `wine`
# wrapper picks the 32-bit loader whenever wine32 is installed, and that one
# cannot start on a machine whose kernel refuses 32-bit code.
TQ_ROOT=${TQ_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

# The first executable of its arguments (empty ones skipped).
tq_first_executable() {
  local c
  for c in "$@"; do
    [ -n "$c" ] && [ -x "$c" ] && { echo "$c"; return 0; }
  done
  return 1
}

TQ_WINE=$(tq_first_executable "${TQ_WINE:-}" /usr/lib/wine/wine64 "$(command -v wine64 || true)") || TQ_WINE=wine64
TQ_WINESERVER=$(tq_first_executable "${TQ_WINESERVER:-}" /usr/lib/wine/wineserver64 \
  "$(command -v wineserver64 || true)" "$(command -v wineserver || true)") || TQ_WINESERVER=wineserver
export TQ_WINE TQ_WINESERVER
# The loader Wine uses for the programs a program starts.
export WINELOADER=$TQ_WINE
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${TQ_WINEPREFIX:-$TQ_ROOT/build/wine/win64}

# Makes the prefix in $1 when it does not exist yet: a Wine virtual desktop
# (no stalls without a window manager, a taskbar tray, hotkeys whenever the
# desktop has the focus). Leaves its wineserver running. Fails, saying why,
# when Wine cannot start here.
tq_wine_prefix() {
  local prefix=$1 log
  [ -f "$prefix/system.reg" ] && return 0
  mkdir -p "$prefix"
  # A file, not a pipe: the wineserver that wineboot starts keeps its output
  # open. Its exit code says nothing: a 64-bit prefix's first boot complains
  # that it has no 32-bit programs (syswow64) and fails, having made it. The
  # registry is on disk once the wineserver has ended.
  log=$(mktemp)
  WINEPREFIX=$prefix "$TQ_WINE" wineboot -i </dev/null >"$log" 2>&1
  WINEPREFIX=$prefix "$TQ_WINESERVER" -w
  if [ ! -f "$prefix/system.reg" ]; then
    echo "64-bit Wine ($TQ_WINE) could not make the prefix $prefix: $(tail -n 3 "$log")"
    rm -rf "$prefix" "$log"
    return 1
  fi
  rm -f "$log"
  WINEPREFIX=$prefix "$TQ_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix "$TQ_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix "$TQ_WINESERVER" -w
}

# Starts the prefix's wineserver and services with their output sent away,
# so that they never hold a test runner's pipes open.
tq_wine_start() {
  "$TQ_WINESERVER" -p 300 </dev/null >/dev/null 2>&1
  "$TQ_WINE" wineboot </dev/null >/dev/null 2>&1
}

tq_wine_stop() {
  "$TQ_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
}
