#!/usr/bin/python3
"""Loads contacts of every script, separator and kind of line break through the command line,
into vCards (one load per contact, since the card has one file) and desktop notes (one load),
and has readers nobody here wrote read them back, each started once: ez-vcard the cards,
LibreOffice the notes (as text). Every field must come back whole and in its own slot.
Usage: check_exports.py ORVANTIS SOURCE_DIR WORK_DIR"""
import glob
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys

orvantis, source, work = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
shutil.rmtree(work, ignore_errors=True)
(work / "cards").mkdir(parents=True)
env = dict(os.environ, HOME=str(work / "home"), XDG_CONFIG_HOME=str(work / "home/.config"),
           XDG_CACHE_HOME=str(work / "home/.cache"))
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


# One contact per row. ez-vcard drops the trailing blanks of a plain value, so the rows have
# none, and reads a "\" in a single-valued 2.1 property as an escape, which the card keeps as
# it stands: a "\" is checked in N, ADR and ORG only, not where FN and LABEL repeat it.
SINGLE_VALUED = ("FN", "LABEL")
CASES = [
    {"company": "Durand & Fils", "firstname": "Claire", "lastname": "Müller", "job-title": "Déléguée",
     "notes": "Rencontrée à Lyon\nAprès 14 h", "company-address": "4 quai Perrache",
     "company-city": "Lyon", "company-postal-code": "69002", "company-country": "France",
     "address": "Rue de l'Église", "city": "Saint-Étienne", "postal-code": "42000",
     "country": "France", "email": "c@example.com", "site-url": "https://durand.example",
     "company-email": "contact@durand.example", "company-fax": "+33 4 72 00 00 01"},
    {"company": "Łódź Stal", "firstname": "Zdeněk", "lastname": "Dvořák", "job-title": "Ředitel",
     "notes": "Œuvre ŁŚŻ", "company-city": "Łódź", "company-country": "Polska"},
    {"company": "ООО Ромашка", "firstname": "Иван", "lastname": "Петров", "job-title": "Директор",
     "notes": "Привет, мир", "company-address": "ул. Ленина, 1", "company-city": "Москва",
     "company-postal-code": "101000", "company-country": "Россия", "city": "Казань",
     "company-phone": "+7 495 доб. 12", "phone": "+7 843", "mobile-phone": "☎ 8 900"},
    {"company": "Ελληνική Εταιρεία", "firstname": "Νίκος", "lastname": "Παπαδόπουλος",
     "job-title": "Διευθυντής", "notes": "Καλημέρα", "company-city": "Αθήνα",
     "company-country": "Ελλάδα"},
    {"company": "株式会社テスト", "firstname": "太郎", "lastname": "山田", "job-title": "部長",
     "notes": "中文 𠀋𠀀 한국어", "company-address": "丸の内1-1", "company-city": "東京",
     "company-postal-code": "100-0005", "company-country": "日本"},
    {"company": "Emoji 😀 Ltd", "firstname": "👍🏽", "lastname": "Smile 🎉", "job-title": "Chief 🚀",
     "notes": "🏠\n👨‍👩‍👧", "company-address": "🏠 1 Home St", "company-city": "Ville 🌆"},
    {"company": "شركة المثال", "firstname": "محمد", "lastname": "العربي", "job-title": "مدير",
     "notes": "مرحبا بالعالم 123", "company-city": "القاهرة", "company-country": "مصر"},
    {"company": "חברה בע\"מ", "firstname": "דוד", "lastname": "כהן", "job-title": "מנהל",
     "notes": "שלום עולם", "company-city": "תל אביב", "company-country": "ישראל"},
    {"company": "Acme; R&D\\Labs, Inc", "firstname": "Jean;Paul\\x", "lastname": "Smith; Jr.",
     "job-title": "Head; of, sales", "notes": "a;b,c:d=e", "company-address": "1, rue; B\\C",
     "company-city": "Lyon;Sud", "company-postal-code": "69;000", "company-country": "Fr,ance",
     "address": "x\\;y", "city": ";", "postal-code": "\\", "country": ","},
    {"company": "Breaks", "lastname": "Lines", "company-address": "Building A\nFloor 3",
     "company-city": "Lyon\r\nCentre", "company-country": "Fr\rance", "job-title": "Head\nof sales",
     "notes": "one\r\ntwo\rthree\nfour\r\n\r\n5 pm\n\nsix", "address": "a\rb"},
    {"company": "Long " + "é" * 300, "lastname": "L" * 2000, "notes": ("Lorem ipsum é " * 1500).strip(),
     "company-address": "Rue " + "Ω" * 500},
    {"lastname": "Empty"},
    {},
    {"company": "Twin GmbH", "firstname": "Anna", "lastname": "Berg", "notes": "first"},
    {"company": "Twin GmbH", "firstname": "Bob", "lastname": "Kern", "notes": "second"},
]


def xml_text(value):
    value = value.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    # "<br/>" is the documents' own line feed; a carriage return only a reference can carry.
    return value.replace("\r\n", "&#13;&#10;").replace("\r", "&#13;").replace("\n", "<br/>")


