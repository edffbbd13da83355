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
((failed == 0)) && echo "script tests passed"
exit "$failed"
