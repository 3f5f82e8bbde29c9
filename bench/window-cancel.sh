#!/usr/bin/env bash
# A mouse click on Cancel in the Windows window program under Wine, during a conversion of
# a large export: for each chosen pass, the time from the click until that pass's progress
# window is gone, over a few runs, the passes taking turns so that all see the same load.
#
#   bench/window-cancel.sh
#
# Environment:
#   BUILD          the Linux build, for the input generator (default: build)
#   WINDOWS_BUILD  the Windows build (default: build-windows)
#   SIZE           generated input in MB (default: 500)
#   RUNS           runs of each pass; the median and the worst are reported (default: 3)
#   AT             the percentage the pass's window shows when Cancel is clicked (default: 30)
#   PASSES         the operations whose Cancel is clicked, separated by commas (default:
#                  Importing TXA File,Removing Guids,Exporting TXA File)
#   WORK           folder for the input and the runs (default: /tmp/tallowmere-window-cancel-bench)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
size="${SIZE:-500}"
runs="${RUNS:-3}"
at="${AT:-30}"
IFS=, read -r -a passes <<<"${PASSES:-Importing TXA File,Removing Guids,Exporting TXA File}"
work="${WORK:-/tmp/tallowmere-window-cancel-bench}"
. "$root/bench/lib/windows-bench.sh"
program="$windows_build/tallowmere.exe"
driver="$windows_build/tests/window_cancel_timing.exe"
# The prefix of the window tests, whose programs share one virtual desktop.
prefix="$windows_build/wine-prefix-desktop"

[ -f "$program" ] && [ -f "$driver" ] || die "no window program or its driver (make windows)"
command -v Xvfb >/dev/null || die "Xvfb is needed (scripts/setup.sh)"

mkdir -p "$work/run"
generate_input
ln -sf "$input" "$work/run/Import.txa"

. "$root/scripts/wine-desktop.sh"
trap stop_wine_desktop EXIT
start_wine_desktop "$prefix"

# Wine's drive Z: is the root of the Linux file system.
windows() { local path; path=$(realpath -m "$1"); echo "Z:${path//\//\\}"; }
export TALLOWMERE_EXE=$(windows "$program") TALLOWMERE_WORK=$(windows "$work/run")

declare -A times
for ((run = 1; run <= runs; ++run)); do
  for pass in "${passes[@]}"; do
    rm -f "$work/run/Export.txa"
    result="$("$root/scripts/wine-run.sh" "$prefix" "$driver" "$pass" "$at")" ||
      die "run $run of $pass failed"
    echo "  $pass, run $run: $result"
    times[$pass]+=" ${result%% s*}"
  done
done
rm -f "$work/run/Export.txa"

printf 'input %s, %s MB, Cancel clicked at %s %%, %s runs of each pass\n' "$input" "$size" "$at" "$runs"
for pass in "${passes[@]}"; do
  tr ' ' '\n' <<<"${times[$pass]}" | sed '/^$/d' | sort -g |
    awk -v pass="$pass" '{ v[NR] = $1 } END {
      printf "%-20s median %.3f s, worst %.3f s from the click to the window gone\n", pass, v[int((NR + 1) / 2)], v[NR] }'
done
tr ' ' '\n' <<<"${times[*]}" | sed '/^$/d' | sort -g | tail -n 1 |
  awk '{ printf "worst of all %.3f s (target at most 0.200 s)\n", $1 }'