def document(target, contacts):
    items = "".join("<contact>" + "".join(f"<{k}>{xml_text(v)}</{k}>" for k, v in c.items())
                    + "</contact>" for c in contacts)
    return f'<?xml version="1.0" encoding="UTF-8"?><datas open="{target}">{items}</datas>'


def load(target, contacts):
    run = subprocess.run([orvantis, "load", "-"], input=document(target, contacts).encode(),
                         env=env, capture_output=True)
    stderr = run.stderr.decode(errors="replace")
    check(run.returncode == 0, f"{target} load failed: {stderr}")
    return stderr


def lines(value):
    return re.split("\r\n|\r|\n", value)


def read(command):
    run = subprocess.run(command, capture_output=True, text=True, env=env)
    check(run.returncode == 0, f"{command[0]} failed: {run.stderr}")
    return run.stdout


# The cards: one load each, since every contact's card replaces the one before.
for number, contact in enumerate(CASES):
    load("oexpress", [contact])
    shutil.copy(work / "home/.cache/orvantis.gif", work / f"cards/{number:02}.vcf")


def expected_card(c):
    f = lambda key: c.get(key, "")
    label = lambda street, city, zip_, country: "\n".join(
        part for part in (street, " ".join(p for p in (zip_, city) if p), country) if part)
    return {"N": [f("lastname"), f("firstname")], "FN": f("firstname") + " " + f("lastname"),
            "ORG": [f("company")], "TITLE": f("job-title"), "NOTE": f("notes"), "EMAIL": f("email"),
            "URL": f("site-url"),
            "ADR": {"work": [f("company-address"), f("company-city"), f("company-postal-code"),
                             f("company-country")],
                    "home": [f("address"), f("city"), f("postal-code"), f("country")]},
            "LABEL": {"work": label(f("company-address"), f("company-city"),
                                    f("company-postal-code"), f("company-country")),
                      "home": label(f("address"), f("city"), f("postal-code"), f("country"))},
            "TEL": {"work": f("company-phone"), "home": f("phone"), "cell": f("mobile-phone"),
                    "work;fax": f("company-fax")}}


def same_breaks(value):
    """Any line break as LF, since the card has only CR LF; an empty list as one empty value."""
    if isinstance(value, str):
        return "\n".join(lines(value))
    if isinstance(value, list):
        return [same_breaks(v) for v in value] or [""]
    if isinstance(value, dict):
        return {k: same_breaks(v) for k, v in value.items()}
    return value


def strings(value):
    return [value] if isinstance(value, str) else [t for v in value.values() for t in strings(v)]


cards = sorted(glob.glob(str(work / "cards/*.vcf")))
jars = "/usr/share/java/ez-vcard.jar:/usr/share/java/vinnie.jar"
# Text of the code page that is not quoted-printable names no character set.
read_cards = [json.loads(line) for line in read(
    ["java", "-cp", jars, str(source / "tests/readers/ReadVCard.java"), "windows-1252"] + cards)
    .splitlines()]
check(len(read_cards) == len(CASES), f"ez-vcard read {len(read_cards)} cards of {len(CASES)}")
for number, (contact, card) in enumerate(zip(CASES, read_cards)):
    check(card["warnings"] == [], f"card {number}: ez-vcard warns {card['warnings']}")
    for field, value in same_breaks(expected_card(contact)).items():
        if field in SINGLE_VALUED and "\\" in "".join(strings(value)):
            continue
        got = same_breaks(card[field])
        check(got == value, f"card {number} {field}: ez-vcard read {got!r}, expected {value!r}")

# The notes: one load of every contact, each with a note of its own.
stderr = load("desktop", CASES)
check(f"wrote {len(CASES)} file(s)" in stderr, f"the desktop load reported: {stderr}")
notes = sorted(glob.glob(str(work / "home/Desktop/*.rtf")))
check(len(notes) == len(CASES), f"{len(notes)} notes for {len(CASES)} contacts")
# Under numbers: LibreOffice's lock file would make a name of the full 255 bytes too long.
(work / "notes").mkdir()
for number, note in enumerate(notes):
    shutil.copy(note, work / f"notes/{number:02}.rtf")
profile = (work / "office").as_uri()
read(["soffice", f"-env:UserInstallation={profile}", "--headless", "--convert-to",
      "txt:Text (encoded):UTF8", "--outdir", str(work / "text")]
     + sorted(glob.glob(str(work / "notes/*.rtf"))))


def expected_note(c):
    f = lambda key: c.get(key, "")
    values = [f("company"), f("company-address"),
              f("company-city") + ", " + f("company-postal-code") + " " + f("company-country"),
              f("company-email"), f("company-fax"), f("site-url"), "", f("notes")]
    return [line for value in values for line in lines(value)]


# LibreOffice writes each blank of a run of blanks after a U+2006 (six-per-em space).
read_notes = sorted(path.read_text(encoding="utf-8-sig").replace("\u2006", "").split("\n")[:-1]
                    for path in (work / "text").glob("*.txt"))
for contact in CASES:
    note = expected_note(contact)
    check(note in read_notes, f"no note reads as {note!r}")
    if note in read_notes:
        read_notes.remove(note)
check(not read_notes, f"notes of no contact: {read_notes!r}")

for failure in failures:
    print("FAIL:", failure[:2000])
sys.exit(1 if failures else 0)
