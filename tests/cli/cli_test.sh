#!/usr/bin/env bash
# The orvantis command line as a user runs it. Every command (and a few facts about files)
# goes into one transcript compared with golden/transcript.txt: command line, exit status,
# standard output (| ) and error (! ). Example `check` outputs and sandbox listings have
# their own golden files, named in the transcript. ORVANTIS_UPDATE_GOLDEN=1 rewrites every
# golden from this run: read a regenerated golden line by line before committing it, as
# whatever it holds (a wrong exit status, a leaked password) becomes what the test expects.
# usage: cli_test.sh ORVANTIS EXAMPLES_DIR
set -u
# Absolute, as one command runs from another folder.
orvantis=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
examples=$(cd "$2" && pwd)
golden_dir=$(cd "$(dirname "$0")/golden" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CACHE_HOME= XDG_CONFIG_HOME=
mkdir -p "$HOME"
transcript="$work/transcript.txt" failed=0

stable() { sed -e "s|$work|\$WORK|g" -e "s|$examples|examples|g" -e "s|$orvantis|orvantis|g"; }
note() { printf '# %s\n' "$*" >>"$transcript"; }
# record [-g GOLDEN [-p PRODUCT|...]]... [-x SED] COMMAND...: COMMAND into the transcript, its
# output (or with -p those products' listing) against GOLDEN; -x edits what varies by machine.
record() {
    local goldens=() products=() edit= arg line= i
    while [ "${1#-}" != "$1" ]; do
        case $1 in -g) goldens+=("$2") products+=("") ;; -p) products[-1]=$2 ;; -x) edit=$2 ;; esac
        shift 2
    done
    "$@" >"$work/out" 2>"$work/err"; status=$?
    [ -z "$edit" ] || sed -i -E "$edit" "$work/out" "$work/err"
    for arg; do [[ $arg =~ ^[][A-Za-z0-9_./:=@%+,-]+$ ]] && line+=" $arg" || line+=" '$arg'"; done
    { printf '$%s\n' "$line" | stable; printf '[exit %s]\n' "$status"; } >>"$transcript"
    cp "$work/out" "$work/rest"
    for i in "${!goldens[@]}"; do
        if [ -z "${products[i]}" ]; then
            compare "${goldens[i]}" "$work/out"
            printf '(golden/%s)\n' "${goldens[i]}" >"$work/rest"
        else
            sections "${products[i]}" 1 <"$work/out" >"$work/sections"
            compare "${goldens[i]}" "$work/sections"
            sections "${products[i]}" 0 "(golden/${goldens[i]})" <"$work/rest" >"$work/sections"
            mv "$work/sections" "$work/rest"
        fi
    done
    stream '| ' "$work/rest"
    stream '! ' "$work/err"
}
run() { record "$orvantis" "$@"; }
# sections PRODUCT|... 1: those products' part of a sandbox listing; ... 0 LINE: the rest, LINE instead
sections() {
    awk -v products="$1" -v keep="$2" -v instead="${3:-}" '
        /^[^ ]/ { n = split(products, p, "|"); shown = 0
                  for (i = 1; i <= n; i++) if (index($0, p[i]) == 1) shown = 1
                  if (shown && !keep && !named++) print instead }
        shown == keep'
}
input() { note "standard input: $1"; record "${@:2}" <<<"$1"; }  # input TEXT COMMAND...
stream() {  # stream PREFIX FILE: FILE's lines into the transcript, a missing last newline said
    stable <"$2" | sed "s/^/$1/" >>"$transcript"
    [ -z "$(tail -c 1 "$2")" ] || printf '\n%s\\ no newline at end\n' "$1" >>"$transcript"
}
compare() {  # compare GOLDEN FILE: FILE against golden/GOLDEN, a unified diff if they differ
    [ -z "${ORVANTIS_UPDATE_GOLDEN:-}" ] || { cp "$2" "$golden_dir/$1"; return; }
    diff -u --label "golden/$1" --label "this run" "$golden_dir/$1" "$2" || {
        echo "FAILED: golden/$1"; failed=$((failed + 1)); }
}

