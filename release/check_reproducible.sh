#!/usr/bin/env bash
# Runs scripts/release.sh twice, each time in a fresh tree TREE, and compares
# what the two runs wrote byte for byte. Leaves the first run's files in
# WORK/dist-a for the release's end-to-end test.
#   check_reproducible.sh WORK TREE
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
work=$1
tree=$2
rm -rf "$work"
for run in a b; do
  started=$(date +%s)
  bash "$ROOT/scripts/release.sh" --no-figures --build "$tree" --dist "$work/dist-$run"
  echo "run $run: $(( $(date +%s) - started )) s"
done
status=0
for file in "$work"/dist-a/*; do
  name=$(basename "$file")
  if cmp -s "$file" "$work/dist-b/$name"; then
    echo "same bytes: $name"
  else
    echo "DIFFERENT: $name"
    status=1
  fi
done
[ "$(ls "$work/dist-a")" = "$(ls "$work/dist-b")" ] || { echo "the runs wrote different files"; status=1; }
exit $status
