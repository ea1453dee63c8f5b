#!/usr/bin/env bash
# Builds everything and runs every test: the Windows program's tests under
# 64-bit Wine (unit tests, a 64-to-32-bit truncation check, end-to-end tests
# under Xvfb, the release), the portable tests natively with g++ under
# AddressSanitizer and UndefinedBehaviorSanitizer, and short fuzz runs with
# clang. Ends with one summary line and a non-zero exit when anything failed.
#
# The Windows tree builds first, what the end-to-end tests run before the
# rest. Its tests spend most of their time waiting for Wine and the X server,
# so each pass starts in the background as soon as its programs are linked,
# while the portable trees build and test at a lower priority. End-to-end
# tests each bring their own Xvfb and wineserver and run E2E_JOBS at a time. A
# Windows test that fails is tried again, alone, once everything else is done;
# the summary names every test that passed only on a later try.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
JOBS=${JOBS:-$(nproc)}
E2E_JOBS=${E2E_JOBS:-2}
TRIES=${TRIES:-3}
LOGDIR=$ROOT/build/logs
mkdir -p "$LOGDIR"
rm -f "$LOGDIR"/*.result

bash scripts/install-deps.sh || { echo "installing the build tools failed"; exit 1; }

# The compiler cache: paths inside the checkout count relative to it and the
# build folder is not part of an entry (another clone of the same commit
# finds the same entries; its debug information may name the first clone's
# build folder), and the test programs' precompiled GoogleTest header is
# cacheable.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ROOT}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros}

started=$(date +%s)
step() { printf '\n=== %s (%ds)\n' "$*" $(($(date +%s) - started)); }

# result <tree> <line>: what a tree's tests came to, one fact a line
# ("passed N", "failed N", "broken TEXT", "flaky NAME", "failing NAME"),
# kept in a file since trees run in the background too.
result() { printf '%s\n' "$2" >>"$LOGDIR/$1.result"; }

# build_tree <dir> <ninja target> <cmake args...>: configures and builds; a
# failure is counted and the tree's tests are skipped.
build_tree() {
  local dir=$1 target=$2; shift 2
  local name
  name=$(basename "$dir")
  if ! cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >"$LOGDIR/$name-configure.log" 2>&1; then
    tail -n 30 "$LOGDIR/$name-configure.log"
    return 1
  fi
  if ! ninja -C "$dir" -j "$JOBS" "$target" >>"$LOGDIR/$name-build.log" 2>&1; then
    grep -E 'error|FAILED' "$LOGDIR/$name-build.log" | head -n 40
    return 1
  fi
}

# The names of the tests a ctest log lists as failed.
failed_tests() {
  sed -n '/^The following tests FAILED:/,$p' "$1" | sed -nE 's/^[[:space:]]+[0-9]+ - (.+) \([^)]*\)$/\1/p'
}

# run_ctest <dir> <log name> [ctest args]: runs tests of a tree, adds their
# counts to the tree's result and returns the log's path in $ctest_log.
run_ctest() {
  local dir=$1 name=$2; shift 2
  local tree
  tree=$(basename "$dir")
  ctest_log=$LOGDIR/$name-ctest.log
  (cd "$dir" && ctest --output-on-failure --timeout 300 "$@") >"$ctest_log" 2>&1
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$ctest_log" | tail -n 1)
  # Every pass has tests: one that finds none could not run them.
  if [ -z "$line" ] && grep -q 'No tests were found' "$ctest_log"; then
    tail -n 20 "$ctest_log"
    result "$tree" "broken $name: no tests were found"
    return
  fi
  if [ -z "$line" ]; then
    tail -n 20 "$ctest_log"
    result "$tree" "broken $name: ctest did not finish"
    return
  fi
  local failed total
  failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  result "$tree" "passed $((total - failed))"
  result "$tree" "failed $failed"
  echo "$name: $((total - failed)) passed, $failed failed"
  sed -n '/^The following tests FAILED:/,$p' "$ctest_log"
}

tree() {  # tree <name> <ctest args> -- <cmake args>
  local name=$1; shift
  local ctest_args=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do ctest_args+=("$1"); shift; done
  shift
  step "$name"
  rm -f "$LOGDIR/$name-build.log"
  if build_tree "$ROOT/build/$name" all "$@"; then
    run_ctest "$ROOT/build/$name" "$name" -j "$JOBS" "${ctest_args[@]}"
    for t in $(failed_tests "$ctest_log"); do result "$name" "failing $t"; done
  else
    result "$name" "broken $name: build failed"
  fi
}

# Exactly these tests, by name.
name_regex() {
  local names=() t
  for t in "$@"; do names+=("$(sed -E 's/[][\.*^$+?(){}|]/\\&/g' <<<"$t")"); done
  local IFS='|'
  echo "^(${names[*]})\$"
}

# The Windows tree's tests, each pass in the background: the end-to-end
# tests, which make their own session each, E2E_JOBS at a time; and the
# Windows-side unit tests under the shared wineserver and display (those of
# the Win32 shell one at a time, through their resource lock). Each pass
# lists its failures for the tries at the end.
windows_pass() {  # windows_pass <name> <ctest args>
  local name=$1; shift
  run_ctest "$ROOT/build/win64" "$name" "$@"
  failed_tests "$ctest_log" >"$LOGDIR/$name-retry.list"
}

# Tries the failed Windows tests again, one at a time with the machine
# otherwise idle. A test that passes now moves from failed to passed and is
# named as flaky; one that fails every time is a real fault.
retry_windows_tests() {
  local try t names log line
  cat "$LOGDIR"/win64-*-retry.list >"$LOGDIR/win64-retry.list" 2>/dev/null
  for try in $(seq 2 "$TRIES"); do
    mapfile -t names <"$LOGDIR/win64-retry.list"
    [ ${#names[@]} -gt 0 ] || break
    step "win64: try $try of ${names[*]}"
    log=$LOGDIR/win64-try$try-ctest.log
    (cd "$ROOT/build/win64" && ctest --output-on-failure --timeout 300 -j 1 -R "$(name_regex "${names[@]}")") \
      >"$log" 2>&1
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    # Only a run of exactly these tests that came to an end says anything.
    [ "${line##* out of }" = "${#names[@]}" ] || { tail -n 20 "$log"; break; }
    failed_tests "$log" >"$LOGDIR/win64-retry.list"
    for t in "${names[@]}"; do
      if ! grep -qxF -- "$t" "$LOGDIR/win64-retry.list"; then
        result win64 "flaky $t (passed on try $try)"
        result win64 "passed 1"
        result win64 "failed -1"
      fi
    done
  done
  while read -r t; do result win64 "failing $t"; done <"$LOGDIR/win64-retry.list"
}

# The Windows tree: first what the end-to-end tests run, which then start
# while the rest of the tree builds; then the rest, whose unit tests start
# as soon as it is linked.
# The sanitized tree's quillet is the native one the end-to-end tests read the
# program's libraries with; it builds beside the Windows programs.
asan_args=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTQ_SANITIZE=ON -DTQ_BENCH=ON)
build_tree "$ROOT/build/asan" quillet "${asan_args[@]}" >"$LOGDIR/asan-quillet.out" 2>&1 &
native_quillet_pid=$!

step "win64"
windows_pids=()
rm -f "$LOGDIR/win64-build.log" "$LOGDIR"/win64-*retry.list
source scripts/wine-env.sh
source scripts/win64-tree.sh
win64_args=("${TQ_WIN64_CMAKE_ARGS[@]}" -DTQ_NATIVE_QUILLET="$ROOT/build/asan/cli/quillet")
if ! build_tree "$ROOT/build/win64" e2e_programs "${win64_args[@]}"; then
  result win64 "broken win64: build failed"
elif ! wine_problem=$(tq_wine_prefix "$WINEPREFIX" 2>&1); then
  echo "$wine_problem"
  result win64 "broken win64-unit: not run: $wine_problem"
  result win64 "broken win64-e2e: not run: $wine_problem"
else
  wait "$native_quillet_pid" || cat "$LOGDIR/asan-quillet.out"
  windows_pass win64-e2e -L e2e -j "$E2E_JOBS" >"$LOGDIR/win64-e2e.out" 2>&1 &
  windows_pids+=($!)
  echo "End-to-end tests running in the background (build/logs/win64-e2e-ctest.log)"
  if ! build_tree "$ROOT/build/win64" all "${win64_args[@]}"; then
    result win64 "broken win64-unit: build failed"
  else
    rm -f "$LOGDIR/xvfb-display"
    exec 3>"$LOGDIR/xvfb-display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 50); do [ -s "$LOGDIR/xvfb-display" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -n 1 "$LOGDIR/xvfb-display")
    tq_wine_start
    # Keeps Wine's desktop process alive between the test programs (see wintool).
    "$TQ_WINE" "$ROOT/build/win64/tests/e2e/wintool.exe" hold </dev/null >/dev/null 2>&1 &
    windows_pass win64-unit -LE e2e -j "$JOBS" >"$LOGDIR/win64-unit.out" 2>&1 &
    windows_pids+=($!)
    echo "Windows unit tests running in the background (build/logs/win64-unit-ctest.log)"
  fi
fi

# The portable trees, below the Windows tests' priority: g++ with the
# sanitizers (the portable tests' native pass; the Windows tree runs them
# optimised), and the fuzz targets with clang.
renice -n 10 $$ >/dev/null 2>&1 || true
# Line tables are all the sanitizers' and fuzzers' reports need, and cost a
# fraction of full debug information to compile.
wait "$native_quillet_pid" 2>/dev/null || true
tree asan -- "${asan_args[@]}"
CC=clang CXX=clang++ tree fuzz -j 2 -- -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" \
  -DTQ_FUZZ=ON

if [ ${#windows_pids[@]} -gt 0 ]; then
  step "win64 tests"
  wait "${windows_pids[@]}"
  cat "$LOGDIR"/win64-*.out
  retry_windows_tests
  tq_wine_stop
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
fi

echo
total_passed=0
total_failed=0
broken=()
flaky=()
failing=()
for file in "$LOGDIR"/*.result; do
  [ -e "$file" ] || continue
  tree_name=$(basename "$file" .result)
  while read -r kind rest; do
    case $kind in
      passed) total_passed=$((total_passed + rest)) ;;
      failed) total_failed=$((total_failed + rest)) ;;
      broken) broken+=("$rest") ;;
      flaky) flaky+=("$tree_name: $rest") ;;
      failing) failing+=("$tree_name: $rest") ;;
    esac
  done <"$file"
done
[ ${#flaky[@]} -eq 0 ] || printf 'FLAKY (failed, then passed when tried again): %s\n' "${flaky[@]}"
[ ${#failing[@]} -eq 0 ] || printf 'FAILED TEST: %s\n' "${failing[@]}"
# A pass that could not run (a tree that did not build, Wine that did not
# start, a test program that listed nothing) counts as one failure.
[ ${#broken[@]} -eq 0 ] || printf 'FAILED PASS (counted as failed): %s\n' "${broken[@]}"
total_failed=$((total_failed + ${#broken[@]}))
echo "flaky: ${#flaky[@]}; time: $(($(date +%s) - started)) s"
echo "all: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
