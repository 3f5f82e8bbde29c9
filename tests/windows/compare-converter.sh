#!/usr/bin/env bash
# The console converter under Wine against the Linux program. Given an input (or
# "generated" for an export made by txagen): for every set of corrections, the same export
# byte for byte, the same exit status and the same messages. Given "failures": the same
# failures for a missing input and for a folder where the export goes (the system's own
# words for the folder aside).
# Usage: compare-converter.sh LINUX_PROGRAM WINDOWS_PROGRAM WINE_PREFIX TXAGEN WORK CASE
set -euo pipefail
linux=$1 windows=$2 prefix=$3 txagen=$4 work=$5 case=$6
here=$(cd "$(dirname "$0")" && pwd)
for program in "$linux" "$txagen"; do
  [ -x "$program" ] || { echo "compare-converter.sh: $program is not built" >&2; exit 1; }
done

rm -rf "$work"
mkdir -p "$work"
input=$work/input.txa
case $case in
  generated | failures) "$txagen" --size 1M --seed 11 --output "$input" >/dev/null ;;
  *) cp "$case" "$input" ;;
esac

corrections=(--remove-guids --remove-ordinals --correct-hash-field --correct-window-font
             --correct-at)
failures=0
folder_as_export=0

# Runs one program in a fresh folder holding the input as Import.txa (or nothing when the
# input is empty); leaves status, messages (line ends as on Linux) and export there.
run() {
  local side=$1 input=$2 folder=$3
  shift 3
  rm -rf "$folder"
  mkdir -p "$folder"
  [ -n "$input" ] && cp "$input" "$folder/Import.txa"
  [ "$folder_as_export" = 1 ] && mkdir "$folder/Export.txa"
  local status=0
  if [ "$side" = linux ]; then
    (cd "$folder" && XDG_CONFIG_HOME="$folder/.config" "$linux" --batch "$@" \
      >"$folder/.out" 2>"$folder/.err") || status=$?
  else
    (cd "$folder" && "$here/../../scripts/wine-run.sh" "$prefix" "$windows" --batch "$@" \
      >"$folder/.out" 2>"$folder/.err") || status=$?
    sed -i 's/\r$//' "$folder/.out" "$folder/.err"
  fi
  echo "$status" >"$folder/.status"
}

# Compares what the two programs left; a sed expression may first even out the messages.
same() {
  local what=$1 normalise=${2:-}
  local problem=""
  cmp -s "$work/linux/.status" "$work/windows/.status" || problem+=" status"
  for stream in .out .err; do
    diff -q <(sed -E "$normalise" "$work/linux/$stream") \
      <(sed -E "$normalise" "$work/windows/$stream") >/dev/null || problem+=" $stream"
  done
  if [ -f "$work/linux/Export.txa" ] || [ -f "$work/windows/Export.txa" ]; then
    cmp -s "$work/linux/Export.txa" "$work/windows/Export.txa" || problem+=" export"
  fi
  if [ -n "$problem" ]; then
    echo "DIFFERENT ($problem ) for $what" >&2
    failures=$((failures + 1))
  fi
}

if [ "$case" != failures ]; then
  for ((set = 0; set < 32; ++set)); do
    options=()
    for bit in 0 1 2 3 4; do
      ((set >> bit & 1)) && options+=("${corrections[$bit]}")
    done
    run linux "$input" "$work/linux" "${options[@]}"
    run windows "$input" "$work/windows" "${options[@]}"
    same "$(basename "$case") ${options[*]:-(no corrections)}"
  done
  echo "32 sets of corrections compared, $failures different"
  [ "$failures" -eq 0 ]
  exit
fi

run linux "" "$work/linux" --all
run windows "" "$work/windows" --all
same "a missing input"
grep -q "File Not Found (2)" "$work/windows/.err" || {
  echo "no 'File Not Found' for a missing input" >&2
  failures=$((failures + 1))
}

folder_as_export=1
run linux "$input" "$work/linux" --all
run windows "$input" "$work/windows" --all
same "a folder as the export" 's/Error: .* \([0-9]+\)\.  Press/Error: (the system'"'"'s cause).  Press/'
for side in linux windows; do
  [ "$(cat "$work/$side/.status")" = 1 ] || {
    echo "$side: a folder as the export did not end with status 1" >&2
    failures=$((failures + 1))
  }
done
echo "failures compared, $failures different"
[ "$failures" -eq 0 ]
