#!/usr/bin/env bash
# The console converter under Wine against the Linux program. Given an input (or
# "generated" for an export made by txagen): for every set of corrections, the same export
# byte for byte, the same exit status and the same messages. Given "names": the same for
# files named in letters outside ASCII and for paths longer than 260 characters, missing
# and present. Given "failures": the same failures for a missing input and for a folder
# where the export goes (the system's own words for the folder aside), and the same help
# (for --help, and on Windows for /? too), version and usage errors.
# Usage: compare-converter.sh LINUX_PROGRAM WINDOWS_PROGRAM WINE_PREFIX TXAGEN WORK CASE
set -euo pipefail
linux=$1 windows=$2 prefix=$3 txagen=$4 work=$5 case=$6
here=$(cd "$(dirname "$0")" && pwd)
for program in "$linux" "$txagen"; do
  [ -x "$program" ] || { echo "compare-converter.sh: $program is not built" >&2; exit 1; }
done

rm -rf "$work"
mkdir -p "$work"
input=$work/input.txa
case $case in
  generated | names | failures) "$txagen" --size 1M --seed 11 --output "$input" >/dev/null ;;
  *) cp "$case" "$input" ;;
esac

corrections=(--remove-guids --remove-ordinals --correct-hash-field --correct-window-font
             --correct-at)
failures=0

# A fresh working folder for each side, holding the input as Import.txa unless told "".
fresh() {
  local source=$1
  for side in linux windows; do
    rm -rf "${work:?}/$side"
    mkdir -p "$work/$side"
    [ -z "$source" ] || cp "$source" "$work/$side/Import.txa"
  done
}

# Runs both programs with the same arguments in their folders, standard input read from
# $standard_input; leaves status and messages (line ends as on Linux) beside what they wrote.
standard_input=/dev/null
convert() {
  local status
  status=0
  (cd "$work/linux" && XDG_CONFIG_HOME="$work/linux/.config" "$linux" "$@" \
    <"$standard_input" >.out 2>.err) || status=$?
  echo "$status" >"$work/linux/.status"
  run_windows "$@"
  # Now and then (twice in some ten full runs, under load) a Wine start ends with status 1
  # before the program has written a byte. The program itself always writes something
  # when the Linux one does, so that run alone is made again, and said so.
  if [ "$(cat "$work/windows/.status")" != 0 ] && [ -s "$work/linux/.err" ] &&
    [ ! -s "$work/windows/.err" ] && [ ! -s "$work/windows/.out" ]; then
    echo "the Windows run with $* ended with status $(cat "$work/windows/.status")" \
      "having written nothing; running it again" >&2
    run_windows "$@"
  fi
}

run_windows() {
  local status=0
  (cd "$work/windows" && "$here/../../scripts/wine-run.sh" "$prefix" "$windows" "$@" \
    <"$standard_input" >.out 2>.err) || status=$?
  echo "$status" >"$work/windows/.status"
  sed -i 's/\r$//' "$work/windows/.out" "$work/windows/.err"
}

# Compares what the two programs left; a sed expression may first even out the messages.
same() {
  local what=$1 export=$2 normalise=${3:-}
  local problem=""
  cmp -s "$work/linux/.status" "$work/windows/.status" || problem+=" status"
  for stream in .out .err; do
    diff -q <(sed -E "$normalise" "$work/linux/$stream") \
      <(sed -E "$normalise" "$work/windows/$stream") >/dev/null || problem+=" $stream"
  done
  if [ -f "$work/linux/$export" ] || [ -f "$work/windows/$export" ]; then
    cmp -s "$work/linux/$export" "$work/windows/$export" || problem+=" export"
  fi
  if [ -n "$problem" ]; then
    echo "DIFFERENT ($problem ) for $what" >&2
    for side in linux windows; do
      echo "  $side: status $(cat "$work/$side/.status"), messages:" >&2
      head -c 600 "$work/$side/.err" | sed 's/^/    /' >&2
    done
    failures=$((failures + 1))
  fi
}

expect_status() {
  local expected=$1 what=$2
  for side in linux windows; do
    [ "$(cat "$work/$side/.status")" = "$expected" ] || {
      echo "$side: $what did not end with status $expected" >&2
      failures=$((failures + 1))
    }
  done
}

