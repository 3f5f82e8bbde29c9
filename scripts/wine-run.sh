#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, quietly and without the Mono and
# Gecko installers Wine would otherwise offer. Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec "$loader" "$@"
