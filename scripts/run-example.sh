#!/usr/bin/env bash
# Runs Tallowmere on the bundled example: the window in a terminal, or, without one, the
# batch converter with every correction. The result is examples/Export.txa.
set -euo pipefail
binary=$(realpath "$1")
cd "$(dirname "$0")/../examples"
export XDG_CONFIG_HOME="${XDG_CONFIG_HOME:-$PWD/.config}"
# The window program writes the export only when Process is pressed; an older file left
# from an earlier run is no result of this one.
written() { stat -c %y Export.txa 2>/dev/null || true; }
before="$(written)"
if [ -t 0 ] && [ -t 1 ] && [ -n "${TERM:-}" ] && [ "${TERM}" != "dumb" ]; then
  "$binary"
else
  echo "No terminal here: converting examples/Import.txa with every correction."
  "$binary" --batch --all
fi
if [ -n "$(written)" ] && [ "$(written)" != "$before" ]; then
  echo "Result: $PWD/Export.txa"
else
  echo "Nothing was converted (Process was not pressed): no Export.txa was written."
fi
