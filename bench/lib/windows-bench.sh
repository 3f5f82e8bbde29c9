# Sourced by the Windows benchmarks once they have set root, size and work: where the two
# builds are, and the generated export they convert.
build="$(realpath "${BUILD:-$root/build}")"
windows_build="$(realpath "${WINDOWS_BUILD:-$root/build-windows}")"

# The export to convert, in input: generated once for each size and kept in the work folder,
# since a large one takes a while.
generate_input() {
  input="$work/realistic-${size}M.txa"
  if [ ! -f "$input" ]; then
    "$build/bench/txagen" --size "${size}M" --seed 1 --output "$input.part" >/dev/null
    mv "$input.part" "$input"
  fi
}
