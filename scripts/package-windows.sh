#!/usr/bin/env bash
# Puts the Windows programs, a README for Windows users (CR LF line ends, as Notepad has
# always read them) and the example export into dist/tallowmere-VERSION-win64.zip.
# Usage: package-windows.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1 version=$2
root=$(cd "$(dirname "$0")/.." && pwd)
name=tallowmere-$version-win64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name/example" "$root/dist"
cp "$build/tallowmere.exe" "$build/tallowmere.com" "$stage/$name/"
cp "$root/examples/Import.txa" "$stage/$name/example/"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$root/packaging/windows/README.txt" \
  >"$stage/$name/README.txt"
rm -f "$root/dist/$name.zip"
(cd "$stage" && zip -qr -X "$root/dist/$name.zip" "$name")
echo "dist/$name.zip"
