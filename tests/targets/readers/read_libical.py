#!/usr/bin/python3
"""Reads iCalendar files with libical (through its GObject bindings) and prints each event
and task as one JSON object per line, in the form the expected files hold. A file that
libical's parser or its standard's restriction check finds fault with fails the run."""
import json
import sys

import gi

gi.require_version("ICalGLib", "3.0")
from gi.repository import ICalGLib as ical  # noqa: E402

Kind = ical.PropertyKind


def properties(component, kind):
    found = component.get_first_property(kind)
    while found:
        yield found
        found = component.get_next_property(kind)


def components(parent, kind):
    found = parent.get_first_component(kind)
    while found:
        yield found
        found = parent.get_next_component(kind)


def when(component, kind):
    for found in properties(component, kind):
        moment = found.get_value().get_datetime()
        if not moment.is_date() and not moment.is_utc():
            raise SystemExit(f"not UTC: {found.as_ical_string()}")
        return moment.as_ical_string()
    return None


for path in sys.argv[1:]:
    with open(path, encoding="utf-8") as file:
        calendar = ical.Component.new_from_string(file.read())
    if calendar is None or calendar.count_errors():
        raise SystemExit(f"{path}: libical could not parse it")
    calendar.check_restrictions()
    if calendar.count_errors():
        raise SystemExit(f"{path}: breaks the standard's restrictions:\n{calendar.as_ical_string()}")
    for kind in (ical.ComponentKind.VEVENT_COMPONENT, ical.ComponentKind.VTODO_COMPONENT):
        for item in components(calendar, kind):
            priority = [p.get_priority() for p in properties(item, Kind.PRIORITY_PROPERTY)]
            status = [p.get_value_as_string() for p in properties(item, Kind.STATUS_PROPERTY)]
            categories = [p.get_categories() for p in properties(item, Kind.CATEGORIES_PROPERTY)]
            record = {
                "kind": ical.Component.kind_to_string(kind),
                "uid": item.get_uid(),
                "summary": item.get_summary(),
                "location": item.get_location(),
                "categories": categories,
                "description": item.get_description(),
                "start": when(item, Kind.DTSTART_PROPERTY),
                "end": when(item, Kind.DTEND_PROPERTY),
                "due": when(item, Kind.DUE_PROPERTY),
                "status": status[0] if status else None,
                "priority": priority[0] if priority else None,
                "alarms": [t.get_value_as_string()
                           for alarm in components(item, ical.ComponentKind.VALARM_COMPONENT)
                           for t in properties(alarm, Kind.TRIGGER_PROPERTY)],
            }
            print(json.dumps({k: v for k, v in record.items() if v not in (None, [])},
                             ensure_ascii=False, sort_keys=True))
