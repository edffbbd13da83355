#!/usr/bin/env bash
# Registers Orvantis.ocx in the test prefix with regsvr32 and runs the JScript and VBScript
# tests with the real cscript, while BoxWatcher answers (and logs) their message boxes;
# what the boxes say is checked in the in-process tests.
# usage: run-script-tests.sh WINE-PREFIX-SCRIPT PREFIX OCX BOXWATCHER SCRIPT-FOLDER
set -euo pipefail
wine_prefix=$1 prefix=$2 ocx=$3 watcher=$4 scripts=$5
run() { "$wine_prefix" run "$prefix" "$@"; }
work=$(mktemp -d)
trap 'touch "$work/stop"; wait; rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }

run regsvr32 /s "$ocx" || fail "regsvr32 exited with $?"

run "$watcher" "$work/boxes.log" "$work/stop" &
for _ in $(seq 100); do [[ -f $work/boxes.log ]] && break; sleep 0.1; done
for script in control.js control.vbs; do
    cp "$scripts/$script" "$work/$script"
    before=$(wc -l <"$work/boxes.log")
    # cscript takes a leading "/" for a switch: it is given the Windows path.
    windows_path=$(run winepath -w "$work/$script")
    if ! output=$(run cscript //nologo "$windows_path" 2>&1); then fail "$script: $output"; fi
    [[ -n $output ]] && echo "$output"
    boxes=$(( $(wc -l <"$work/boxes.log") - before ))
    ((boxes == 1)) || fail "$script showed $boxes message boxes, not 1"
done
touch "$work/stop"
wait
if grep -vx Orvantis "$work/boxes.log"; then fail "unexpected boxes (above)"; fi
((failed == 0)) && echo "script tests passed"
exit "$failed"
