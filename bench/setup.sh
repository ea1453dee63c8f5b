#!/usr/bin/env bash
# Installs, from Debian's packages, the spell checkers the spelling benchmarks
# compare with (hunspell and aspell with their American English dictionaries,
# and their development files for the library comparison, speller_api_bench).
# They are for comparison only: nothing of the product uses them, so they are
# not in scripts/install-deps.sh. Safe to run again.
set -euo pipefail

need=(hunspell hunspell-en-us aspell aspell-en libhunspell-dev libaspell-dev)

dpkg -s "${need[@]}" >/dev/null 2>&1 && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing: ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
