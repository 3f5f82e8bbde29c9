#!/usr/bin/env bash
# Packs the Windows programs two ways, from the same files: tallowmere-VERSION-win64.zip to
# unpack anywhere, and tallowmere-VERSION-x64.msi, the per-user installer that
# packaging/windows/tallowmere.wxs describes. Each holds both programs, a README for Windows
# users (CR LF line ends, as Notepad has always read them) that carries the programs' own
# help, and the example export.
# With SIGN_CERT and SIGN_KEY (PEM files) in the environment, both programs and the installer
# are signed, without a time stamp (that would need a time-stamping server on the network).
# Usage: package-windows.sh BUILD_FOLDER VERSION [OUTPUT_FOLDER (default dist)]
set -euo pipefail
build=$1 version=$2
root=$(cd "$(dirname "$0")/.." && pwd)
out=${3:-$root/dist}
name=tallowmere-$version-win64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name/example" "$out"

sign() {
  osslsigncode sign -certs "$SIGN_CERT" -key "$SIGN_KEY" -h sha256 -n Tallowmere \
    -in "$1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
}
signing=
if [ -n "${SIGN_CERT:-}" ] && [ -n "${SIGN_KEY:-}" ]; then
  signing=yes
else
  echo "No SIGN_CERT and SIGN_KEY given: the programs and the installer are not signed."
fi

cp "$build/tallowmere.exe" "$build/tallowmere.com" "$stage/$name/"
if [ -n "$signing" ]; then
  sign "$stage/$name/tallowmere.exe"
  sign "$stage/$name/tallowmere.com"
fi
cp "$root/examples/Import.txa" "$stage/$name/example/"
# The help goes in where the template says @HELP@, line for line.
sed -e "s/@VERSION@/$version/" -e "/^@HELP@\$/{r $root/doc/help.txt" -e 'd}' \
  "$root/packaging/windows/README.txt" | sed -e 's/$/\r/' >"$stage/$name/README.txt"

rm -f "$out/$name.zip"
(cd "$stage" && zip -qr -X "$out/$name.zip" "$name")
echo "$out/$name.zip"

# wixl finds the files by paths relative to where it runs.
msi=$out/tallowmere-$version-x64.msi
cp "$build/resources/tallowmere.ico" "$stage/"
(cd "$stage" && wixl --arch x64 -D Version="$version" -D Files="$name" -D Icon=tallowmere.ico \
  -o "$stage/tallowmere.msi" "$root/packaging/windows/tallowmere.wxs")
# wixl has no Environment element: the install folder goes on the user's PATH through an
# Environment table added to the built package, with the actions that write it on install
# and take it away on uninstall at their standard places in the sequence. The folder goes in
# front of the user's own entries ([INSTALLDIR];[~]), not after them: Wine's msiexec takes an
# entry away with the separator after it, so one at the end left a separator behind, and
# after an upgrade Wine's cmd no longer found the program through the PATH that made.
msibuild "$stage/tallowmere.msi" \
  -q 'CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL,
        `Name` CHAR(255) NOT NULL LOCALIZABLE, `Value` CHAR(255) LOCALIZABLE,
        `Component_` CHAR(72) NOT NULL PRIMARY KEY `Environment`)' \
  -q "INSERT INTO \`Environment\` (\`Environment\`, \`Name\`, \`Value\`, \`Component_\`)
        VALUES ('UserPath', '=-PATH', '[INSTALLDIR];[~]', 'Programs')" \
  -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`)
        VALUES ('RemoveEnvironmentStrings', 3300)" \
  -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`)
        VALUES ('WriteEnvironmentStrings', 5200)"
[ -z "$signing" ] || sign "$stage/tallowmere.msi"
mv "$stage/tallowmere.msi" "$msi"
echo "$msi"
