# Sourced by the scripts that drive the window program under Wine on an X display of their
# own. start_wine_desktop PREFIX starts Xvfb on a free display (exported as DISPLAY) and boots
# the prefix with its programs sharing one virtual desktop (Wine draws the window frames
# there); stop_wine_desktop stops that prefix's server and the display it started, by
# process id. The caller sets the trap: trap stop_wine_desktop EXIT.
wine_desktop_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_desktop_server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
wine_desktop_prefix=
wine_desktop_xvfb=

start_wine_desktop() {
  wine_desktop_prefix=$1
  local display= number
  for number in $(seq 90 160); do
    if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
      display=$number
      break
    fi
  done
  [ -n "$display" ] || { echo "wine-desktop.sh: no free X display" >&2; return 1; }
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  wine_desktop_xvfb=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  export DISPLAY=":$display"

  "$wine_desktop_scripts/wine-prefix.sh" boot "$wine_desktop_prefix" --desktop
  if [ ! -f "$wine_desktop_prefix/.desktop" ]; then
    local run="$wine_desktop_scripts/wine-run.sh"
    "$run" "$wine_desktop_prefix" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default \
      /f >/dev/null
    "$run" "$wine_desktop_prefix" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
      /d 800x600 /f >/dev/null
    touch "$wine_desktop_prefix/.desktop"
  fi
}

stop_wine_desktop() {
  if [ -n "$wine_desktop_prefix" ]; then
    WINEPREFIX=$wine_desktop_prefix "$wine_desktop_server" -k 2>/dev/null || true
  fi
  if [ -n "$wine_desktop_xvfb" ]; then
    kill "$wine_desktop_xvfb" 2>/dev/null || true
    wait "$wine_desktop_xvfb" 2>/dev/null || true
  fi
}
