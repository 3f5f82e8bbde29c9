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
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)

display=
for number in $(seq 90 160); do
  if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
    display=$number
    break
  fi
done
[ -n "$display" ] || { echo "window-tests.sh: no free X display" >&2; exit 1; }
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
stop() {
  WINEPREFIX=$prefix "$server" -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap stop EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"

"$here/../../scripts/wine-prefix.sh" boot "$prefix"
run() { "$here/../../scripts/wine-run.sh" "$prefix" "$@"; }
if [ ! -f "$prefix/.desktop" ]; then
  run reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  run reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null
  touch "$prefix/.desktop"
fi

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
