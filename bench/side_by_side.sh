#!/usr/bin/env bash
# Times two builds of the converter on one input, their runs interleaved so that both see
# the same load on the machine, and prints the median wall time of each and their ratio.
#
#   bench/side_by_side.sh OLD_BINARY NEW_BINARY INPUT [--old-options "..."] [--new-options "..."]
#
# Environment:
#   RUNS   runs of each binary (default: 7)
#   WORK   scratch folder (default: a fresh temporary folder, removed after)
set -euo pipefail

[ $# -ge 3 ] || { echo "usage: $0 OLD_BINARY NEW_BINARY INPUT [--old-options S] [--new-options S]" >&2; exit 2; }
old="$(realpath "$1")"
new="$(realpath "$2")"
input="$(realpath "$3")"
shift 3
old_options="--all"
new_options="--all"
while [ $# -gt 0 ]; do
  case "$1" in
    --old-options) old_options="$2"; shift 2 ;;
    --new-options) new_options="$2"; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
runs="${RUNS:-7}"
work="${WORK:-$(mktemp -d)}"
[ -n "${WORK:-}" ] || trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"
ln -sf "$input" "$work/Import.txa"

# time_once BINARY OPTIONS: prints the wall time of one batch conversion in seconds.
time_once() {
  local binary="$1" options="$2" start end
  start="$EPOCHREALTIME"
  # shellcheck disable=SC2086  # the options are words
  (cd "$work" && XDG_CONFIG_HOME="$work/config" "$binary" --batch $options \
    </dev/null >/dev/null 2>&1) || [ $? -eq 3 ]
  end="$EPOCHREALTIME"
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f\n", b - a }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

old_times=() new_times=()
time_once "$old" "$old_options" >/dev/null  # warms the page cache for both
for _ in $(seq "$runs"); do
  old_times+=("$(time_once "$old" "$old_options")")
  new_times+=("$(time_once "$new" "$new_options")")
done
old_median="$(printf '%s\n' "${old_times[@]}" | median)"
new_median="$(printf '%s\n' "${new_times[@]}" | median)"
echo "input: $input ($(stat -c %s "$input") bytes), $runs runs each, interleaved"
echo "old: $old $old_options: median ${old_median} s (${old_times[*]})"
echo "new: $new $new_options: median ${new_median} s (${new_times[*]})"
awk -v o="$old_median" -v n="$new_median" 'BEGIN { printf "new / old: %.3f\n", n / o }'