# The Windows converter alone refuses a run as a usage error and converts nothing, its
# inputs untouched.
refused_on_windows() {
  local what=$1
  shift
  run_windows "$@"
  if [ "$(cat "$work/windows/.status")" != 2 ] || [ -n "$(ls -A "$work/windows/out")" ] ||
    ! cmp -s "$input" "$work/windows/Import.txa"; then
    echo "windows: $what was not refused before converting (status" \
      "$(cat "$work/windows/.status"))" >&2
    head -c 600 "$work/windows/.err" | sed 's/^/    /' >&2
    failures=$((failures + 1))
  fi
}

finish() {
  echo "$1 compared, $failures different"
  [ "$failures" -eq 0 ]
  exit
}

case $case in
  names)
    long=""
    for letter in a b c d e; do long+=$(printf "$letter%.0s" {1..50})/; done
    for place in "Dossier é 日本/Ïmport.txa|Dossier é 日本/Éxport ñ.txa" \
                 "${long}Import.txa|${long}Export.txa"; do
      from=${place%%|*} to=${place#*|}
      fresh ""
      # The folder is there: a missing one is refused before the input is looked for.
      for side in linux windows; do mkdir -p "$work/$side/$(dirname "$from")"; done
      convert --batch --all --input "$from" --output "$to"
      same "a missing $from" "$to"
      expect_status 1 "a missing $from"
      for side in linux windows; do cp "$input" "$work/$side/$from"; done
      convert --batch --all --input "$from" --output "$to"
      same "$from to $to" "$to"
      expect_status 0 "$from to $to"
    done
    # Windows compares names as its file system does, without regard to case: two files
    # would be converted into one output, one file is given twice, a report would replace
    # the input.
    fresh "$input"
    mkdir "$work/windows/a" "$work/windows/b" "$work/windows/out"
    cp "$input" "$work/windows/a/app.txa"
    cp "$input" "$work/windows/b/APP.TXA"
    refused_on_windows "two names differing in case" --batch --all --output-dir out \
      'a\app.txa' 'b\APP.TXA'
    refused_on_windows "one file named twice" --batch --all --output-dir out a/app.txa A/APP.TXA
    refused_on_windows "a report naming the input" --batch --all --report IMPORT.TXA
    finish "names"
    ;;
  failures)
    fresh ""
    for arguments in --help --version "--batch --no-such-option" "--batch --input"; do
      # shellcheck disable=SC2086  # the arguments are split on purpose
      convert $arguments
      same "tallowmere $arguments" Export.txa
    done
    # "/?" asks the Windows program for the help that --help gives.
    convert --help
    run_windows /?
    same "tallowmere /? against --help" Export.txa
    convert --batch --all
    same "a missing input" Export.txa
    expect_status 1 "a missing input"
    grep -q "File Not Found (2)" "$work/windows/.err" || {
      echo "no 'File Not Found' for a missing input" >&2
      failures=$((failures + 1))
    }
    # Standard input is refused for a NUL byte in any block it is read in, the first too.
    { printf 'A\r\n\0B\r\n'; head -c 200000 /dev/zero | tr '\0' x; } >"$work/nul-first.txa"
    standard_input=$work/nul-first.txa
    convert --batch --all --input - --output Export.txa
    standard_input=/dev/null
    same "standard input with a NUL in its first block" Export.txa
    expect_status 1 "standard input with a NUL in its first block"
    fresh "$input"
    mkdir "$work/linux/Export.txa" "$work/windows/Export.txa"
    convert --batch --all
    same "a folder as the export" Export.txa \
      's/Error: .* \(([0-9]+)\)\.  Press/Error: (the system'"'"'s cause).  Press/'
    expect_status 1 "a folder as the export"
    finish "failures"
    ;;
esac

for ((set = 0; set < 32; ++set)); do
  options=()
  for bit in 0 1 2 3 4; do
    ((set >> bit & 1)) && options+=("${corrections[$bit]}")
  done
  fresh "$input"
  convert --batch "${options[@]}"
  same "$(basename "$case") ${options[*]:-(no corrections)}" Export.txa
done
finish "32 sets of corrections"
