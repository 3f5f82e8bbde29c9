#!/usr/bin/env bash
# The Windows console converter under Wine against the Linux program, side by side in one
# run: the same generated export with every correction, the runs taking turns, the median
# wall time of each and their ratio; the two exports must be the same bytes.
#
#   bench/wine-vs-linux.sh
#
# Environment:
#   BUILD          the Linux build (default: build)
#   WINDOWS_BUILD  the Windows build (default: build-windows)
#   SIZE           generated input in MB (default: 50)
#   RUNS           timed runs of each program, the median is reported (default: 5)
#   WORK           folder for the input and the runs (default: /tmp/tallowmere-wine-bench)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
size="${SIZE:-50}"
runs="${RUNS:-5}"
work="${WORK:-/tmp/tallowmere-wine-bench}"
. "$root/bench/lib/windows-bench.sh"
linux="$build/tallowmere"
windows="$windows_build/tallowmere.com"
prefix="$windows_build/wine-prefix"

[ -x "$linux" ] || die "no Linux program at $linux (make build)"
[ -f "$windows" ] || die "no Windows program at $windows (make windows)"
[ -n "${EPOCHREALTIME:-}" ] || die "needs bash 5 or newer (EPOCHREALTIME)"

mkdir -p "$work/linux" "$work/windows"
generate_input
cp "$input" "$work/linux/Import.txa"
cp "$input" "$work/windows/Import.txa"

"$root/scripts/wine-prefix.sh" boot "$prefix"
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"' EXIT

median() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
timed() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || return 1
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f", b - a }'
}

linux_times="" windows_times=""
# Each run must write its own export: one left from an earlier run would hide a failure.
for ((run = 1; run <= runs; ++run)); do
  rm -f "$work/linux/Export.txa" "$work/windows/Export.txa"
  time=$(cd "$work/linux" && XDG_CONFIG_HOME="$work/linux" timed "$linux" --batch --all) ||
    die "the Linux program failed"
  linux_times+=" $time"
  time=$(cd "$work/windows" && timed "$root/scripts/wine-run.sh" "$prefix" "$windows" --batch --all) ||
    die "the Windows program failed"
  windows_times+=" $time"
done
cmp -s "$work/linux/Export.txa" "$work/windows/Export.txa" || die "the exports differ"

linux_median=$(echo "$linux_times" | median)
windows_median=$(echo "$windows_times" | median)
printf 'input %s, %s MB, %s runs each, exports identical\n' "$input" "$size" "$runs"
printf 'Linux program        median %6.3f s   (%s )\n' "$linux_median" "$linux_times"
printf 'Windows under Wine   median %6.3f s   (%s )\n' "$windows_median" "$windows_times"
awk -v w="$windows_median" -v l="$linux_median" 'BEGIN { printf "ratio %.2f (target at most 1.30)\n", w / l }'
