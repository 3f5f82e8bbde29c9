#!/usr/bin/env bash
# Runs Tallowmere on the bundled example: the window in a terminal, or, without one, the
# batch converter with every correction. The result is examples/Export.txa.
set -euo pipefail
binary=$(realpath "$1")
cd "$(dirname "$0")/../examples"
export XDG_CONFIG_HOME="${XDG_CONFIG_HOME:-$PWD/.config}"
if [ -t 0 ] && [ -t 1 ] && [ -n "${TERM:-}" ] && [ "${TERM}" != "dumb" ]; then
  "$binary"
else
  echo "No terminal here: converting examples/Import.txa with every correction."
  "$binary" --batch --all
fi
echo "Result: $PWD/Export.txa"
