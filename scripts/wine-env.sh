# Sourced by the scripts that run Windows programs: a quiet 32-bit Wine in a
# prefix of the project's own, never the user's ~/.wine.
#   source scripts/wine-env.sh; tq_wine_prefix "$WINEPREFIX"
TQ_ROOT=${TQ_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${TQ_WINEPREFIX:-$TQ_ROOT/build/wine/prefix}

# Makes the prefix in $1 when it does not exist yet: a Wine virtual desktop
# (no stalls without a window manager, a taskbar tray, hotkeys whenever the
# desktop has the focus). Leaves its wineserver running.
tq_wine_prefix() {
  local prefix=$1
  if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    WINEPREFIX=$prefix wineboot -i </dev/null >/dev/null 2>&1
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
  fi
}

# Starts the prefix's wineserver and services with their output sent away,
# so that they never hold a test runner's pipes open.
tq_wine_start() {
  wineserver -p 300 </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >/dev/null 2>&1
}

tq_wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
}
