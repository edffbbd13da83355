#!/usr/bin/env bash
# What Windows reads from Orvantis.ocx before it runs a line of it, checked without Wine, so it
# holds on machines that cannot run the build's architecture: the machine type, the exports
# under the undecorated names that regsvr32, rundll32 and the COM loader look up (a 32-bit
# stdcall export keeps its @n without --enable-stdcall-fixup), and the embedded type library
# built for the platform whose key it registers under (win32 or win64).
# usage: check-control-binary.sh OBJDUMP Orvantis.ocx x86|x64
set -uo pipefail
objdump=$1 ocx=$2 arch=$3
case $arch in
    x86) format=pei-i386 syskind=1 key=win32 ;;
    x64) format=pei-x86-64 syskind=3 key=win64 ;;
    *) echo "usage: $0 OBJDUMP OCX x86|x64" >&2; exit 2 ;;
esac
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$("$objdump" -p "$ocx") || { echo "FAIL: $objdump cannot read $ocx"; exit 1; }
grep -q "file format $format\$" <<<"$headers" || fail "$ocx is not $format"
# The export table's name column: "[ordinal] Name".
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | sed -n 's/^\s*\[\s*[0-9]*\] //p')
for name in DllRegisterServer DllUnregisterServer DllGetClassObject DllCanUnloadNow DllInstall \
            ChooseOutlookAddressBook ChooseDavCollections ForgetSites; do
    grep -qx "$name" <<<"$exports" || fail "no export named $name (exports: $(echo $exports))"
done

# The type library (resource TYPELIB 1) begins with the MSFT header; its varflags word, 20
# bytes in, holds the SYSKIND in its low bits: 1 for win32, 3 for win64.
offset=$(grep -obUaP 'MSFT\x02\x00\x01\x00' "$ocx" | head -1 | cut -d: -f1)
if [[ -z $offset ]]; then
    fail "no type library in $ocx"
else
    flags=$(od -An -tu4 -j $((offset + 20)) -N4 "$ocx" | tr -d ' ')
    (((flags & 15) == syskind)) || fail "the type library's SYSKIND is $((flags & 15)), not $syskind ($key)"
fi

((failures == 0)) && echo "$ocx: $format, the six exports undecorated, type library for $key"
exit $((failures > 0))
