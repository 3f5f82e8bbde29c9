#!/usr/bin/env bash
# Boots a Wine prefix once (a stamp marks it ready) and keeps its server running while the
# tests use it, or stops that prefix's server again. Only the given prefix is touched.
# Usage: wine-prefix.sh boot|stop PREFIX
set -euo pipefail
action=$1
export WINEPREFIX=$2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ ! -x "$loader" ] || [ ! -x "$server" ]; then
  echo "wine-prefix.sh: Wine is not installed (run scripts/setup.sh)" >&2
  exit 1
fi

case $action in
  boot)
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/.booted" ]; then
      "$loader" wineboot -i >/dev/null 2>&1
      "$server" -w
      touch "$WINEPREFIX/.booted"
    fi
    # Kept up between the many short test runs, but never for long after the last one.
    "$server" -p60 </dev/null >/dev/null 2>&1 || true
    # The prefix's own background programs start with its first program; started here,
    # they hold no test's output open (a test would not end before they do).
    "$loader" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    "$server" -k 2>/dev/null || true
    ;;
  *)
    echo "usage: wine-prefix.sh boot|stop PREFIX" >&2
    exit 2
    ;;
esac
