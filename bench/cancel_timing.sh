#!/usr/bin/env bash
# Times Cancel in the real interactive program: in a terminal of its own (tmux), with every
# correction ticked, waits until one pass's progress window shows a given percentage, types
# a key there and measures how long that window takes to close. It also notes the last
# percentage the window showed, so a key that the window never took (it ran to 100 %) shows.
#
#   bench/cancel_timing.sh BINARY INPUT [RUNS]
#
# Environment:
#   PASS  the operation whose window gets the key (default "Removing Guids")
#   AT    the percentage from which the key is typed (default 30)
#   KEY   the key, by its tmux name (default Escape; Enter presses Cancel)
#
# The screen is sampled through tmux as fast as tmux answers (a few milliseconds), so each
# figure is that much coarse.
set -euo pipefail

binary="$(realpath "${1:?usage: cancel_timing.sh BINARY INPUT [RUNS]}")"
input="$(realpath "${2:?usage: cancel_timing.sh BINARY INPUT [RUNS]}")"
runs="${3:-5}"
pass="${PASS:-Removing Guids}"
at="${AT:-30}"
key="${KEY:-Escape}"
command -v tmux >/dev/null || { echo "cancel_timing: tmux is needed" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/tallowmere-cancel-XXXXXX")"
socket="tallowmere-cancel-$$"
screen() { tmux -L "$socket" capture-pane -t timing -p 2>/dev/null; }
percentage() { grep -o '[0-9]*% Complete' <<<"$1" | head -n 1 | tr -dc '0-9'; }
cleanup() {
  tmux -L "$socket" kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
ln -s "$input" "$work/Import.txa"

one_run() {
  rm -rf "$work/Export.txa" "$work/config"
  tmux -L "$socket" -f /dev/null new-session -d -s timing -x 120 -y 40 \
    "cd '$work' && XDG_CONFIG_HOME='$work/config' '$binary'; sleep 60"
  tmux -L "$socket" set -g escape-time 0
  until screen | grep -q 'Process \]'; do sleep 0.05; done
  # The focus starts on the first check box; tick all five, then go on to Process.
  tmux -L "$socket" send-keys -t timing Space Tab Space Tab Space Tab Space Tab Space Tab
  until screen | grep -q '>\[ Process \]'; do sleep 0.05; done
  tmux -L "$socket" send-keys -t timing Space
  local shown
  until shown="$(screen)" && grep -q "$pass" <<<"$shown" &&
    [[ "$(percentage "$shown")" -ge "$at" ]] 2>/dev/null; do
    sleep 0.005
  done
  local typed_at last="$at" started ended
  typed_at="$(percentage "$shown")"
  started="$(date +%s.%N)"
  tmux -L "$socket" send-keys -t timing "$key"
  while shown="$(screen)" && grep -q "$pass" <<<"$shown"; do
    last="$(percentage "$shown")"
  done
  ended="$(date +%s.%N)"
  # The window after it, followed until it closes: a key the pass did not take lands there.
  local next="" next_last=0
  until [[ -n "$next" ]] || ! grep -q 'Processing Records' <<<"$shown"; do
    shown="$(screen)"
    next="$(grep -o -m 1 -E '(Removing|Correcting|Exporting) [A-Za-z ]*[a-z]' <<<"$shown" || true)"
  done
  while [[ -n "$next" ]] && shown="$(screen)" && grep -q "$next" <<<"$shown"; do
    next_last="$(percentage "$shown")"
  done
  tmux -L "$socket" kill-server
  sleep 0.5
  awk -v a="$started" -v b="$ended" -v t="$typed_at" -v l="$last" -v n="$next" -v m="$next_last" \
    'BEGIN { printf "%.3f s (typed at %d %%, last shown %d %%; then %s, last shown %d %%)\n", b - a, t, l, n, m }'
}

results=()
for ((run = 0; run < runs; ++run)); do
  result="$(one_run)"
  echo "  $result"
  results+=("${result%% s*}")
done
sorted="$(printf '%s\n' "${results[@]}" | sort -n)"
median="$(sed -n "$(((runs + 1) / 2))p" <<<"$sorted")"
printf '%s at %s %%, key %s: median %.3f s from the key to the window closing, over %d runs\n' \
  "$pass" "$at" "$key" "$median" "$runs"
