#!/usr/bin/env bash
# Makes a delay-load import library from a system DLL's ordinary one: the DLL is then
# loaded when the program first calls into it, not when the program starts.
# Usage: make-delay-import.sh NM DLLTOOL IMPORT_LIBRARY DLL_NAME OUTPUT
set -euo pipefail
nm=$1 dlltool=$2 library=$3 dll=$4 output=$5
definition="$output.def"
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  "$nm" -g --defined-only "$library" | sed -n 's/^[0-9a-f]* I __imp_//p' | sort -u
} >"$definition"
"$dlltool" --input-def "$definition" --dllname "$dll" --output-delaylib "$output"
