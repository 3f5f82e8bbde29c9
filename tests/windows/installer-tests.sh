#!/usr/bin/env bash
# The per-user installer as a user meets it, under Wine's msiexec in a prefix of its own on
# an X display of its own: an older version installed, the current one over it, what that
# installed (files, shortcuts, registry, PATH, the window program from the Start menu), the
# same and an older version refused, and the removal that leaves nothing of the install but
# the user's settings and TXA files. The packages come from the packaging script, the
# current one signed with a certificate made here.
#
# Explorer's menus themselves (Start, "Open with", "Send to") and Add/Remove Programs cannot
# be shown under Wine: what is checked is what Windows reads to show them, the shortcuts and
# the registry values.
# Usage: installer-tests.sh PREFIX PROBE BUILD LINUX_PROGRAM VERSION WORK
set -euo pipefail
prefix=$1 probe=$2 build=$3 linux=$4 version=$5 work=$6
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
older=0.1.0
refusal="This version of Tallowmere or a newer one is already installed."

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Wine links the prefix's Documents and Desktop to the home folder and writes menu entries
# for its shortcuts there: a home of the test's own keeps that out of the user's.
rm -rf "$work/packages" "$work/shots" "$work/convert"
mkdir -p "$work/home" "$work/packages" "$work/shots" "$work/convert"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share

# --- The packages --------------------------------------------------------------------------
package() {  # package VERSION FOLDER: the script's output
  "$root/scripts/package-windows.sh" "$build" "$1" "$work/packages/$2"
}
notice=$(package "$older" older)
[ "$(grep -c 'not signed' <<<"$notice")" = 1 ] ||
  fail "no single notice of an unsigned build: $notice"
osslsigncode verify -in "$work/packages/older/tallowmere-$older-x64.msi" >/dev/null 2>&1 &&
  fail "an installer built without a certificate is signed"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tallowmere test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/packages/key.pem" \
  -out "$work/packages/cert.pem" 2>/dev/null
notice=$(SIGN_CERT=$work/packages/cert.pem SIGN_KEY=$work/packages/key.pem \
  package "$version" current)
grep -q 'not signed' <<<"$notice" && fail "a signed build says it is not signed"
current=$work/packages/current
(cd "$current" && unzip -q "tallowmere-$version-win64.zip")
unzipped=$current/tallowmere-$version-win64
for file in "$unzipped/tallowmere.exe" "$unzipped/tallowmere.com" \
  "$current/tallowmere-$version-x64.msi"; do
  osslsigncode verify -CAfile "$work/packages/cert.pem" -in "$file" >/dev/null 2>&1 ||
    fail "$(basename "$file") carries no signature that verifies"
done
# Another build of the same version, as a user may be given one.
package "$version" again >/dev/null
# Installed per user: the package asks for no administrator rights (word count bit 8).
words=$(msiinfo suminfo "$current/tallowmere-$version-x64.msi" |
  sed -n 's/^Source: \([0-9]*\).*/\1/p')
[ $((words & 8)) = 8 ] || fail "the installer asks for administrator rights (word count '$words')"

