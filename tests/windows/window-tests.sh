#!/usr/bin/env bash
# Drives the window program under Wine on an X display of its own: starts Xvfb on a free
# display, boots a Wine prefix whose programs share one virtual desktop (Wine draws the
# window frames there), runs the driver's tests, turns their screenshots into PNG files and
# stops the prefix's server and the display it started, by process id.
# Usage: window-tests.sh PREFIX DRIVER PROGRAM LINUX_PROGRAM TXAGEN EXAMPLE WORK [ARGS...]
set -euo pipefail
prefix=$1 driver=$2 program=$3 linux=$4 txagen=$5 example=$6 work=$7
shift 7
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/wine-desktop.sh"
trap stop_wine_desktop EXIT
start_wine_desktop "$prefix"
run() { "$here/../../scripts/wine-run.sh" "$prefix" "$@"; }

# A large export, for progress windows that stay long enough to be seen and cancelled, and
# what the batch converter makes of it with every correction.
mkdir -p "$work/shots"
[ -f "$work/large.txa" ] || "$txagen" --size 64M --seed 5 --output "$work/large.txa" >/dev/null
"$linux" --batch --all --input "$work/large.txa" --output "$work/expected.txa" 2>/dev/null

# Wine's drive Z: is the root of the Linux file system.
windows() { local path; path=$(realpath -m "$1"); echo "Z:${path//\//\\}"; }
export TALLOWMERE_EXE=$(windows "$program") TALLOWMERE_WORK=$(windows "$work")
export TALLOWMERE_EXAMPLE=$(windows "$example") TALLOWMERE_LARGE=$(windows "$work/large.txa")
export TALLOWMERE_EXPECTED=$(windows "$work/expected.txa") TALLOWMERE_SHOTS=$(windows "$work/shots")
status=0
run "$driver" "$@" || status=$?
for shot in "$work"/shots/*.bmp; do
  [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
exit $status
