#!/usr/bin/env bash
# Times the real interactive program converting a file with every correction ticked, in a
# terminal of its own (tmux), from the press of Process until the export is written and
# the progress windows are gone. The batch converter's output of the same input is the
# expected result; the script says so when the terminal run writes anything else.
#
#   bench/terminal_timing.sh BINARY INPUT [RUNS]
#
# The clock is sampled every 10 ms through tmux, so each figure is that much coarse and
# includes what capturing the screen costs.
set -euo pipefail

binary="$(realpath "${1:?usage: terminal_timing.sh BINARY INPUT [RUNS]}")"
input="$(realpath "${2:?usage: terminal_timing.sh BINARY INPUT [RUNS]}")"
runs="${3:-5}"
command -v tmux >/dev/null || { echo "terminal_timing: tmux is needed" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/tallowmere-terminal-XXXXXX")"
socket="tallowmere-timing-$$"
screen() { tmux -L "$socket" capture-pane -t timing -p 2>/dev/null; }
cleanup() {
  tmux -L "$socket" kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp "$input" "$work/Import.txa"
(cd "$work" && XDG_CONFIG_HOME="$work/batch-config" "$binary" --batch --all \
  --output "$work/expected.txa" >/dev/null 2>&1)
expected_size="$(stat -c %s "$work/expected.txa")"

one_run() {
  rm -rf "$work/Export.txa" "$work/config"
  tmux -L "$socket" new-session -d -s timing -x 120 -y 40 \
    "cd '$work' && XDG_CONFIG_HOME='$work/config' '$binary'; sleep 60"
  until screen | grep -q 'Process \]'; do sleep 0.05; done
  # The focus starts on the first check box; tick all five, then go on to Process.
  tmux -L "$socket" send-keys -t timing Space Tab Space Tab Space Tab Space Tab Space Tab
  until screen | grep -q '>\[ Process \]'; do sleep 0.05; done
  local started ended
  started="$(date +%s.%N)"
  tmux -L "$socket" send-keys -t timing Space
  until [[ "$(stat -c %s "$work/Export.txa" 2>/dev/null || echo 0)" == "$expected_size" ]] &&
    ! screen | grep -q 'Processing Records'; do
    sleep 0.01
  done
  ended="$(date +%s.%N)"
  cmp -s "$work/Export.txa" "$work/expected.txa" ||
    echo "terminal_timing: the terminal run wrote another output than the batch one" >&2
  tmux -L "$socket" kill-server
  sleep 0.3
  awk -v a="$started" -v b="$ended" 'BEGIN { printf "%.3f\n", b - a }'
}

times=()
for ((run = 0; run < runs; ++run)); do times+=("$(one_run)"); done
sorted="$(printf '%s\n' "${times[@]}" | sort -n)"
median="$(sed -n "$(((runs + 1) / 2))p" <<<"$sorted")"
printf 'terminal  median %8.3f s over %d runs; runs: %s\n' "$median" "$runs" "${times[*]}"