# Which records each example yields, in which order, every field read and converted.
for example in "$examples"/*.xml; do
    record -g "$(basename "$example" .xml).check.jsonl" "$orvantis" check "$example"
done
record ls -A "$HOME"  # check writes nothing

printf '\xff\xfe' >"$work/utf16.xml"
printf '<datas open="msn"><contact><lastname>Lé</lastname></contact></datas>' | iconv -f UTF-8 -t UTF-16LE >>"$work/utf16.xml"
note "utf16.xml: UTF-16 with a BOM; bom.xml: UTF-8 with a BOM"
run check "$work/utf16.xml"
printf '\xef\xbb\xbf<r><contact><lastname>Bom</lastname></contact></r>' >"$work/bom.xml"
run check "$work/bom.xml"
input '<r><contact></r>' "$orvantis" check -
input '<r><contact></r>' "$orvantis" load -
input '<!DOCTYPE datas><datas open="msn"/>' "$orvantis" check -
note "long-line.xml: a 100000-character line holding an escape sequence, then a parse error"
printf '<datas open="x"><contact><notes>%*s\x1b[2J<bad</notes></contact></datas>' 100000 x >"$work/long-line.xml"
run check "$work/long-line.xml"
: >"$work/empty.xml"
run check "$work/empty.xml"

input '<datas open="x"><event><start>20060230T100000</start></event></datas>' "$orvantis" load -
input '<r><datas/></r>' "$orvantis" load -
run load "$examples/no-target.xml"
input '<datas open="msn"><contact/></datas>' "$orvantis" load -

settings="$HOME/.config/OrvantisAgent/Configuration.ini"
mkdir -p "${settings%/*}"
note "settings: a user and a Base64 password"
printf '[Configuration]\nGoldmineUser=jdupont\nGoldminePassword=c2VjcmV0\n' >"$settings"
run settings
note "settings: the sites a user allowed or refused; one forgotten by its address"
printf '[Configuration]\nSiteAnswers=allow https://crm.example.com;refuse https://ads.test:8443\n' >"$settings"
run settings
run sites forget HTTPS://ads.test:8443/page.html
run sites forget https://ads.test:8443
run settings
note "settings: a BOM, a user holding backslash escapes"
printf '\xef\xbb\xbf[Configuration]\nGoldmineUser=two\\nlines \\\\ \\t\n' >"$settings"
run settings
note "settings: not a key file"
printf 'not a key file\n' >"$settings"
# The reason is GLib's, worded by its version and the locale.
record -x 's/(Configuration\.ini): .*/\1: (the reason)/' "$orvantis" settings
rm -r "$HOME/.config"

note "Desktop notes in the desktop folder, a slash kept inside a name; the vCard in the cache"
run load "$examples/desktop.xml"
record ls -A "$HOME/Desktop"
run load "$examples/oexpress.xml"
record wc -c "$HOME/.cache/orvantis.gif"
rm -rf "$HOME/Desktop" "$HOME/.cache"

run check "$work/does-not-exist.xml"
run check "$work"
note "Without HOME, from an empty folder: nothing written there"
mkdir "$work/cwd"
(cd "$work/cwd" && record env -u HOME "$orvantis" load "$examples/desktop.xml")
record ls -A "$work/cwd"
printf '<r>\xc3\x28</r>' >"$work/bad-utf8.xml"
run check "$work/bad-utf8.xml"
run frobnicate x
run load --output
run load --verbose "$examples/desktop.xml"
# The version changes with every release; that it is one is what matters.
record -x 's/^(orvantis )[0-9]+\.[0-9]+\.[0-9]+$/\1X.Y.Z/' "$orvantis" --version
run --help

note "Sandbox: the second Outlook contact folder chosen, then two loads (the contact updated)"
sandbox="$work/sandbox"
run load "$examples/outlook.xml"
run choose-address-book outlook --sandbox "$sandbox" --address-book "Business Contacts"
run choose-address-book outlook --sandbox "$sandbox" --address-book Clients
run load --sandbox "$sandbox" "$examples/outlook.xml"
run load --sandbox "$sandbox" "$examples/outlook.xml"
record -g outlook.sandbox.txt -p Outlook "$orvantis" sandbox show "$sandbox"

note 'Notes loaded twice; the regsvr32 in $WORK/bin, first on the PATH, is not run on Linux'
mkdir "$work/bin"
printf '#!/bin/sh\ntouch "%s/regsvr32-ran"\n' "$work" >"$work/bin/regsvr32" && chmod +x "$work/bin/regsvr32"
PATH="$work/bin:$PATH" run load "$examples/notes.xml"
PATH="$work/bin:$PATH" run load --sandbox "$sandbox" "$examples/notes.xml"
PATH="$work/bin:$PATH" run load --sandbox "$sandbox" "$examples/notes.xml"
record test -e "$work/regsvr32-ran"  # regsvr32 not run: 1
record -g outlook.sandbox.txt -p Outlook -g notes.sandbox.txt -p 'Lotus Notes' \
    "$orvantis" sandbox show "$sandbox"
note "A session that will not start: one box per item, writing nothing"
printf '{"configuration": {"Initialize": {"number": -2147217504, "description": "Wrong Password"}}}' >"$sandbox/notes.json"
run load --sandbox "$sandbox" "$examples/notes.xml"
record -g outlook.sandbox.txt -p Outlook "$orvantis" sandbox show "$sandbox"

