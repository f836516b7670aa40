#!/usr/bin/env bash
# The Windows checks: cross-compiles both add-ins, their companions and the
# hosts (./zq xll, with its objdump gate), then runs every conformance case
# through zqhost64.exe under 64-bit Wine and through zqhost32.exe under
# 32-bit Wine, comparing with the same expected files as the Linux build,
# byte for byte. The same host process runs each case a second time through
# the add-in and its companion with the host's own registration off (the
# "extras" pass; sheets that list the registrations are not compared there,
# the list being what differs). The Excel 12 flavour (zqrand12_*.xll) runs
# every case too, alone, in one more host process per width.
# Installs its own packages with apt and needs no display. Where the machine
# cannot execute 32-bit x86 code, 32-bit Wine runs under qemu-i386 (binfmt
# entry registered for the run and removed afterwards), in one process for
# all cases because each start costs about a minute there.
#   .ci/windows/wine_test.sh
# Environment: ZQ_WINE32_EMULATION=1 forces the emulation even where 32-bit
# code runs natively.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"

work="$root/build-wine"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine64=/usr/lib/wine/wine64
wine32=/usr/lib/wine/wine
binfmt=/proc/sys/fs/binfmt_misc
binfmt_entry=zq-qemu-i386
start=$SECONDS

say() { echo "wine-test [$((SECONDS - start))s]: $*" >&2; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

apt_install() {
  say "installing $*"
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "$@" >&2
}

install_wine() {
  [ -x "$wine64" ] && [ -x "$wine32" ] && return 0
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  apt_install wine wine32 wine64
}

# The prefix is created by 64-bit Wine (which needs no 32-bit code) and uses
# the null display driver: real windows exist without any display, and the
# host itself closes the add-in's about box.
make_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating the Wine prefix"
    mkdir -p "$work"
    timeout 300 "$wine64" wineboot --init
    timeout 60 "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
    "${wine64%/*}/wineserver" -k || true
  fi
}

# compare_case BITS AREA RESULT: RESULT.out, .err and .exit against the
# case's expected files.
compare_case() {
  local bits="$1" area="$2" result="$3" expected_exit=0 expected_errors=/dev/null failed=0
  local label="$bits-bit $(basename "$result")"
  if [ -f "tests/conformance/$area.errors" ]; then
    expected_exit=2
    expected_errors="tests/conformance/$area.errors"
  fi
  sed -i 's/\r$//' "$result.out" "$result.err" "$result.exit"
  if ! cmp -s "tests/conformance/$area.expected" "$result.out"; then
    echo "wine-test: $label: standard output differs from tests/conformance/$area.expected:" >&2
    diff -u "tests/conformance/$area.expected" "$result.out" | head -40 >&2 || true
    failed=1
  fi
  if ! cmp -s "$expected_errors" "$result.err"; then
    echo "wine-test: $label: standard error differs:" >&2
    diff -u "$expected_errors" "$result.err" | head -20 >&2 || true
    failed=1
  fi
  if [ "$(cat "$result.exit")" != "$expected_exit" ]; then
    echo "wine-test: $label: exit code $(cat "$result.exit"), expected $expected_exit" >&2
    failed=1
  fi
  return "$failed"
}

