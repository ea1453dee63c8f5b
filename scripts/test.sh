#!/usr/bin/env bash
# Builds everything and runs every test: native, sanitized, fuzz (short runs),
# Windows-side under Wine, and end-to-end under Xvfb. Ends with one summary
# line and a non-zero exit when anything failed.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
JOBS=${JOBS:-$(nproc)}
LOGDIR=$ROOT/build/logs
mkdir -p "$LOGDIR"

bash scripts/install-deps.sh || { echo "installing the build tools failed"; exit 1; }

total_passed=0
total_failed=0
broken=()

step() { printf '\n=== %s\n' "$*"; }

# configure <dir> <cmake args...>; build <dir>: a failure is counted and the
# tree's tests are skipped.
build_tree() {
  local dir=$1; shift
  if ! cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >"$LOGDIR/$(basename "$dir")-configure.log" 2>&1; then
    tail -n 30 "$LOGDIR/$(basename "$dir")-configure.log"
    return 1
  fi
  if ! ninja -C "$dir" -j "$JOBS" >"$LOGDIR/$(basename "$dir")-build.log" 2>&1; then
    grep -E 'error|FAILED' "$LOGDIR/$(basename "$dir")-build.log" | head -n 40
    return 1
  fi
}

# Runs ctest in a tree and adds its counts to the totals.
run_ctest() {
  local dir=$1; shift
  local log=$LOGDIR/$(basename "$dir")-ctest.log
  (cd "$dir" && ctest --output-on-failure --timeout 300 -j "$JOBS" "$@") 2>&1 | tee "$log" | grep -vE '^ *Start |^ *[0-9]+/[0-9]+ Test .*Passed' || true
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ] && grep -q 'No tests were found' "$log"; then
    return
  fi
  if [ -z "$line" ]; then
    echo "no test summary from $dir"
    broken+=("$(basename "$dir"): ctest did not finish")
    return
  fi
  local failed total
  failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  total_passed=$((total_passed + total - failed))
  total_failed=$((total_failed + failed))
  [ "$failed" -eq 0 ] || broken+=("$(basename "$dir"): $failed failed")
}

tree() {  # tree <name> <ctest args> -- <cmake args>
  local name=$1; shift
  local ctest_args=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do ctest_args+=("$1"); shift; done
  shift
  step "$name"
  if build_tree "$ROOT/build/$name" "$@"; then
    run_ctest "$ROOT/build/$name" "${ctest_args[@]}"
  else
    broken+=("$name: build failed")
  fi
}

tree native -- -DCMAKE_BUILD_TYPE=RelWithDebInfo
tree asan -- -DCMAKE_BUILD_TYPE=Debug -DTQ_SANITIZE=ON -DTQ_BENCH=OFF
CC=clang CXX=clang++ tree fuzz -j 2 -- -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQ_FUZZ=ON

# Windows: the shared wineserver and an X display for the Windows-side unit
# tests; end-to-end tests make their own.
step "win32"
if build_tree "$ROOT/build/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  source scripts/wine-env.sh
  tq_wine_prefix "$WINEPREFIX"
  exec 3>"$LOGDIR/xvfb-display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 50); do [ -s "$LOGDIR/xvfb-display" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n 1 "$LOGDIR/xvfb-display")
  tq_wine_start
  # Wine's tests share one wineserver and one display: run them one at a time.
  # A test that fails is tried again up to twice: end-to-end runs under Wine
  # on a loaded machine now and then miss a window's deadline. A real fault
  # fails all three times.
  run_ctest "$ROOT/build/win32" -j 1 --repeat until-pass:3
  tq_wine_stop
  kill "$xvfb_pid" 2>/dev/null
else
  broken+=("win32: build failed")
fi

echo
if [ ${#broken[@]} -gt 0 ]; then
  printf 'FAILED: %s\n' "${broken[@]}"
fi
echo "all: $total_passed passed, $total_failed failed"
[ ${#broken[@]} -eq 0 ] && [ "$total_failed" -eq 0 ]
