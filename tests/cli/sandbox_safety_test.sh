#!/usr/bin/env bash
# A sandbox's worlds against a second writer and a killed load: two loads of one folder at the
# same time keep both loads' contacts, and a load killed at any moment leaves the world it
# found or the one it made, never a damaged one.
# usage: sandbox_safety_test.sh ORVANTIS
set -u
orvantis=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CACHE_HOME= XDG_CONFIG_HOME=
mkdir -p "$HOME"
failed=0
contacts=1500

# Contacts without identifiers, so that every load adds them all.
{
    printf '<datas open="outlook">\n'
    for i in $(seq "$contacts"); do
        printf '<contact><firstname>Anne</firstname><lastname>Nowak %d</lastname><email>a%d@example.com</email></contact>\n' "$i" "$i"
    done
    printf '</datas>\n'
} >"$work/contacts.xml"

stored() { grep -c '"kind": "ContactItem"' "$1/outlook.json" 2>/dev/null || echo 0; }

for round in 1 2 3; do
    sandbox="$work/together-$round"
    "$orvantis" load --sandbox "$sandbox" "$work/contacts.xml" 2>"$work/first.err" &
    "$orvantis" load --sandbox "$sandbox" "$work/contacts.xml" 2>"$work/second.err"
    second=$?
    wait $!
    first=$?
    if [ "$first" != 0 ] || [ "$second" != 0 ] || [ "$(stored "$sandbox")" != $((2 * contacts)) ]; then
        echo "round $round: exit $first and $second, $(stored "$sandbox") of $((2 * contacts)) contacts kept"
        cat "$work/first.err" "$work/second.err"
        failed=1
    fi
done

sandbox="$work/killed"
"$orvantis" load --sandbox "$sandbox" "$work/contacts.xml" 2>/dev/null
for round in 1 2 3 4 5; do
    before=$(stored "$sandbox")
    "$orvantis" load --sandbox "$sandbox" "$work/contacts.xml" 2>/dev/null &
    sleep "0.$((RANDOM % 10))$((RANDOM % 10))"
    kill -9 $! 2>/dev/null
    wait $! 2>/dev/null
    after=$(stored "$sandbox")
    if ! "$orvantis" sandbox show "$sandbox" >/dev/null 2>"$work/show.err" ||
        { [ "$after" != "$before" ] && [ "$after" != $((before + contacts)) ]; }; then
        echo "kill $round: $before contacts before, $after after"
        cat "$work/show.err"
        failed=1
    fi
done
exit $failed