# --- The prefix, as a user's Windows stands before the install ------------------------------
# A prefix where a run stopped halfway may still hold an install: it is made anew.
[ -e "$prefix/.installing" ] && rm -rf "$prefix"
. "$root/scripts/wine-desktop.sh"
trap stop_wine_desktop EXIT
start_wine_desktop "$prefix"
touch "$prefix/.installing"
run() {
  WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    "$(command -v wine64 || echo /usr/lib/wine/wine64)" "$@"
}
# Wine's own programs by their files: a bare name is looked up by start.exe, whose shell
# lookup now and then fails on a busy machine ("ShellExecuteEx failed: Internal error").
system32=$prefix/drive_c/windows/system32
windows() { local path; path=$(realpath -m "$1"); echo "Z:${path//\//\\}"; }
unix() { local path=${1//\\//}; echo "$prefix/drive_c${path#C:}"; }
msiexec() {
  run "$system32/msiexec.exe" "$1" "$(windows "$2")" /qn ||
    fail "msiexec $1 $(basename "$2") failed"
}
probe() { run "$probe" "$@" || fail "installer_probe $1 failed"; }
# What the probe printed for KEY.
seen() { sed -n "s/^$1=//p" <<<"$probed" | tr -d '\r'; }

probed=$(probe shortcuts)
documents=$(unix "$(seen Documents)")
folder="$(seen LocalAppData)\\Programs\\Tallowmere"
program="$folder\\tallowmere.exe"
settings="$(unix "$(seen AppData)")/Tallowmere/Tallowmere.INI"
sendto="$(unix "$(seen AppData)")/Microsoft/Windows/SendTo"
# The user's own: a PATH entry, the development environment as the program that opens .txa
# files, settings, an export in Documents, and the entries Windows puts in "Send to" itself
# (Wine's prefix has none, and Wine's msiexec takes away a folder the removal leaves empty).
sed 's/$/\r/' >"$work/user.reg" <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Environment]
"PATH"="C:\\Tools"

[HKEY_CURRENT_USER\Software\Classes\.txa]
@="DevelopmentEnvironment.txa"
EOF
run "$system32/reg.exe" import "$(windows "$work/user.reg")" >/dev/null 2>&1 ||
  fail "the user's registry could not be set"
mkdir -p "$(dirname "$settings")" "$sendto"
[ -f "$settings" ] || printf '[Tallowmere]\r\n' >"$settings"
cp "$root/examples/Import.txa" "$documents/Import.txa"
touch "$sendto/Desktop (create shortcut).DeskLink"

# The registry as lines of a key and, after a tab, one of its values, and the files of drive C:
# (of its Windows folder, only Windows Installer's), before and after.
snapshot() {
  local key
  for key in HKCU 'HKLM\Software\Microsoft\Windows\CurrentVersion'; do
    run "$system32/reg.exe" export "$key" "$(windows "$work/export.reg")" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r'
  done | awk '/^\[/ { key = $0; print key; next } NF { print key "\t" $0 }' >"$work/registry-$1"
  (cd "$prefix/drive_c" &&
    find . \( -path './windows/*' ! -path ./windows/Installer \) -prune -o -print) |
    sort >"$work/files-$1"
}
# The registry line, as reg export writes it, that gives NAME (@: the key's default) the data.
line() {
  local data=${3//\\/\\\\}
  data=${data//\"/\\\"}
  if [ "$2" = @ ]; then echo "[$1]"$'\t'"@=\"$data\""; else echo "[$1]"$'\t'"\"$2\"=\"$data\""; fi
}
expect() {  # expect KEY NAME DATA: the registry held that after the last snapshot
  grep -qFx -- "$(line "$@")" "$work/registry-$state" || fail "after $state, no $(line "$@")"
}
snapshot before

# --- An older version, then the current one over it --------------------------------------
msiexec /i "$work/packages/older/tallowmere-$older-x64.msi"
msiexec /i "$current/tallowmere-$version-x64.msi"
state=upgrade
snapshot upgrade

# One entry in Add/Remove Programs, the current version's, with its name, publisher, folder
# and icon: Windows Installer's record of the product, where the list takes them from.
entries=$(grep -F '\InstallProperties]'$'\t''"DisplayName"="Tallowmere"' "$work/registry-upgrade" |
  cut -f1)
[ "$(grep -c . <<<"$entries")" = 1 ] || fail "Add/Remove Programs holds Tallowmere as: $entries"
key=$entries
key=${key#[}
key=${key%]}
expect "$key" DisplayVersion "$version"
expect "$key" Publisher "The Tallowmere developers"
expect "$key" InstallLocation "$folder\\"
icon=$(grep -F '"ProductName"="Tallowmere"' "$work/registry-upgrade" | cut -f1)
icon=$(grep -F "$icon"$'\t''"ProductIcon"=' "$work/registry-upgrade" |
  sed 's/.*"ProductIcon"="//; s/"$//; s/\\\\/\\/g')
cmp -s "$(unix "$icon")" "$build/resources/tallowmere.ico" ||
  fail "the product's icon is not the programs'"

# The current version's files and nothing else.
installed=$(unix "$folder")
[ "$(cd "$installed" && find . -type f | sort | tr '\n' ' ')" = \
  "./README.txt ./example/Import.txa ./tallowmere.com ./tallowmere.exe " ] ||
  fail "the install folder holds: $(cd "$installed" && find . -type f | sort | tr '\n' ' ')"
for file in README.txt example/Import.txa tallowmere.com tallowmere.exe; do
  cmp -s "$installed/$file" "$unzipped/$file" || fail "the installed $file is not the current one"
done

# The shortcuts: the Start-menu entry starts in Documents, both carry the programs' icon.
probed=$(probe shortcuts)
for entry in StartMenu SendTo; do
  [ "$(seen $entry.target)" = "$program" ] || fail "$entry starts '$(seen $entry.target)'"
  [ -z "$(seen $entry.arguments)" ] || fail "$entry adds arguments: $(seen $entry.arguments)"
  [ "$(seen $entry.icon)" = "$icon,0" ] || fail "$entry shows the icon '$(seen $entry.icon)'"
done
[ "$(seen StartMenu.folder)" = "$(seen Documents)\\" ] ||
  fail "the Start-menu entry starts in '$(seen StartMenu.folder)', not Documents"

# "Open with" beside the development environment, never instead of it; App Paths; the PATH.
expect 'HKEY_CURRENT_USER\Software\Classes\.txa' @ DevelopmentEnvironment.txa
expect 'HKEY_CURRENT_USER\Software\Classes\.txa\OpenWithProgids' Tallowmere.txa ""
expect 'HKEY_CURRENT_USER\Software\Classes\Tallowmere.txa\shell\open\command' @ \
  "\"$program\" \"%1\""
apppaths='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\App Paths\tallowmere.exe'
expect "$apppaths" @ "$program"
expect "$apppaths" Path "$folder\\"
expect 'HKEY_CURRENT_USER\Environment' PATH "$folder\\;C:\\Tools"

# A new console finds the converter through the PATH, and it converts as the Linux program
# does; the README's help is the program's.
cp "$root/examples/Import.txa" "$work/convert/"
(cd "$work/convert" && "$linux" --batch --all --output expected.txa 2>/dev/null)
(cd "$work/convert" && run "$system32/cmd.exe" /c \
  "tallowmere --batch --all --input Import.txa --output Export.txa" >/dev/null 2>&1) ||
  fail "tallowmere from the PATH did not convert"
cmp -s "$work/convert/Export.txa" "$work/convert/expected.txa" ||
  fail "the installed converter's export differs from the Linux program's"
help=$(cd "$work/convert" && run "$system32/cmd.exe" /c "tallowmere --help" | tr -d '\r')
[ -n "$help" ] && [[ "$(tr -d '\r' <"$installed/README.txt")" == *"$help"* ]] ||
  fail "the installed README.txt does not carry the help of tallowmere --help"

# The window program from the Start menu, as a click starts it; the same and an older version
# refused with the installer's message.
probe start-menu "$(windows "$work/shots/started-from-start-menu.bmp")"
probe refused "$(windows "$work/packages/older/tallowmere-$older-x64.msi")" "$refusal" \
  "$(windows "$work/shots/older-version-refused.bmp")"
probe refused "$(windows "$work/packages/again/tallowmere-$version-x64.msi")" "$refusal" \
  "$(windows "$work/shots/same-version-refused.bmp")"

# --- The removal ---------------------------------------------------------------------------
msiexec /x "$current/tallowmere-$version-x64.msi"
state=removal
snapshot removal
# Every value as before; keys left behind only the empty ones Windows Installer keeps for
# itself, none named for a product, a component or Tallowmere.
diff <(grep $'\t' "$work/registry-before") <(grep $'\t' "$work/registry-removal") >&2 ||
  fail "the removal left the registry values above changed"
left=$(comm -13 <(grep -v $'\t' "$work/registry-before" | sort) \
  <(grep -v $'\t' "$work/registry-removal" | sort))
grep -iE '[0-9A-F]{32}|\{[0-9A-F-]{36}\}|tallowmere' <<<"$left" &&
  fail "the removal left the keys above"
# Every file as before, but for Windows Installer's own folders.
diff "$work/files-before" "$work/files-removal" | grep '^[<>]' |
  grep -vE '^> \./(users/[^/]+/AppData/Roaming/Microsoft/Installer|windows/Installer)$' >&2 &&
  fail "the removal left the files above changed"
[ -f "$settings" ] || fail "the removal took the user's settings"
cmp -s "$documents/Import.txa" "$root/examples/Import.txa" ||
  fail "the removal changed the user's export"
rm "$prefix/.installing"
echo "installed, upgraded, refused and removed tallowmere $version"
