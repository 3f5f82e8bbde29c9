#!/usr/bin/env bash
# Measures the batch converter on generated exports; see bench/README.md.
#
#   bench/run.sh [path/to/tallowmere]
#
# Environment:
#   BUILD      build folder holding tallowmere and bench/txagen (default: build)
#   TXAGEN     the generator (default: $BUILD/bench/txagen)
#   SIZES      realistic input sizes in MB (default: "5 50 500")
#   RUNS       timed runs per case, the median is reported (default: 5)
#   SEED       generator seed (default: 1)
#   PATHOLOGICAL  1 to add the pathological inputs (default: 1)
#   CHECK      1 to compare every output with the reference model's (inputs up to 100 MB;
#              the model holds every line as a 500-byte record) (default: 0)
#   TXAMODEL   the model converter (default: $BUILD/bench/txamodel)
#   WORK       folder for inputs and outputs; inputs are kept and reused (default: /tmp/tallowmere-bench)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build}"
binary="${1:-$build/tallowmere}"
txagen="${TXAGEN:-$build/bench/txagen}"
sizes="${SIZES:-5 50 500}"
runs="${RUNS:-5}"
seed="${SEED:-1}"
pathological="${PATHOLOGICAL:-1}"
work="${WORK:-/tmp/tallowmere-bench}"
check="${CHECK:-0}"
txamodel="${TXAMODEL:-$build/bench/txamodel}"

die() { echo "bench/run.sh: $*" >&2; exit 1; }

[ -x "$binary" ] || die "no converter at $binary; build it first (make build) or pass its path"
"$binary" --help 2>&1 </dev/null | grep -q -- "--batch" \
  || die "$binary has no --batch mode yet, so there is nothing to measure"
[ -x "$txagen" ] || die "no generator at $txagen; build it: cmake --build $build --target txagen"
[ "$check" != 1 ] || [ -x "$txamodel" ] \
  || die "no model converter at $txamodel; build it: cmake --build $build --target txamodel"
# The converter runs in a folder of its own, so relative paths would no longer hold.
binary="$(realpath "$binary")"
txagen="$(realpath "$txagen")"
[ "$check" != 1 ] || txamodel="$(realpath "$txamodel")"
[ -x /usr/bin/time ] || die "/usr/bin/time is missing; install the 'time' package"
[ -n "${EPOCHREALTIME:-}" ] || die "needs bash 5 or newer (EPOCHREALTIME)"

mkdir -p "$work"
run_folder="$work/run"
rm -rf "$run_folder"
mkdir -p "$run_folder/config"

now() { echo "$EPOCHREALTIME"; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", b - a }'; }
median() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
megabytes() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1048576 }'; }
rate() { awk -v b="$1" -v s="$2" 'BEGIN { if (s > 0) printf "%.1f", b / 1048576 / s; else print "-" }'; }

# make_input NAME ARGS...: generates $work/NAME-seedSEED.txa once; a generation cut short
# leaves nothing behind that a later run would take for a finished input.
make_input() {
  local name="$1"; shift
  local file="$work/$name-seed$seed.txa"
  if [ ! -s "$file" ]; then
    "$txagen" "$@" --seed "$seed" --output "$file.partial" 2>/dev/null
    mv "$file.partial" "$file"
  fi
  echo "$file"
}

# One converter run in the run folder: sets wall (seconds), rss (MB) and status.
convert_once() {
  local input="$1"; shift
  ln -sf "$input" "$run_folder/Import.txa"
  rm -f "$run_folder/Export.txa"
  local start end
  start="$(now)"
  set +e
  (cd "$run_folder" && XDG_CONFIG_HOME="$run_folder/config" \
    /usr/bin/time -f '%M' -o "$run_folder/rss" "$binary" --batch "$@" \
    </dev/null >/dev/null 2>"$run_folder/stderr")
  status=$?
  set -e
  end="$(now)"
  wall="$(elapsed "$start" "$end")"
  rss="$(awk '{ printf "%.1f", $1 / 1024 }' "$run_folder/rss" | tail -n 1)"
}

