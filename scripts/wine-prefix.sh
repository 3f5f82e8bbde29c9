#!/usr/bin/env bash
# Boots a Wine prefix once (a stamp marks it ready) and keeps its server running while the
# tests use it, or stops that prefix's server again. Only the given prefix is touched.
# Usage: wine-prefix.sh boot|stop PREFIX [--desktop]
# --desktop: the prefix shows its programs on a desktop of its own (wine-desktop.sh).
set -euo pipefail
action=$1
export WINEPREFIX=$2
desktop=${3:-}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ ! -x "$loader" ] || [ ! -x "$server" ]; then
  echo "wine-prefix.sh: Wine is not installed (run scripts/setup.sh)" >&2
  exit 1
fi

# Under load Wine at times starts a session's desktop before its service manager; the desktop
# then cannot register the shell's folder windows, and for the whole session the shell's
# "open the folder with the file selected" fails. The desktop says so on its standard error
# (an error Wine 8 prints) while the session's first program waits for it; a moment is
# allowed for the words to arrive.
desktop_lacks_service_manager() {
  local said=$1
  for _ in $(seq 10); do
    grep -q 'start_rpcss' "$said" && return 0
    sleep 0.1
  done
  return 1
}

# A new session's first program when the session has a desktop of its own: a session whose
# desktop came up before its service manager is started again, at most twice.
first_program_on_a_desktop() {
  local said="$WINEPREFIX/session-start.log"
  for try in 1 2 3; do
    WINEDEBUG=-all,err+ole "$loader" cmd /c exit </dev/null >/dev/null 2>"$said"
    if [ "$try" = 3 ] || ! desktop_lacks_service_manager "$said"; then return 0; fi
    echo "wine-prefix.sh: Wine's desktop started before its service manager; starting again" >&2
    "$server" -k 2>/dev/null || true
    "$server" -w 2>/dev/null || true
    "$server" -p60 </dev/null >/dev/null 2>&1 || true
  done
}

case $action in
  boot)
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/.booted" ]; then
      "$loader" wineboot -i >/dev/null 2>&1
      "$server" -w
      touch "$WINEPREFIX/.booted"
    fi
    # Kept up between the many short test runs, but never for long after the last one; the
    # prefix's own background programs start with its first program, here, where they hold no
    # test's output open (a test would not end before they do).
    if "$server" -p60 </dev/null >/dev/null 2>&1 && [ "$desktop" = --desktop ]; then
      first_program_on_a_desktop
    else
      "$loader" cmd /c exit </dev/null >/dev/null 2>&1
    fi
    ;;
  stop)
    "$server" -k 2>/dev/null || true
    ;;
  *)
    echo "usage: wine-prefix.sh boot|stop PREFIX [--desktop]" >&2
    exit 2
    ;;
esac
