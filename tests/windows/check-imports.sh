#!/usr/bin/env bash
# A Windows program of ours must run when copied alone to any 64-bit Windows: it may import
# only DLLs that come with Windows, never the compiler's (libstdc++, libgcc, winpthread).
# Usage: check-imports.sh PROGRAM
set -euo pipefail
program=$1
objdump=x86_64-w64-mingw32-objdump
system='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|comctl32|comdlg32|advapi32|msvcrt|ntdll|uxtheme|dwmapi|shlwapi|version)\.dll$'
imports=$("$objdump" -p "$program" | awk '/DLL Name:/ { print tolower($3) }')
[ -n "$imports" ] || { echo "check-imports.sh: no imports read from $program" >&2; exit 1; }
foreign=$(grep -Ev "$system" <<<"$imports" || true)
if [ -n "$foreign" ]; then
  echo "$program needs DLLs that do not come with Windows:" $foreign >&2
  exit 1
fi
echo "$program imports only Windows' own DLLs:" $imports
