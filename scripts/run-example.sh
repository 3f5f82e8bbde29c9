#!/usr/bin/env bash
# Converts examples/Import.txa with every correction and says where the result is.
set -euo pipefail
binary=$(realpath "$1")
cd "$(dirname "$0")/../examples"
export XDG_CONFIG_HOME="${XDG_CONFIG_HOME:-$PWD/.config}"
"$binary" "${@:2}"
