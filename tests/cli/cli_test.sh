#!/usr/bin/env bash
# The orvantis command line as a user runs it: output, exit status, error messages.
# usage: cli_test.sh ORVANTIS EXAMPLES_DIR
set -u
orvantis=$1
examples=$2
golden_dir=$(dirname "$0")/golden
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CACHE_HOME= XDG_CONFIG_HOME=
mkdir -p "$HOME"
passed=0 failed=0

check() {  # check NAME CONDITION...
    local name=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
run() {  # run ARGS...: sets out, err, status
    out=$("$orvantis" "$@" 2>"$work/err"); status=$?; err=$(cat "$work/err")
}
section() {  # section PRODUCT: one product's part of a sandbox listing on standard input
    awk -v product="$1" '/^[^ ]/ { shown = index($0, product) == 1 } shown'
}

# Every example against its golden output: which records a document yields, in which order,
# with every field read into its property and converted.
for golden in "$golden_dir"/*.check.jsonl; do
    name=$(basename "$golden" .check.jsonl)
    run check "$examples/$name.xml"
    check "check $name.xml matches its golden output" test "$status:$out" = "0:$(cat "$golden")"
done
check "check writes nothing" test -z "$(ls -A "$HOME")"

printf '\xff\xfe' >"$work/utf16.xml"
printf '<datas open="msn"><contact><lastname>Lé</lastname></contact></datas>' | iconv -f UTF-8 -t UTF-16LE >>"$work/utf16.xml"
run check "$work/utf16.xml"
check "UTF-16 with a BOM" grep -q '"Lastname":"Lé"' <<<"$out"
printf '\xef\xbb\xbf<r><contact><lastname>Bom</lastname></contact></r>' >"$work/bom.xml"
run check "$work/bom.xml"
check "UTF-8 with a BOM" grep -q '"Lastname":"Bom"' <<<"$out"

run check - <<<'<r><contact></r>'  # standard input too
check "parse error: exit 1, a box on stderr, no record" grep -q '^1::\[Orvantis\] Error code: ' <<<"$status:$out:$err"

run check - <<<'<!DOCTYPE datas><datas open="msn"/>'
check "a document type is refused as the control refuses it" grep -q '^Reason: A document type declaration is not allowed here\.' <<<"$err"
printf '<datas open="x"><contact><notes>%*s\x1b[2J<bad</notes></contact></datas>' 100000 x >"$work/long-line.xml"
run check "$work/long-line.xml"
check "a parse error shows a short excerpt with controls escaped" \
    test "$(wc -c <<<"$err")" -lt 400 -a "$(grep -c $'\x1b' <<<"$err")" = 0
: >"$work/empty.xml"
run check "$work/empty.xml"
check "an empty file is said to be empty" grep -qx 'Reason: The document is empty\.' <<<"$err"

run load - <<<'<datas open="x"><event><start>20060230T100000</start></event></datas>'
check "conversion error exits 1 with its line" test "$status:$err" = '1:orvantis: error 13: Type mismatch'
run load - <<<'<r><datas/></r>'
check "datas without open is 91" grep -q '^orvantis: error 91: ' <<<"$err"

run load "$examples/no-target.xml"
check "load says what it loaded: nothing, with no target" test "$status:$err" = '0:orvantis: loaded 0 contact(s), 0 event(s), 0 task(s) into ""'

run load - <<<'<datas open="msn"><contact/></datas>'
check "missing plug-in is 424" grep -q '^orvantis: error 424: Object required' <<<"$err"

mkdir -p "$HOME/.config/OrvantisAgent"
printf '[Configuration]\nGoldmineUser=jdupont\nGoldminePassword=c2VjcmV0\n' >"$HOME/.config/OrvantisAgent/Configuration.ini"
run settings
check "settings show the user and mask the password" test "$out" = "$(printf 'GoldmineUser=jdupont\nGoldminePassword=********\nGroupWiseAddressBook=\nOutlookAddressBook=')"
printf '\xef\xbb\xbf[Configuration]\nGoldmineUser=two\\nlines \\\\ \\t\n' >"$HOME/.config/OrvantisAgent/Configuration.ini"
run settings
check "settings: a BOM is allowed, one line per setting" grep -qx 'GoldmineUser=two\\nlines \\\\ \\t' <<<"$out"
printf 'not a key file\n' >"$HOME/.config/OrvantisAgent/Configuration.ini"
run settings
check "damaged settings exit 1 with error 321" grep -q '^1:orvantis: error 321: Invalid file format: .*Configuration.ini' <<<"$status:$err"
rm -r "$HOME/.config"

run load "$examples/desktop.xml"
check "desktop notes in the desktop folder, a slash kept inside" test "$status" = 0 -a -f "$HOME/Desktop/Garnier Conseil.rtf" -a -f "$HOME/Desktop/Baker_Hughes_ Logistics.rtf"
run load "$examples/oexpress.xml"
check "vCard in the cache folder" test "$status" = 0 -a -s "$HOME/.cache/orvantis.gif"
check "missing address book reported" grep -q '^\[Orvantis\] Last Error Number was: 53' <<<"$err"
rm -rf "$HOME/Desktop" "$HOME/.cache"

run check "$work/does-not-exist.xml"
check "unreadable file exits 2" test "$status" = 2
run check "$work"
check "a folder is an unreadable file" test "$status:$err" = "2:orvantis: cannot read $work"
mkdir "$work/cwd"
(cd "$work/cwd" && env -u HOME "$orvantis" load "$examples/desktop.xml" 2>"$work/err"); status=$?
check "no home: 76 and nothing in the current folder" \
    test "$status:$(head -c 19 "$work/err"):$(ls -A "$work/cwd")" = "1:orvantis: error 76::"
printf '<r>\xc3\x28</r>' >"$work/bad-utf8.xml"
run check "$work/bad-utf8.xml"
check "invalid UTF-8 exits 2" test "$status" = 2
run frobnicate x
check "unknown command exits 2" test "$status" = 2
run --version
check "version" grep -qE '^orvantis [0-9]+\.[0-9]+\.[0-9]+$' <<<"$out"
run --help
check "help" grep -q 'orvantis check FILE' <<<"$out"

# The sandbox: worlds kept as files, written after a load (a failing one too), shown readably.
# Loading the Outlook example twice, after choosing the second contact folder, updates its
# contact there and adds its appointment and task again: the golden listing pins every field.
sandbox="$work/sandbox"
run load "$examples/outlook.xml"
check "without a sandbox Outlook is not there" grep -q '^1:orvantis: error 429: .*Outlook.Application' <<<"$status:$err"
run choose-address-book outlook --sandbox "$sandbox" --address-book "Business Contacts"
run choose-address-book outlook --sandbox "$sandbox" --address-book Clients
check "a name no folder has lists the folders" grep -q '^1:.*error 5: .*"Contacts", "Business Contacts"' <<<"$status:$err"
run load --sandbox "$sandbox" "$examples/outlook.xml"
run load --sandbox "$sandbox" "$examples/outlook.xml"
run sandbox show "$sandbox"
check "sandbox show after two loads matches its golden output" \
    test "$(section Outlook <<<"$out")" = "$(cat "$golden_dir/outlook.sandbox.txt")"
# Notes: loaded twice, the contact is updated in place (its notes and picture replaced, not
# added again), the appointment and the task added again. Linux has no component registry,
# so nothing is run to register the Notes library, whatever answers to regsvr32 on the PATH.
mkdir "$work/bin"
printf '#!/bin/sh\ntouch "%s/regsvr32-ran"\n' "$work" >"$work/bin/regsvr32"
chmod +x "$work/bin/regsvr32"
PATH="$work/bin:$PATH" run load "$examples/notes.xml"
check "without a sandbox Notes is not there" grep -q '^1:orvantis: error 429: .*Lotus.NotesSession' <<<"$status:$err"
PATH="$work/bin:$PATH" run load --sandbox "$sandbox" "$examples/notes.xml"
PATH="$work/bin:$PATH" run load --sandbox "$sandbox" "$examples/notes.xml"
check "no regsvr32 started on Linux" test ! -e "$work/regsvr32-ran"
run sandbox show "$sandbox"
check "Notes after two loads matches its golden output" \
    test "$(section 'Lotus Notes' <<<"$out")" = "$(cat "$golden_dir/notes.sandbox.txt")"
printf '{"configuration": {"Initialize": {"number": -2147217504, "description": "Wrong Password"}}}' >"$sandbox/notes.json"
run load --sandbox "$sandbox" "$examples/notes.xml"
check "a session that will not start: one box per item, its carriage return a line break" test "$status:$err" = "0:$(
    for i in 1 2 3; do printf '[Orvantis Agent Alert] A error has been procedeed during the Lotus Notes insertion.\nPlease check your password\n'; done
    printf 'orvantis: loaded 1 contact(s), 1 event(s), 1 task(s) into "notes"')"
check "a refused session writes nothing" test "$(section 'Lotus Notes' < <("$orvantis" sandbox show "$sandbox"))" = "$(printf 'Lotus Notes\n  names.nsf\n  mail.nsf')"

printf '{"configuration": {"Version": "11.0.5608"}}' >"$sandbox/outlook.json"
run load --sandbox "$sandbox" "$examples/no-target.xml"
check "prepared world written back with its version" grep -q '"Version": "11.0.5608"' "$sandbox/outlook.json"
check "a prepared world gets the default folders" grep -q '"name": "Tasks"' "$sandbox/outlook.json"
printf '{"containers": 1}' >"$sandbox/outlook.json"
run load --sandbox "$sandbox" "$examples/no-target.xml"
check "damaged world names its file" grep -q '^1:orvantis: error 321: Invalid file format: .*/outlook\.json: ' <<<"$status:$err"
check "damaged world stays as it was" test "$(cat "$sandbox/outlook.json")" = '{"containers": 1}'
run sandbox show "$sandbox"
check "sandbox show of a damaged world exits 1" grep -q '^1:orvantis: error 321: .*outlook\.json' <<<"$status:$err"

# ACT! and GoldMine: their login dialogs answered by options, passwords only from files.
# The golden listing pins what both products hold after these loads.
sandbox="$work/act-goldmine"
mkdir -p "$sandbox"
printf 's3cret\n' >"$work/act-password"
printf 'secret\r\nnot read\n' >"$work/goldmine-password"
printf '{"configuration": {"MultiUser": true, "Users": {"Admin": "s3cret"}}}' >"$sandbox/act.json"
run load --sandbox "$sandbox" "$examples/act.xml"
check "an ACT! login left unanswered: the database does not open, the load goes on" \
    grep -q '^Please check your database part (C:\\ACT\\Database\\Contacts\.dbf)$' <<<"$err"
check "the load goes on after the ACT! message" test "$status" = 0
run load --sandbox "$sandbox" --act-user Admin --act-password-file "$work/act-password" "$examples/act.xml"
check "no password on standard error" test "$(grep -c s3cret <<<"$err")" = 0
run load --sandbox "$sandbox" "$examples/goldmine.xml"
check "GoldMine without a stored login fails to log in" grep -q '^orvantis: error -2147352567: Login failed' <<<"$err"
check "the unanswered GoldMine dialog is closed" grep -q '^\[Goldmine parameters\] .*-> closed$' <<<"$err"
run load --sandbox "$sandbox" --goldmine-user jdupont --goldmine-password-file "$work/goldmine-password" "$examples/goldmine.xml"
run load --sandbox "$sandbox" "$examples/goldmine.xml"
check "GoldMine then logs in with the stored login" test "$status" = 0
run settings
check "the GoldMine login stored, the password masked" \
    test "$(head -2 <<<"$out")" = "$(printf 'GoldmineUser=jdupont\nGoldminePassword=********')"
run sandbox show "$sandbox"
check "sandbox show after the ACT! and GoldMine loads matches its golden output" \
    test "$(section ACT <<<"$out"; section GoldMine <<<"$out")" = "$(cat "$golden_dir/act-goldmine.sandbox.txt")"
run load --sandbox "$sandbox" --goldmine-password-file "$work/no-such-file" "$examples/goldmine.xml"
check "an unreadable password file is a usage error" test "$status" = 2
rm -r "$HOME/.config"
# GroupWise asks for the address book before every contact. Unanswered, the dialog is closed
# and no choice is stored yet: 13. A stored choice serves the loads that do not answer.
groupwise="$work/groupwise"
run load --sandbox "$groupwise" "$examples/groupwise.xml"
check "GroupWise without a choice ends with 13" \
    test "$status:$(tail -n 1 <<<"$err")" = "1:orvantis: error 13: Type mismatch"
run load --sandbox "$groupwise" --address-book Clients "$examples/groupwise.xml"
check "a name no address book has lists the address books" \
    grep -q '^1:.*error 5: .*"Novell GroupWise Address Book", "Frequent Contacts", "Customers"$' <<<"$status:$err"
run choose-address-book groupwise --sandbox "$groupwise" --address-book "Frequent Contacts"
run load --sandbox "$groupwise" "$examples/groupwise.xml"
run load --sandbox "$groupwise" --address-book 2 "$examples/groupwise.xml"
check "GroupWise loads exit 0" test "$status" = 0
run sandbox show "$groupwise"
check "GroupWise's sandbox after the loads matches its golden output" \
    test "$(section GroupWise <<<"$out")" = "$(cat "$golden_dir/groupwise.sandbox.txt")"

echo "$passed passed, $failed failed"
test "$failed" = 0
