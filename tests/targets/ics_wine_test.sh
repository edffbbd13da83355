#!/usr/bin/env bash
# Loads examples/ics.xml under Wine into fresh folders, first with the Windows orvantis.exe,
# then with the registered control through the real cscript and examples/load.js (its folder
# from the setting IcsFolder), and holds each file to the one the Linux build writes
# (tests/targets/data), byte for byte apart from the time stamps, in the same time zone.
# The control also hands each file to the program registered for its type: here one that
# copies the file it is given, so the copy proves the hand-off and what was handed. (Wine's
# shell reads file types from HKCR only, not from HKCU\Software\Classes; without a program
# the control's message box would wait for a click that never comes.)
# usage: ics_wine_test.sh WINE-PREFIX-SCRIPT PREFIX ORVANTIS.EXE ORVANTIS.OCX SOURCE-DIR WORK-DIR
set -euo pipefail
wine_prefix=$1 prefix=$2 exe=$3 ocx=$4 source=$5 work=$6
rm -rf "$work" && mkdir -p "$work"/{exe,control,handed}
windows() { printf 'Z:%s' "${1//\//\\}"; }
run() { TZ=Europe/Paris "$wine_prefix" run "$prefix" "$@"; }
status=0
fail() { echo "FAIL $*"; status=1; }

same_as_linux() {  # same_as_linux FILE KIND
    /usr/bin/python3 -c '
import re, sys
strip = lambda b: re.sub(rb"\r\n(DTSTAMP|REV):[^\r]*", b"", b)
sys.exit(strip(open(sys.argv[1], "rb").read()) != open(sys.argv[2], "rb").read())' \
        "$1" "$source/tests/targets/data/ics-example.$2"
}

check_folder() {  # check_folder FOLDER: one file of each kind, as Linux writes it
    local kind files
    for kind in ics vcf; do
        files=("$1"/*."$kind")
        if [[ ${#files[@]} -ne 1 || ! -f ${files[0]} ]]; then
            fail "no single .$kind file in $1"
        elif ! same_as_linux "${files[0]}" "$kind"; then
            fail "${files[0]} differs from tests/targets/data/ics-example.$kind"
        fi
    done
}

run "$exe" load --output "$(windows "$work/exe")" "$(windows "$source/examples/ics.xml")" \
    2>"$work/exe.stderr" || fail "orvantis.exe: $(cat "$work/exe.stderr")"
check_folder "$work/exe"

configuration='HKCU\Software\OrvantisAgent\Configuration'
cleanup() {
    run reg delete "$configuration" /v IcsFolder /f >/dev/null 2>&1 || true
    for kind in ics vcf; do
        run reg delete "HKCR\\.$kind" /f >/dev/null 2>&1 || true
        run reg delete "HKCR\\OrvantisTest.$kind" /f >/dev/null 2>&1 || true
    done
}
trap cleanup EXIT
run reg add "$configuration" /v IcsFolder /d "$(windows "$work/control")" /f >/dev/null
for kind in ics vcf; do
    run reg add "HKCR\\.$kind" /ve /d "OrvantisTest.$kind" /f >/dev/null
    run reg add "HKCR\\OrvantisTest.$kind\\shell\\open\\command" /ve \
        /d "C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"$(windows "$work/handed")\"" /f >/dev/null
done
run regsvr32 /s "$(windows "$ocx")" || fail "regsvr32 exited with $?"
output=$(run cscript //nologo "$(windows "$source/examples/load.js")" \
    "$(windows "$source/examples/ics.xml")" 2>&1) || true
[[ ${output%$'\r'} == loaded ]] || fail "load.js: $output"
check_folder "$work/control"

# The programs run on their own: give them a few seconds to copy.
for _ in $(seq 50); do
    handed=("$work"/handed/*)
    [[ ${#handed[@]} -ge 2 && -f ${handed[0]} ]] && break
    sleep 0.2
done
for file in "$work"/control/*; do
    cmp -s "$file" "$work/handed/$(basename "$file")" ||
        fail "$(basename "$file") was not handed to its program as written"
done
exit $status
