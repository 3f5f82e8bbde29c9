# Sourced by the Windows benchmarks once they have set root, size and work: how they stop
# on a missing piece, where the two builds are, and the generated export they convert.
die() { echo "bench/$(basename "$0"): $*" >&2; exit 1; }

build="$(realpath "${BUILD:-$root/build}")"
windows_build="$(realpath "${WINDOWS_BUILD:-$root/build-windows}")"

# The export to convert, in input: generated once for each size and kept in the work folder,
# since a large one takes a while.
generate_input() {
  [ -x "$build/bench/txagen" ] || die "no input generator at $build/bench/txagen (make build)"
  input="$work/realistic-${size}M.txa"
  if [ ! -f "$input" ]; then
    "$build/bench/txagen" --size "${size}M" --seed 1 --output "$input.part" >/dev/null
    mv "$input.part" "$input"
  fi
}
