#!/usr/bin/env bash
# Installs the build the way `cmake --install` and the Debian package do, and runs what
# landed: its version, and a conversion of the bundled example that must equal the built
# program's own. The package must pass lintian without errors.
# Usage: install-and-package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Converts the bundled example with every correction in a folder of its own; prints the
# path of the export.
convert_example() {
  local program=$1 folder=$2
  mkdir -p "$folder"
  cp "$source/examples/Import.txa" "$folder/"
  (cd "$folder" && "$program" --batch --all 2>/dev/null) || fail "$program --batch --all failed"
  echo "$folder/Export.txa"
}

# The program and manual page under ROOT (a DESTDIR or an unpacked package) are whole.
check_installed() {
  local root=$1 what=$2
  local program="$root/usr/bin/tallowmere" page="$work/$what.1"
  [ -x "$program" ] || fail "$what: no program at usr/bin/tallowmere"
  gzip -dc "$root/usr/share/man/man1/tallowmere.1.gz" >"$page" ||
    fail "$what: no gzipped manual page at usr/share/man/man1/tallowmere.1.gz"
  grep -q "^\.TH TALLOWMERE 1 .*\"Tallowmere $version\"" "$page" ||
    fail "$what: the manual page does not carry version $version"
  local warnings
  warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "$what: the manual page renders with warnings: $warnings"
  # Every option the program's own usage names has an entry of its own in the page.
  local option entries
  entries=$(grep -A1 '^\.TP$' "$page")
  for option in $("$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$entries" || fail "$what: the manual page lacks $option"
  done
  [ "$("$program" --version)" = "tallowmere $version" ] ||
    fail "$what: --version says '$("$program" --version)', not 'tallowmere $version'"
  cmp -s "$(convert_example "$program" "$work/$what")" "$expected" ||
    fail "$what: the conversion differs from the built program's"
}

expected=$(convert_example "$build/tallowmere" "$work/built")

DESTDIR="$work/destdir" cmake --install "$build" --prefix /usr >/dev/null
check_installed "$work/destdir" destdir

cpack --config "$build/CPackConfig.cmake" -B "$work/dist" >/dev/null
deb=("$work"/dist/tallowmere_"$version"_*.deb)
[ -f "${deb[0]}" ] || fail "cpack made no tallowmere_${version}_*.deb"
field() { dpkg-deb -f "${deb[0]}" "$1"; }
[ "$(field Package)" = tallowmere ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "package version is '$(field Version)'"
[ "$(field Section)" = utils ] || fail "package section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "the package has no maintainer"
# The dependencies come from the libraries the program links, not from a hand-kept list.
for library in libc6 libstdc++6 libncursesw6; do
  field Depends | grep -q "$library" || fail "Depends '$(field Depends)' lacks $library"
done
contents=$(dpkg-deb -c "${deb[0]}")
for path in ./usr/bin/tallowmere ./usr/share/man/man1/tallowmere.1.gz \
  ./usr/share/doc/tallowmere/copyright ./usr/share/doc/tallowmere/changelog.gz; do
  grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
findings=$(lintian "${deb[0]}" 2>/dev/null) || fail "lintian finds errors in the package: $findings"
dpkg-deb -x "${deb[0]}" "$work/unpacked"
check_installed "$work/unpacked" package
echo "installed and packaged tallowmere $version"
