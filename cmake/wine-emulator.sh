#!/usr/bin/env bash
# Runs a Windows test program under the project's own quiet 64-bit Wine
# prefix, so that CTest never touches the user's ~/.wine.
source "$(dirname "$0")/../scripts/wine-env.sh"
exec "$TQ_WINE" "$@"
