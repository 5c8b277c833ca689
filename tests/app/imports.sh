#!/usr/bin/env bash
# Checks a built zh_tarn.exe as Windows will load it: it imports only
# libraries the system keeps in its own folder and never looks for beside
# the program (comctl32 comes through the manifest's side-by-side
# assembly), and it asks for ASLR (with its relocations kept), DEP and, in
# the 64-bit build, high-entropy ASLR.
# Usage: imports.sh TRIPLE EXE, with TRIPLE the cross toolchain's prefix.
set -euo pipefail

triple=$1
exe=$2
ALLOWED=" kernel32 user32 gdi32 ntdll msvcrt advapi32 shell32 comdlg32 ole32 oleaut32 comctl32 "
DYNAMIC_BASE=0x40
NX_COMPAT=0x100
HIGH_ENTROPY_VA=0x20
RELOCS_STRIPPED=0x1

headers=$("$triple-objdump" -p "$exe")
problems=()

dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr -d '\r' | tr '[:upper:]' '[:lower:]')
[ -n "$dlls" ] || problems+=("no import table was found")
for dll in $dlls; do
  [[ "$ALLOWED" == *" ${dll%.dll} "* ]] || problems+=("imports $dll")
done

# The value after a header field's name, as a number.
field() { printf '%d' "0x$(awk -v name="$1" '$1 == name { sub(/^0x/, "", $2); print $2; exit }' <<<"$headers")"; }
dllFlags=$(field DllCharacteristics)
wanted=$((DYNAMIC_BASE | NX_COMPAT))
[[ "$headers" == *"file format pei-x86-64"* ]] && wanted=$((wanted | HIGH_ENTROPY_VA))
(( (dllFlags & wanted) == wanted )) ||
  problems+=("$(printf 'DLL characteristics 0x%x lack 0x%x' "$dllFlags" $((wanted & ~dllFlags)))")
(( ($(field Characteristics) & RELOCS_STRIPPED) == 0 )) || problems+=("its relocations are stripped")
"$triple-objdump" -h "$exe" | grep -q '[[:space:]]\.reloc[[:space:]]' || problems+=("it has no .reloc section")

if [ ${#problems[@]} -gt 0 ]; then
  for problem in "${problems[@]}"; do echo "$exe: $problem" >&2; done
  exit 1
fi
echo "$exe: imports $(echo $dlls | tr ' ' ,); ASLR and DEP on"
