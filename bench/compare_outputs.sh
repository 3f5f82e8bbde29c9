#!/usr/bin/env bash
# Shows that two builds of the converter write byte for byte the same files: runs both on
# each input with every correction, with none and with each one alone, and compares the
# outputs with cmp.
#
#   bench/compare_outputs.sh OLD_BINARY NEW_BINARY INPUT...
#
# Environment:
#   WORK        scratch folder for the outputs (default: a fresh temporary folder, removed after)
#   EVERY_SET   1: every one of the 32 combinations of the five corrections instead
set -euo pipefail

[ $# -ge 3 ] || { echo "usage: $0 OLD_BINARY NEW_BINARY INPUT..." >&2; exit 2; }
old="$(realpath "$1")"
new="$(realpath "$2")"
shift 2

work="${WORK:-$(mktemp -d)}"
[ -n "${WORK:-}" ] || trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"

corrections=("--remove-guids" "--remove-ordinals" "--correct-hash-field" "--correct-window-font"
             "--correct-at")
option_sets=("--all" "" "${corrections[@]}")
if [ "${EVERY_SET:-0}" = 1 ]; then
  option_sets=()
  for ((set = 0; set < 32; set++)); do
    options=""
    for bit in 0 1 2 3 4; do
      if ((set >> bit & 1)); then options="$options ${corrections[bit]}"; fi
    done
    option_sets+=("${options# }")
  done
fi

# convert BINARY INPUT OUTPUT OPTIONS: one batch run in the scratch folder.
convert() {
  local binary="$1" input="$2" output="$3"
  shift 3
  (cd "$work" && XDG_CONFIG_HOME="$work/config" "$binary" --batch "$@" --input "$input" \
    --output "$output" </dev/null >/dev/null 2>&1)
}

differences=0
for input in "$@"; do
  input="$(realpath "$input")"
  for options in "${option_sets[@]}"; do
    # shellcheck disable=SC2086  # the options are words
    convert "$old" "$input" "$work/old.txa" $options
    # shellcheck disable=SC2086
    convert "$new" "$input" "$work/new.txa" $options
    if cmp -s "$work/old.txa" "$work/new.txa"; then
      result="identical"
    else
      result="DIFFERENT"
      differences=$((differences + 1))
    fi
    printf '%-40s %-24s %s (%s bytes)\n' "$(basename "$input")" "${options:-(none)}" "$result" \
      "$(stat -c %s "$work/new.txa")"
  done
done
rm -f "$work/old.txa" "$work/new.txa"
[ "$differences" -eq 0 ] || { echo "$differences outputs differ" >&2; exit 1; }
echo "all outputs identical"
