#!/usr/bin/env bash
# Drives the window program under Wine on an X display of its own: starts Xvfb on a free
# display, boots a Wine prefix whose programs share one virtual desktop (Wine draws the
# window frames there), runs the driver's tests, turns their screenshots into PNG files and
# stops the prefix's server and the display it started, by process id.
# Usage: window-tests.sh PREFIX DRIVER PROGRAM LINUX_PROGRAM TXAGEN XDND_DROP EXAMPLE WORK
#        [ARGS...]
set -euo pipefail
prefix=$1 driver=$2 program=$3 linux=$4 txagen=$5 dropper=$6 example=$7 work=$8
shift 8
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/wine-desktop.sh"
trap stop_wine_desktop EXIT
start_wine_desktop "$prefix"
run() { "$here/../../scripts/wine-run.sh" "$prefix" "$@"; }

# A large export, for progress windows that stay long enough to be seen and cancelled, and
# what the batch converter makes of it with every correction; the example, copied line by
# line and with every correction, and what the converter says it did then.
mkdir -p "$work/shots"
[ -f "$work/large.txa" ] || "$txagen" --size 64M --seed 5 --output "$work/large.txa" >/dev/null
"$linux" --batch --all --input "$work/large.txa" --output "$work/expected.txa" 2>/dev/null
"$linux" --batch --input "$example" --output "$work/example-copied.txa" 2>/dev/null
"$linux" --batch --all --input "$example" --output "$work/example-corrected.txa" \
  2>"$work/example-corrected.log"
counted() {
  local count=$1 singular=$2 plural=$3
  if [ "$count" = 1 ]; then echo "1 $singular"; else echo "$count $plural"; fi
}
written=$(sed -nE 's/^Exporting TXA File: ([0-9,]+) lines? written$/\1/p' \
  "$work/example-corrected.log")
joined=$(grep -oE '[0-9,]+ clauses? joined' "$work/example-corrected.log" |
  awk '{ gsub(",", "", $1); sum += $1 } END { print sum + 0 }')
said="$(counted "$written" line lines) written"
[ "$joined" = 0 ] || said+=", $(counted "$joined" clause clauses) joined"

# Wine's drive Z: is the root of the Linux file system.
windows() { local path; path=$(realpath -m "$1"); echo "Z:${path//\//\\}"; }
export TALLOWMERE_EXE=$(windows "$program") TALLOWMERE_WORK=$(windows "$work")
export TALLOWMERE_EXAMPLE=$(windows "$example") TALLOWMERE_LARGE=$(windows "$work/large.txa")
export TALLOWMERE_EXPECTED=$(windows "$work/expected.txa") TALLOWMERE_SHOTS=$(windows "$work/shots")
export TALLOWMERE_EXAMPLE_COPIED=$(windows "$work/example-copied.txa")
export TALLOWMERE_EXAMPLE_CORRECTED=$(windows "$work/example-corrected.txa")
export TALLOWMERE_EXAMPLE_SAID=$said TALLOWMERE_XDND=$(windows "$dropper")
# Under load Wine's virtual desktop at times goes away in the middle of a run (its explorer
# ends), and from then on every window fails with an X error: the run is made once more in a
# new session then, and said so. A failure without that sign, or a second one, stands.
status=0
# Into a file, not a pipe: Wine's background programs keep what they inherit open until the
# session ends.
run "$driver" "$@" >"$work/driver.log" 2>&1 || status=$?
cat "$work/driver.log"
if [ "$status" != 0 ] && grep -q '^X Error of failed request' "$work/driver.log"; then
  echo "window-tests.sh: Wine's desktop went away during the run; running the tests once more" >&2
  stop_wine_desktop
  start_wine_desktop "$prefix"
  status=0
  run "$driver" "$@" || status=$?
fi
for shot in "$work"/shots/*.bmp; do
  [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
exit $status
