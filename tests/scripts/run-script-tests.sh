#!/usr/bin/env bash
# Registers Orvantis.ocx in the test prefix with regsvr32 and runs the JScript and VBScript
# tests with the real cscript. They show no message box: one would stop the run until the
# test's timeout (boxes are checked in-process by com_tests).
# usage: run-script-tests.sh WINE-PREFIX-SCRIPT PREFIX OCX SCRIPT-FOLDER
set -euo pipefail
wine_prefix=$1 prefix=$2 ocx=$3 scripts=$4
run() { "$wine_prefix" run "$prefix" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }

run regsvr32 /s "$ocx" || fail "regsvr32 exited with $?"
for script in control.js control.vbs; do
    cp "$scripts/$script" "$work/$script"
    # cscript takes a leading "/" for a switch: it is given the Windows path.
    windows_path=$(run winepath -w "$work/$script")
    if ! output=$(run cscript //nologo "$windows_path" 2>&1); then fail "$script: $output"; fi
    [[ -n $output ]] && echo "$output"
done

# The examples hand the control the file's text as written: "<br />" stays markup (MSXML's
# re-serialisation made it "<br/>", which the control turns into a line break, and the
# reminder "1<br />5" into a type mismatch), and a UTF-16 file is decoded by its mark.
examples=$(dirname "$scripts")/../examples
document='<datas open="none"><event><reminder>1<br />5</reminder></event></datas>'
printf '\xef\xbb\xbf%s' "$document" >"$work/utf8.xml"
{ printf '\xff\xfe'; printf '%s' "$document" | iconv -f UTF-8 -t UTF-16LE; } >"$work/utf16.xml"
printf '<r><datas/></r>' >"$work/no-open.xml"
expect() {  # expect SCRIPT FILE STATUS OUTPUT
    local status=0 output
    output=$(run cscript //nologo "$(run winepath -w "$examples/$1")" "$(run winepath -w "$2")" 2>&1) ||
        status=$?
    output=${output%$'\r'}
    [[ $status == "$3" && $output == $4 ]] || fail "$1 $(basename "$2"): status $status, $output"
}
for script in load.js load.vbs; do
    expect "$script" "$work/utf8.xml" 0 loaded
    expect "$script" "$work/utf16.xml" 0 loaded
    expect "$script" "$work/no-open.xml" 1 "error 91: *"
    expect "$script" "$work/missing.xml" 2 "cannot read *"
done

((failed == 0)) && echo "script tests passed"
exit "$failed"
