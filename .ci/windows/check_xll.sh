#!/usr/bin/env bash
# Structural gate of a Windows add-in, read from its PE tables with objdump:
# it must import exactly KERNEL32, msvcrt and USER32 (the calls named below
# among them, and no inexact maths function) plus Excel's XLCALL32 by
# ordinals 2 and 3 only, and export exactly the four entry points and, for
# the add-in itself (zqrand*.xll), the 118 worksheet functions, undecorated.
# The companion (zqextras*.xll) exports the entry points alone. The Excel 12
# flavour (zqrand12_*.xll) imports XLCallVer from XLCALL32 by name instead,
# finds Excel 12's callback with GetModuleHandleW and GetProcAddress, and
# exports its own entry points (xlAutoFree12, xlAddInManagerInfo12).
#   check_xll.sh FILE.xll 32|64
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
xll="$1"
bits="$2"
case "$bits" in
  32) objdump=i686-w64-mingw32-objdump; format=pei-i386 ;;
  64) objdump=x86_64-w64-mingw32-objdump; format=pei-x86-64 ;;
  *) echo "check_xll: bits must be 32 or 64" >&2; exit 2 ;;
esac

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
fail() {
  echo "check_xll: $xll: $*" >&2
  status=1
}

"$objdump" -p "$xll" >"$work/dump"
grep -q "file format $format\$" "$work/dump" || fail "not a $format image"

# Imports: one "DLL:member" line per imported entry; ordinal imports appear
# as "DLL:#n".
awk '
  /^\tDLL Name: / { dll = toupper($3); next }
  /^$/ { dll = ""; next }
  dll != "" && /^\t[0-9a-f]+\t/ {
    if (NF >= 3 && $3 != "<none>") print dll ":" $3; else print dll ":#" ($2 + 0)
  }' "$work/dump" | sort -u >"$work/imports"
cut -d: -f1 "$work/imports" | sort -u >"$work/dlls"
printf '%s\n' KERNEL32.DLL MSVCRT.DLL USER32.DLL XLCALL32.DLL >"$work/dlls.expected"
if ! cmp -s "$work/dlls" "$work/dlls.expected"; then
  fail "imports from $(tr '\n' ' ' <"$work/dlls")instead of $(tr '\n' ' ' <"$work/dlls.expected")"
fi
companion=0
excel12=0
case "$(basename "$xll")" in
  zqextras*) companion=1 ;;
  zqrand12_*) excel12=1 ;;
esac
grep '^XLCALL32.DLL:' "$work/imports" >"$work/xlcall" || true
if [ "$excel12" -eq 1 ]; then
  xlcall_expected=(XLCALL32.DLL:XLCallVer)
  xlcall_description="XLCallVer by name"
else
  xlcall_expected=(XLCALL32.DLL:#2 XLCALL32.DLL:#3)
  xlcall_description="ordinals 2 and 3"
fi
printf '%s\n' "${xlcall_expected[@]}" >"$work/xlcall.expected"
cmp -s "$work/xlcall" "$work/xlcall.expected" ||
  fail "XLCALL32 imports are $(tr '\n' ' ' <"$work/xlcall")instead of $xlcall_description"
calls=(USER32.DLL:MessageBoxA)
if [ "$companion" -eq 0 ]; then
  calls+=(USER32.DLL:EnumWindows USER32.DLL:GetClassNameA USER32.DLL:GetParent KERNEL32.DLL:CompareStringA
    KERNEL32.DLL:lstrlenA KERNEL32.DLL:QueryPerformanceFrequency KERNEL32.DLL:QueryPerformanceCounter)
fi
if [ "$excel12" -eq 1 ]; then
  calls+=(KERNEL32.DLL:GetModuleHandleW KERNEL32.DLL:GetProcAddress)
fi
for call in "${calls[@]}"; do
  grep -qx "$call" "$work/imports" || fail "does not import $call"
done
# No inexact maths function from msvcrt: its last bits differ from other C
# libraries' (the same list as the Linux add-in's maths_imports test).
inexact="$(paste -sd'|' "$root/cmake/inexact_maths_functions.txt")"
if grep -E "^MSVCRT\.DLL:_?($inexact)[fl]?\$" "$work/imports" >"$work/inexact"; then
  fail "imports inexact C-library maths functions: $(cut -d: -f2 "$work/inexact" | tr '\n' ' ')"
fi

# Exports: exactly the entry points and, for the add-in itself, the
# worksheet functions of both tables.
sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' "$work/dump" | sort >"$work/exports"
if [ "$excel12" -eq 1 ]; then
  printf '%s\n' xlAutoOpen xlAutoClose xlAddInManagerInfo12 xlAutoFree12 >"$work/exports.expected"
else
  printf '%s\n' xlAutoOpen xlAutoClose xlAddInManagerInfo xlAutoFree >"$work/exports.expected"
fi
if [ "$companion" -eq 0 ]; then
  c++ -std=c++20 -I"$root" -o "$work/procedures" "$here/table_procedures.cpp"
  "$work/procedures" >"$work/registered"
  "$work/procedures" --extras >"$work/unregistered"
  registered=$(wc -l <"$work/registered")
  unregistered=$(wc -l <"$work/unregistered")
  [ "$registered" -eq 88 ] || fail "the registration table has $registered rows, not 88"
  [ "$unregistered" -eq 30 ] || fail "the table of exported-only functions has $unregistered rows, not 30"
  cat "$work/registered" "$work/unregistered" >>"$work/exports.expected"
fi
sort -o "$work/exports.expected" "$work/exports.expected"
if ! cmp -s "$work/exports" "$work/exports.expected"; then
  fail "exports differ from the expected $(wc -l <"$work/exports.expected") names (< missing, > unexpected):"
  diff "$work/exports.expected" "$work/exports" | grep '^[<>]' >&2 || true
fi

if [ "$status" -eq 0 ]; then
  echo "check_xll: $xll: $format, imports $(tr '\n' ' ' <"$work/dlls")(XLCALL32: $xlcall_description), $(wc -l <"$work/exports") exports"
fi
exit "$status"
