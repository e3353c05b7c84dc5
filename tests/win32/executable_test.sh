#!/usr/bin/env bash
# zor.exe as built: the GUI subsystem (no console window behind it), only
# system DLLs imported (the compiler's own libraries are linked in), an icon,
# and a manifest that asks for visual styles and per-monitor DPI awareness.
# Usage: executable_test.sh path/to/zor.exe path/to/objdump
set -eu
exe=$1
headers=$("$2" -p "$exe")
fail() {
  echo "FAIL: $*"
  exit 1
}

grep -q '^Subsystem[[:space:]]*00000002' <<<"$headers" || fail "not the GUI subsystem"
# SHELL32 finds the user's Documents folder, where the files go when the
# program's own folder is not writable; OLE32 frees the name it gives back.
# OLEACC and OLEAUT32 hand the log view to screen readers. USP10 finds the
# glyphs of characters beyond the Basic Multilingual Plane.
imports=$(awk '/DLL Name:/ { print toupper($3) }' <<<"$headers" | sort | tr '\n' ' ')
[ "$imports" = "COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEACC.DLL OLEAUT32.DLL SHELL32.DLL USER32.DLL USP10.DLL WINMM.DLL " ] ||
  fail "imports $imports"
# Resource types: 3 icon, 14 icon group, 24 manifest.
for type in 000003 00000e 000018; do
  grep -q "Entry: ID: 0x$type," <<<"$headers" || fail "no resource of type 0x$type"
done
for needle in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
  '>PerMonitorV2</dpiAwareness>'; do
  grep -aqF "$needle" "$exe" || fail "the manifest lacks $needle"
done
echo "PASS: imports $imports"
