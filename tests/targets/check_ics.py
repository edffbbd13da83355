#!/usr/bin/python3
"""Loads examples/ics.xml twice through the command line into one folder and has readers
nobody here wrote read the files back: python3-icalendar and libical the calendar, ical.js the
calendar and the cards, each started once. Usage: check_ics.py ORVANTIS SOURCE_DIR WORK_DIR"""
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys

orvantis, source, work = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
readers = source / "tests/targets/readers"
shutil.rmtree(work, ignore_errors=True)
work.mkdir(parents=True)
# A zone with summer time, so that the event across the clock change is placed by its rules.
env = dict(os.environ, TZ="Europe/Paris")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def load():
    run = subprocess.run([orvantis, "load", "--output", str(work), str(source / "examples/ics.xml")],
                         env=env, capture_output=True, text=True)
    check(run.returncode == 0, f"load failed: {run.stderr}")
    return {path.name: path.read_bytes() for path in sorted(work.iterdir())}


def without_stamps(data):
    return re.sub(rb"\r\n(DTSTAMP|REV):[^\r]*", b"", data)


first = load()
second = load()
check(sorted(first) == sorted(second) and len(first) == 2,
      f"a second load wrote other files: {sorted(first)} then {sorted(second)}")
for name, data in second.items():
    check(without_stamps(data) == without_stamps(first.get(name, b"")),
          f"{name} differs from the first load beyond its time stamps")
    # The control under Wine is held to the same files (ics_wine).
    golden = source / "tests/targets/data" / ("ics-example" + pathlib.Path(name).suffix)
    check(without_stamps(data) == golden.read_bytes(), f"{name} differs from {golden.name}")
    lines = data.split(b"\r\n")
    check(lines[-1] == b"" and b"\n" not in data.replace(b"\r\n", b""), f"{name}: not CR LF lines")
    check(all(len(line) <= 75 for line in lines), f"{name}: a line longer than 75 octets")
    data.decode("utf-8")

files = [str(work / name) for name in second]
calendars = [f for f in files if f.endswith(".ics")]
expected = [json.loads(line) for line in (source / "tests/targets/data/ics.expected.jsonl").open()]


def read(command):
    run = subprocess.run(command, capture_output=True, text=True, env=dict(env, NODE_PATH=os.environ.get("NODE_PATH", "")))
    check(run.returncode == 0, f"{command[0]} failed: {run.stderr}")
    return [json.loads(line) for line in run.stdout.splitlines()]


# libical also holds each calendar to the standard's restrictions (one DTSTART, ...).
for reader, script in (("python3-icalendar", "read_ics.py"), ("libical", "read_libical.py")):
    python_read = read(["/usr/bin/python3", str(readers / script)] + calendars)
    check(python_read == [e for e in expected if e["kind"] != "VCARD"],
          f"{reader} read:\n" + "\n".join(map(str, python_read)))
node_read = read(["node", str(readers / "read_standards.js")] + sorted(files))
check(node_read == expected, "ical.js read:\n" + "\n".join(map(str, node_read)))


def as_ez_vcard_reads(card):
    """The fields of an expected card in the shape tests/readers/ReadVCard.java prints them."""
    types = lambda listed: listed.lower().replace(",", ";")
    return {"version": "3.0", "N": card["n"][:2], "FN": card["fn"], "ORG": [card["org"]],
            "TITLE": card.get("title"), "NOTE": card["note"],
            "EMAIL": card["email"][0][1], "URL": card.get("url"),
            "ADR": {types(kind): [a[2], a[3], a[5], a[6]] for kind, a in card.get("adr", [])},
            "TEL": {types(kind): number for kind, number in card.get("tel", [])}}


# ez-vcard too reads the cards, each field in its slot of N, ADR and ORG.
jars = "/usr/share/java/ez-vcard.jar:/usr/share/java/vinnie.jar"
java_read = read(["java", "-cp", jars, str(source / "tests/readers/ReadVCard.java"), "UTF-8"]
                 + [f for f in files if f.endswith(".vcf")])
for card, got in zip([e for e in expected if e["kind"] == "VCARD"], java_read, strict=True):
    for field, value in as_ez_vcard_reads(card).items():
        check(got[field] == value, f"ez-vcard read {field} {got[field]!r}, expected {value!r}")
    check(got["warnings"] == [], f"ez-vcard warns: {got['warnings']}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