# run_cases BITS WINE: one host process for all cases and both passes; then
# the comparison.
run_cases() {
  local bits="$1" wine="$2" failed=0 compared=0
  local out="$work/out$bits"
  rm -rf "$out"
  mkdir -p "$out"
  local cases=(tests/conformance/*.zq)
  say "running ${#cases[@]} cases through zqhost$bits.exe, alone and with the companion"
  timeout 1800 "$wine" "build-win$bits/zqhost$bits.exe" --addin "build-win$bits/zqrand$bits.xll" \
    --cases "$out" --pass extras "--extras --registered-only" "${cases[@]}"
  for case in "${cases[@]}"; do
    local area
    area="$(basename "$case" .zq)"
    compare_case "$bits" "$area" "$out/$area" || failed=1
    compared=$((compared + 1))
    if ! grep -qs -- --list "tests/conformance/$area.options"; then
      compare_case "$bits" "$area" "$out/$area.extras" || failed=1
      compared=$((compared + 1))
    fi
  done
  if [ "$failed" -eq 0 ]; then
    say "$bits-bit: all $compared runs of ${#cases[@]} cases passed"
  fi
  return "$failed"
}

# run_cases12 BITS WINE: the Excel 12 flavour alone, every case but those
# that list the registrations and the classic 16-bit sizes, in one host
# process; then the comparison.
run_cases12() {
  local bits="$1" wine="$2" failed=0 cases=()
  local out="$work/out12_$bits"
  rm -rf "$out"
  mkdir -p "$out"
  for case in tests/conformance/*.zq; do
    local area
    area="$(basename "$case" .zq)"
    [ "$area" = classic_sizes ] && continue
    grep -qs -- --list "tests/conformance/$area.options" && continue
    cases+=("$case")
  done
  say "running ${#cases[@]} cases through zqhost$bits.exe with zqrand12_$bits.xll"
  timeout 1800 "$wine" "build-win$bits/zqhost$bits.exe" --addin "build-win$bits/zqrand12_$bits.xll" \
    --cases "$out" "${cases[@]}"
  for case in "${cases[@]}"; do
    compare_case "$bits" "$(basename "$case" .zq)" "$out/$(basename "$case" .zq)" || failed=1
  done
  if [ "$failed" -eq 0 ]; then
    say "$bits-bit Excel 12 flavour: all ${#cases[@]} cases passed"
  fi
  return "$failed"
}

# check_option_value BITS WINE: the option value through the add-in and its
# companion alone, as a user would call it. (Only where a process start is
# cheap: the first line of finance.zq's extras run is the same call.)
check_option_value() {
  local bits="$1" wine="$2" value
  value="$(timeout 600 "$wine" "build-win$bits/zqhost$bits.exe" --addin "build-win$bits/zqrand$bits.xll" --extras \
    --registered-only --quiet 'ZQOPTIONBS(1,100,100,1,0.2,0.05,0)' | tr -d '\r')"
  if [ "$value" != 10.450575619322237 ]; then
    echo "wine-test: $bits-bit ZQOPTIONBS through the companion gave '$value', not 10.450575619322237" >&2
    return 1
  fi
  say "$bits-bit: ZQOPTIONBS(1,100,100,1,0.2,0.05,0) = $value through the companion"
}

runs_32bit_natively() {
  [ "${ZQ_WINE32_EMULATION:-0}" != 1 ] && "$wine32" --version >/dev/null 2>&1
}

# 32-bit code through qemu-i386: Wine's 32-bit DLLs are linked into the
# prefix (its 32-bit half could not set them up), then a binfmt entry sends
# every 32-bit x86 program to the emulator until the run ends.
start_emulation() {
  command -v qemu-i386-static >/dev/null || apt_install qemu-user-static
  local syswow64="$WINEPREFIX/drive_c/windows/syswow64" file
  mkdir -p "$syswow64"
  for file in /usr/lib/i386-linux-gnu/wine/i386-windows/*.dll /usr/lib/i386-linux-gnu/wine/i386-windows/*.exe; do
    [ -e "$syswow64/$(basename "$file")" ] || ln -s "$file" "$syswow64/"
  done
  [ -e "$binfmt/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/$binfmt_entry" ]; then
    printf '%s' ":$binfmt_entry:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$(command -v qemu-i386-static):F" |
      $sudo tee "$binfmt/register" >/dev/null
    trap stop_emulation EXIT
  fi
  say "32-bit code runs under qemu-i386 emulation"
}

stop_emulation() {
  "${wine64%/*}/wineserver" -k 2>/dev/null || true
  if [ -e "$binfmt/$binfmt_entry" ]; then echo -1 | $sudo tee "$binfmt/$binfmt_entry" >/dev/null; fi
}

install_wine
./zq xll
say "both add-ins built and checked"
make_prefix

status=0
run_cases 64 "$wine64" || status=1
run_cases12 64 "$wine64" || status=1
check_option_value 64 "$wine64" || status=1
if ! runs_32bit_natively; then start_emulation; fi
run_cases 32 "$wine32" || status=1
run_cases12 32 "$wine32" || status=1
"${wine64%/*}/wineserver" -k 2>/dev/null || true
say "done"
exit "$status"