note "A prepared world written back with its version and the default folders"
printf '{"configuration": {"Version": "11.0.5608"}}' >"$sandbox/outlook.json"
run load --sandbox "$sandbox" "$examples/no-target.xml"
record grep -E '"Version"|"name": "Tasks"' "$sandbox/outlook.json"
note "A damaged world names its file and stays as it was"
printf '{"containers": 1}' >"$sandbox/outlook.json"
run load --sandbox "$sandbox" "$examples/no-target.xml"
record cat "$sandbox/outlook.json"
run sandbox show "$sandbox"

note "ACT! and GoldMine: logins answered by options, passwords only from files, never shown"
sandbox="$work/act-goldmine"
mkdir -p "$sandbox"
printf 's3cret\n' >"$work/act-password"
printf 'secret\r\nnot read\n' >"$work/goldmine-password"
printf '{"configuration": {"MultiUser": true, "Users": {"Admin": "s3cret"}}}' >"$sandbox/act.json"
run load --sandbox "$sandbox" "$examples/act.xml"
run load --sandbox "$sandbox" --act-user Admin --act-password-file "$work/act-password" "$examples/act.xml"
run load --sandbox "$sandbox" "$examples/goldmine.xml"
run load --sandbox "$sandbox" --goldmine-user jdupont --goldmine-password-file "$work/goldmine-password" "$examples/goldmine.xml"
run load --sandbox "$sandbox" "$examples/goldmine.xml"
note "The login stays in the sandbox: the user's own settings keep none"
run settings
run settings --sandbox "$sandbox"
record -g act-goldmine.sandbox.txt -p 'ACT|GoldMine' "$orvantis" sandbox show "$sandbox"
run load --sandbox "$sandbox" --goldmine-password-file "$work/no-such-file" "$examples/goldmine.xml"
note "A password the code page cannot hold is refused, the stored login kept"
printf '\xd0\xbf\xd0\xb0\xd1\x80\xd0\xbe\xd0\xbb\xd1\x8c\n' >"$work/cyrillic-password"
run load --sandbox "$sandbox" --goldmine-user ivan --goldmine-password-file "$work/cyrillic-password" "$examples/goldmine.xml"
run settings --sandbox "$sandbox"
note "An option that the document's load would not read is refused, not ignored"
run load --sandbox "$sandbox" --act-user Admin "$examples/goldmine.xml"
run load --sandbox "$sandbox" --address-book 1 "$examples/outlook.xml"
run load --output "$work" "$examples/desktop.xml"
run choose-address-book outlook --sandbox "$sandbox" --goldmine-user jdupont
rm -r "$HOME/.config"

note "DAV: the login from options, stored before the load (the password among the secrets)"
dav='<datas open="dav"><contact><lastname>Lee</lastname></contact></datas>'
printf 'dav-s3cret\n' >"$work/dav-password"
input "$dav" "$orvantis" load --dav-url ftp://dav.example.com/ -
input "$dav" "$orvantis" load --dav-url https:///addressbooks -
input "$dav" "$orvantis" load --sandbox "$work/dav-sandbox" -
run load --dav-user anne "$examples/desktop.xml"
run check --dav-user anne "$examples/desktop.xml"
run choose-address-book outlook --dav-url https://dav.example.com/
record ls -A "$HOME"  # none of these stored anything
input "$dav" "$orvantis" load --dav-url http://127.0.0.1:9/dav/ --dav-user anne --dav-password-file "$work/dav-password" -
run settings
secrets="$HOME/.config/Orvantis/secrets"
record stat -c '%a %n' "$secrets" "$secrets/DavPassword"
note "The address is kept; a user given alone replaces the stored one"
input "$dav" "$orvantis" load --dav-user bob -
record grep -E '^Dav' "$HOME/.config/OrvantisAgent/Configuration.ini"
note "A password file that others may read is refused, saying how to mend it"
chmod 644 "$secrets/DavPassword"
run settings
rm -r "$HOME/.config"

note "GroupWise asks for the address book before every contact: unanswered and none stored, 13"
groupwise="$work/groupwise"
run load --sandbox "$groupwise" "$examples/groupwise.xml"
run load --sandbox "$groupwise" --address-book Clients "$examples/groupwise.xml"
run choose-address-book groupwise --sandbox "$groupwise" --address-book "Frequent Contacts"
run load --sandbox "$groupwise" "$examples/groupwise.xml"
run load --sandbox "$groupwise" --address-book 2 "$examples/groupwise.xml"
record -g groupwise.sandbox.txt -p GroupWise "$orvantis" sandbox show "$groupwise"

# Kept outside the golden, which a careless regeneration could teach to expect a password
# (whole words: the secrets folder is named so).
! grep -qwE 's3cret|secret' "$transcript" || { echo "FAILED: a password in the transcript"; failed=1; }
compare transcript.txt "$transcript"
[ -z "${ORVANTIS_UPDATE_GOLDEN:-}" ] || { echo "golden files rewritten: read their diff line by line"; exit 0; }
[ "$failed" = 0 ] && echo "transcript and golden files match"
