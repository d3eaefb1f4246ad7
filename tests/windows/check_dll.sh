#!/usr/bin/env bash
# Static check of the 32-bit barsize.dll, which cannot run on this machine:
#   - PE32 for i386;
#   - its export table holds exactly the nine undecorated names;
#   - it imports from system DLLs only (KERNEL32, msvcrt);
#   - nothing in it can raise a C++ exception;
#   - each export pops its own arguments: every `ret` in it is `ret $(4 x count)`.
# Usage: check_dll.sh path/to/barsize.dll [objdump]   (exit 0 only if all hold)
set -euo pipefail

dll=$1
objdump=${2:-i686-w64-mingw32-objdump}
nm=${objdump%objdump}nm

# name and argument count of every export
expected="getBarCodeWidth 7
get1DBarCodeWidth 7
getBarCodeWidth2D 9
get2DBarCodeWidth 9
getPDF417Width 9
getPDF417Height 9
getQRCodeWidth 5
getGS1Width 5
getGS1Height 5"

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

headers=$("$objdump" -f "$dll")
private=$("$objdump" -p "$dll")

if grep -q 'file format pei-i386' <<<"$headers" && grep -q '^architecture: i386' <<<"$headers"; then
    pass
else
    fail "not a PE32 i386 image: $(grep -m1 'file format' <<<"$headers")"
fi

# "[Ordinal/Name Pointer] Table" lines: [index into the address table] name
exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ {on = 1; next}
               on && /^[[:space:]]*$/ {on = 0}
               on && match($0, /\[ *[0-9]+\] /) {
                   index_ = substr($0, RSTART + 1, RLENGTH - 3) + 0
                   print index_, substr($0, RSTART + RLENGTH)
               }' <<<"$private")
found_names=$(awk '{print $2}' <<<"$exports" | sort)
wanted_names=$(awk '{print $1}' <<<"$expected" | sort)
if [ "$found_names" = "$wanted_names" ]; then
    pass
else
    fail "export table is not exactly the nine names:"
    diff <(echo "$wanted_names") <(echo "$found_names") || true
fi

imports=$(awk '/DLL Name:/ {print $3}' <<<"$private")
if [ -n "$imports" ] && ! grep -viq -E '^(KERNEL32|msvcrt)\.dll$' <<<"$imports"; then
    pass
else
    fail "imports from other than KERNEL32.dll and msvcrt.dll: $(echo $imports)"
fi

symbols=$("$nm" "$dll" 2>/dev/null || true)
if [ -z "$symbols" ]; then
    fail "no symbol table: cannot look for exception machinery"
elif grep -Eq ' (___cxa_throw|___cxa_rethrow|__Unwind_RaiseException|__Unwind_SjLj_RaiseException)$' <<<"$symbols"; then
    fail "the DLL holds code that raises C++ exceptions: $(grep -E 'cxa_throw|cxa_rethrow|RaiseException' <<<"$symbols" | awk '{print $3}' | tr '\n' ' ')"
else
    pass
fi

# Address table: "[index] +base[ordinal] RVA Export RVA"
image_base=$(awk '/^ImageBase/ {print $2}' <<<"$private")
rvas=$(awk '/Export Address Table -- Ordinal Base/ {on = 1; next}
            on && /^[[:space:]]*$/ {on = 0}
            on && match($0, /^[[:space:]]*\[ *[0-9]+\]/) {
                index_ = substr($0, RSTART, RLENGTH); gsub(/[^0-9]/, "", index_)
                for (i = 1; i <= NF; i++) if ($i == "Export" && $(i + 1) == "RVA") print index_ + 0, $(i - 1)
            }' <<<"$private")
# every code symbol address, to know where a function ends
starts=$(awk '$2 ~ /^[Tt]$/ {print toupper($1)}' <<<"$symbols" | sort -u)

while read -r name count; do
    index_=$(awk -v n="$name" '$2 == n {print $1}' <<<"$exports")
    rva=$(awk -v i="$index_" '$1 == i {print $2}' <<<"$rvas")
    if [ -z "$index_" ] || [ -z "$rva" ]; then
        fail "$name: no address"
        continue
    fi
    start=$(printf "%0${#image_base}X" $((0x$image_base + 0x$rva)))
    # the addresses are hex strings of one length: compare them as strings
    stop=$(awk -v s="$start" '($1 "") > (s "") {print; exit}' <<<"$starts")
    [ -n "$stop" ] || stop=$(printf '%X' $((0x$start + 4096)))
    rets=$("$objdump" -d --no-show-raw-insn --start-address=0x$start --stop-address=0x$stop "$dll" |
        awk '$2 ~ /^ret/ {print $2, $3}' || true)
    want=$(printf 'ret $0x%x' $((4 * count)))
    if [ -n "$rets" ] && ! grep -vqxF "$want" <<<"$rets"; then
        pass
    else
        fail "$name: returns with '$(echo $rets)', expected '$want' (pops its $count arguments)"
    fi
done <<<"$expected"

echo "barsize.dll static check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
