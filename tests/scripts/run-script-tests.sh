#!/usr/bin/env bash
# Registers COM servers (.ocx, .dll) in the test prefix with regsvr32 and runs JScript and
# VBScript tests on them with the real cscript, in the order given. They show no message box:
# one would stop the run until the test's timeout (boxes are checked in-process by com_tests).
# Worlds that a stand-in server saves go to a fresh folder named by ORVANTIS_SANDBOX_DIR,
# which each script gets as its argument. Wine's cscript ends a script that raises an error silently with status 0, so a
# script proves that it ran to its end by printing "done" last.
# usage: run-script-tests.sh WINE-PREFIX-SCRIPT PREFIX SERVER-OR-SCRIPT...
set -euo pipefail
wine_prefix=$1 prefix=$2
shift 2
run() { "$wine_prefix" run "$prefix" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }

mkdir "$work/sandbox"
ORVANTIS_SANDBOX_DIR=$(run winepath -w "$work/sandbox")
export ORVANTIS_SANDBOX_DIR
for script in "$@"; do
    if [[ $script == *.ocx || $script == *.dll ]]; then
        run regsvr32 /s "$script" || fail "regsvr32 $script exited with $?"
        continue
    fi
    cp "$script" "$work/"
    # cscript takes a leading "/" for a switch: it is given the Windows path.
    windows_path=$(run winepath -w "$work/$(basename "$script")")
    if ! output=$(run cscript //nologo "$windows_path" "$ORVANTIS_SANDBOX_DIR" 2>&1) ||
        grep -q '^FAIL' <<<"$output"; then
        fail "$script: $output"
    elif [[ $(tail -n 1 <<<"$output") != done* ]]; then
        fail "$script stopped early: $output"
    else
        grep -v '^done' <<<"$output" || true
    fi
done

# The examples hand the control the file's text as written: "<br />" stays markup (MSXML's
# re-serialisation made it "<br/>", which the control turns into a line break, and the
# reminder "1<br />5" into a type mismatch), and a UTF-16 file is decoded by its mark.
scripts=$(dirname "$0")
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
