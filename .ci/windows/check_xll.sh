#!/usr/bin/env bash
# Structural gate of a Windows add-in, read from its PE tables with objdump:
# it must import exactly KERNEL32, msvcrt and USER32 (the calls named below
# among them) plus Excel's XLCALL32 by ordinals 2 and 3 only, and export
# exactly the four entry points and the 113 worksheet functions, undecorated.
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
grep '^XLCALL32.DLL:' "$work/imports" >"$work/xlcall" || true
printf '%s\n' 'XLCALL32.DLL:#2' 'XLCALL32.DLL:#3' >"$work/xlcall.expected"
cmp -s "$work/xlcall" "$work/xlcall.expected" ||
  fail "XLCALL32 imports are $(tr '\n' ' ' <"$work/xlcall")instead of ordinals 2 and 3"
for call in USER32.DLL:EnumWindows USER32.DLL:GetClassNameA USER32.DLL:GetParent USER32.DLL:MessageBoxA \
  KERNEL32.DLL:CompareStringA KERNEL32.DLL:lstrlenA KERNEL32.DLL:QueryPerformanceFrequency \
  KERNEL32.DLL:QueryPerformanceCounter; do
  grep -qx "$call" "$work/imports" || fail "does not import $call"
done

# Exports: exactly the entry points and the worksheet functions.
sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' "$work/dump" | sort >"$work/exports"
c++ -std=c++20 -I"$root" -o "$work/procedures" "$here/registered_procedures.cpp" "$root/addin/registration_table.cpp"
"$work/procedures" >"$work/registered"
registered=$(wc -l <"$work/registered")
[ "$registered" -eq 88 ] || fail "the registration table has $registered rows, not 88"
{
  cat "$work/registered" "$here/unregistered_exports.txt"
  printf '%s\n' xlAutoOpen xlAutoClose xlAddInManagerInfo xlAutoFree
} | sort >"$work/exports.expected"
if ! cmp -s "$work/exports" "$work/exports.expected"; then
  fail "exports differ from the expected 117 names (< missing, > unexpected):"
  diff "$work/exports.expected" "$work/exports" | grep '^[<>]' >&2 || true
fi

if [ "$status" -eq 0 ]; then
  echo "check_xll: $xll: $format, imports $(tr '\n' ' ' <"$work/dlls")(XLCALL32 by ordinals 2, 3), $(wc -l <"$work/exports") exports"
fi
exit "$status"
