#!/usr/bin/env bash
# Under Wine, through WinHTTP, against a private Radicale: orvantis.exe loads examples/dav.xml
# twice (the second load adds nothing), keeping the login it was given (the password sealed
# by the data-protection API); then the registered control, through the real cscript and
# examples/load.js, loads a changed copy with the stored settings, and the server holds the
# change.
# usage: dav_wine_test.sh WINE-PREFIX-SCRIPT PREFIX ORVANTIS.EXE ORVANTIS.OCX SOURCE-DIR WORK-DIR
# (run inside tests/dav/with-radicale)
set -euo pipefail
wine_prefix=$1 prefix=$2 exe=$3 ocx=$4 source=$5 work=$6
rm -rf "$work" && mkdir -p "$work"
windows() { printf 'Z:%s' "${1//\//\\}"; }
run() { TZ=Europe/Paris "$wine_prefix" run "$prefix" "$@"; }
status=0
fail() { echo "FAIL $*"; status=1; }

configuration='HKCU\Software\OrvantisAgent\Configuration'
forget() {
    for value in DavUrl DavUser DavAddressBook DavCalendar DavTaskCalendar DavPassword; do
        run reg delete "$configuration" /v "$value" /f >/dev/null 2>&1 || true
    done
}
trap forget EXIT
forget

/usr/bin/python3 "$source/tests/dav/dav_collections.py"
load_exe() {  # load_exe EXPECTED-COUNTS OPTION...
    local expected=$1 said
    shift
    run "$exe" load "$@" "$(windows "$source/examples/dav.xml")" 2>"$work/exe.stderr" ||
        fail "orvantis.exe: $(cat "$work/exe.stderr")"
    said=$(cat "$work/exe.stderr")
    [[ $said == *"$expected"* ]] || fail "orvantis.exe said: $said (expected $expected)"
    [[ $said != *secret* ]] || fail "orvantis.exe showed the password"
}
load_exe "created 7, updated 0, unchanged 0" --dav-url "$ORVANTIS_DAV_URL" \
    --dav-user "$ORVANTIS_DAV_USER" --dav-password-file "$(windows "$ORVANTIS_DAV_PASSWORD_FILE")"
# The server cuts the one URL with a comma, so that card differs and is written again.
load_exe "created 0, updated 1, unchanged 6"

sed 's/Met at the Lyon trade fair\./Met in Lyon./' "$source/examples/dav.xml" >"$work/changed.xml"
run regsvr32 /s "$(windows "$ocx")" || fail "regsvr32 exited with $?"
output=$(run cscript //nologo "$(windows "$source/examples/load.js")" \
    "$(windows "$work/changed.xml")" 2>&1) || true
[[ ${output%$'\r'} == loaded ]] || fail "load.js: $output"
grep -rqs "Met in Lyon" "$ORVANTIS_DAV_STORAGE" || fail "the control's change did not reach the server"
items=$(find "$ORVANTIS_DAV_STORAGE" -name '*.vcf' -o -name '*.ics' | grep -vc '/\.Radicale' || true)
[[ $items == 7 ]] || fail "the server holds $items items, expected 7"
exit $status
