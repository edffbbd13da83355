#!/usr/bin/env bash
# Loads examples/ics.xml with the Windows orvantis.exe under Wine into a fresh folder and holds
# its files to the ones the Linux build writes (tests/targets/data), byte for byte apart from
# the time stamps, with both in the same time zone.
# usage: ics_wine_test.sh WINE-PREFIX-SCRIPT PREFIX ORVANTIS.EXE SOURCE-DIR WORK-DIR
set -euo pipefail
wine_prefix=$1 prefix=$2 exe=$3 source=$4 work=$5
rm -rf "$work" && mkdir -p "$work"
windows() { printf 'Z:%s' "${1//\//\\}"; }
TZ=Europe/Paris "$wine_prefix" run "$prefix" "$exe" load --output "$(windows "$work")" \
    "$(windows "$source/examples/ics.xml")" 2>"$work.stderr" || { cat "$work.stderr"; exit 1; }
status=0
for kind in ics vcf; do
    files=("$work"/*."$kind")
    if [[ ${#files[@]} -ne 1 || ! -f ${files[0]} ]]; then
        echo "no single .$kind file in $work"; status=1; continue
    fi
    if ! /usr/bin/python3 -c '
import re, sys
strip = lambda b: re.sub(rb"\r\n(DTSTAMP|REV):[^\r]*", b"", b)
sys.exit(strip(open(sys.argv[1], "rb").read()) != open(sys.argv[2], "rb").read())' \
        "${files[0]}" "$source/tests/targets/data/ics-example.$kind"; then
        echo "${files[0]} differs from tests/targets/data/ics-example.$kind"; status=1
    fi
done
exit $status
