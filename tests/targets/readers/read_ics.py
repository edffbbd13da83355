#!/usr/bin/python3
"""Reads iCalendar files with python3-icalendar and prints each event and task as one JSON
object per line, in the form the expected files hold."""
import datetime
import json
import sys

import icalendar


def when(value):
    if value is None:
        return None
    moment = value.dt
    if isinstance(moment, datetime.datetime):
        if moment.tzinfo is None or moment.utcoffset() != datetime.timedelta(0):
            raise SystemExit(f"not UTC: {moment!r}")
        return moment.strftime("%Y%m%dT%H%M%SZ")
    return moment.strftime("%Y%m%d")


def text(component, name):
    value = component.get(name)
    if value is None:
        return None
    if name == "CATEGORIES":
        return [str(c) for c in value.cats]
    return str(value)


for path in sys.argv[1:]:
    with open(path, "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    for item in calendar.walk():
        if item.name not in ("VEVENT", "VTODO"):
            continue
        alarms = [str(a.get("TRIGGER").to_ical(), "ascii") for a in item.walk("VALARM")]
        record = {
            "kind": item.name,
            "uid": text(item, "UID"),
            "summary": text(item, "SUMMARY"),
            "location": text(item, "LOCATION"),
            "categories": text(item, "CATEGORIES"),
            "description": text(item, "DESCRIPTION"),
            "start": when(item.get("DTSTART")),
            "end": when(item.get("DTEND")),
            "due": when(item.get("DUE")),
            "status": text(item, "STATUS"),
            "priority": int(item["PRIORITY"]) if "PRIORITY" in item else None,
            "alarms": alarms,
        }
        print(json.dumps({k: v for k, v in record.items() if v not in (None, [])},
                         ensure_ascii=False, sort_keys=True))