# Per-pass times: with stderr not a terminal the converter prints one line as each pass
# ends, so the time between successive lines is the time of a pass.
per_pass() {
  local input="$1"; shift
  ln -sf "$input" "$run_folder/Import.txa"
  local start previous line stamp
  start="$(now)"
  previous="$start"
  (cd "$run_folder" && XDG_CONFIG_HOME="$run_folder/config" "$binary" --batch "$@" \
    </dev/null 2>&1 >/dev/null) | while IFS= read -r line; do
    stamp="$(now)"
    printf '    %8.3f s  %s\n' "$(elapsed "$previous" "$stamp")" "$line"
    previous="$stamp"
  done
  printf '    %8.3f s  total\n' "$(elapsed "$start" "$(now)")"
}

# Compares the last output with what the reference model makes of the same input.
check_output() {
  local input="$1" name="$2" label="$3"; shift 3
  [ "$check" = 1 ] || return 0
  if [ "$(stat -c %s "$input")" -gt $((100 << 20)) ]; then
    echo "  $name $label: too large to check against the model"
    return 0
  fi
  "$txamodel" "$@" "$input" "$run_folder/model.out"
  if cmp -s "$run_folder/model.out" "$run_folder/Export.txa"; then
    echo "  $name $label: output matches the model"
  else
    echo "  $name $label: OUTPUT DIFFERS FROM THE MODEL ($(cmp "$run_folder/model.out" "$run_folder/Export.txa" 2>&1 | head -n 1))"
  fi
  rm -f "$run_folder/model.out"
}

row() { printf '%-22s %9s %-8s %10s %10s %9s %9s %9s\n' "$@"; }

measure() {
  local name="$1" input="$2"
  local bytes lines_in
  bytes="$(stat -c %s "$input")"
  lines_in="$(wc -l <"$input")"
  local label
  for label in all none; do
    local flags=()
    [ "$label" = all ] && flags=(--all)
    local walls="" rsses="" lines_out="-"
    for _ in $(seq "$runs"); do
      convert_once "$input" "${flags[@]}"
      # 3: converted, with a clause kept as read (the unfinished run-on input).
      if [ "$status" -ne 0 ] && [ "$status" -ne 3 ]; then
        echo "  $name ${flags[*]}: exit status $status" >&2
        tail -n 5 "$run_folder/stderr" >&2
        return
      fi
      walls+=" $wall"
      rsses+=" $rss"
    done
    lines_out="$(wc -l <"$run_folder/Export.txa")"
    local median_wall
    median_wall="$(echo "$walls" | median)"
    row "$name" "$(megabytes "$bytes")" "$label" "$lines_in" "$lines_out" "$median_wall" \
      "$(rate "$bytes" "$median_wall")" "$(echo "$rsses" | median)"
    check_output "$input" "$name" "$label" "${flags[@]}"
  done
  local walls=""
  for _ in $(seq "$runs"); do
    local start end
    start="$(now)"
    cat "$input" >"$run_folder/cat.out"
    end="$(now)"
    walls+=" $(elapsed "$start" "$end")"
  done
  rm -f "$run_folder/cat.out"
  local median_wall
  median_wall="$(echo "$walls" | median)"
  row "$name" "$(megabytes "$bytes")" "cat" "$lines_in" "$lines_in" "$median_wall" \
    "$(rate "$bytes" "$median_wall")" "-"
  echo "  per pass (--all, one run):"
  per_pass "$input" --all
}

echo "converter: $binary"
echo "runs per case: $runs (median wall time), peak RSS in MB, MB/s = input size / wall time"
row "input" "MB" "options" "lines in" "lines out" "wall s" "MB/s" "RSS MB"
for size in $sizes; do
  measure "realistic-${size}M" "$(make_input "realistic-${size}M" --mode realistic --size "${size}M")"
done
if [ "$pathological" = 1 ]; then
  measure "alternating-1M-lines" "$(make_input alternating-1M --mode alternating --lines 1000000)"
  measure "runon-1M-lines" "$(make_input runon-1M --mode runon --lines 1000000)"
  measure "runon-10k-groups" \
    "$(make_input runon-10k --mode runon --lines 1000000 --run-length 10000)"
fi
rm -rf "$run_folder"
