#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each briefly: first once over its kept
# corpus and crash reproducers (a regression check), then fuzzing for a few seconds seeded
# from that corpus. New inputs go to a scratch folder; the kept corpus is not touched.
#
#   fuzz/smoke.sh [seconds per target, default 5]
# Environment: FUZZ_BUILD (build folder, default build-fuzz), JOBS (default 2).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-5}"
build="${FUZZ_BUILD:-$root/build-fuzz}"
jobs="${JOBS:-2}"

command -v clang++ >/dev/null || { echo "fuzz/smoke.sh: clang++ is not installed" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLOWMERE_FUZZ=ON -DTALLOWMERE_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "$jobs"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0
for source in "$root"/fuzz/*.cpp; do
  target="$(basename "$source" .cpp)"
  binary="$build/fuzz/$target"
  if [ ! -x "$binary" ]; then
    echo "== $target: not built; register it with tallowmere_fuzzer() in fuzz/CMakeLists.txt"
    failed=1; continue
  fi
  kept=()
  for folder in "$root/fuzz/corpus/$target" "$root/fuzz/regressions/$target"; do
    [ -d "$folder" ] && kept+=("$folder")
  done
  artifacts="$build/artifacts/$target"
  mkdir -p "$artifacts" "$scratch/$target"
  echo "== $target"
  if [ ${#kept[@]} -gt 0 ] && ! "$binary" -runs=0 "${kept[@]}" >"$scratch/$target.replay" 2>&1; then
    echo "   a kept input fails:"; tail -n 20 "$scratch/$target.replay"; failed=1; continue
  fi
  if "$binary" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$scratch/$target" "${kept[@]}" >"$scratch/$target.log" 2>&1; then
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$scratch/$target.log" | grep -o '[0-9]*$')"
    rate="$(grep -o 'exec/s: [0-9]*' "$scratch/$target.log" | tail -n 1)"
    echo "   ok: ${runs:-?} executions, ${rate:-exec/s unknown}"
  else
    echo "   FOUND A FAILURE (reproducer in $artifacts/):"; tail -n 30 "$scratch/$target.log"
    failed=1
  fi
done
exit "$failed"
