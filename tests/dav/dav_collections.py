#!/usr/bin/python3
"""The collections a test user starts with on a private Radicale, and plain requests to it.

usage: dav_collections.py [show]   on the server of the ORVANTIS_DAV_* variables: makes them,
       or shows each item they hold (its name and the lines that say what it is)"""
import base64
import re
import os
import ssl
import sys
import types
import urllib.request

import radicale_fixture


def request(server, method, path, body=b"", headers=None):
    token = base64.b64encode(f"{server.user}:{radicale_fixture.PASSWORD}".encode()).decode()
    call = urllib.request.Request(server.url.rstrip("/") + path, data=body or None, method=method,
                                  headers={"Authorization": "Basic " + token, **(headers or {})})
    context = ssl.create_default_context(cafile=server.ca) if server.ca else None
    with urllib.request.urlopen(call, context=context) as answer:
        return answer.read()


def mkcol(server, path, resource_type, extra=""):
    request(server, "MKCOL", path, (
        '<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" xmlns:A="urn:ietf:params:xml:ns:carddav" '
        'xmlns:C="urn:ietf:params:xml:ns:caldav"><D:set><D:prop><D:resourcetype><D:collection/>'
        f'{resource_type}</D:resourcetype>{extra}</D:prop></D:set></D:mkcol>').encode())


def make_collections(server):
    """One address book, one calendar for events and one for tasks: each kind has exactly one
    collection, so that a load takes them without a dialog."""
    components = '<C:supported-calendar-component-set><C:comp name="{}"/></C:supported-calendar-component-set>'
    mkcol(server, "/alice/contacts/", "<A:addressbook/>")
    mkcol(server, "/alice/calendar/", "<C:calendar/>", components.format("VEVENT"))
    mkcol(server, "/alice/tasks/", "<C:calendar/>", components.format("VTODO"))


def show(server):
    for collection in ("contacts", "calendar", "tasks"):
        listing = request(server, "PROPFIND", f"/alice/{collection}/", headers={"Depth": "1"}).decode()
        items = sorted(set(re.findall(r"<(?:\w+:)?href>([^<]+\.(?:vcf|ics))</", listing)))
        print(f"{collection}: {len(items)} item(s)")
        for href in items:
            text = request(server, "GET", href.removeprefix(server.url.rstrip("/"))).decode()
            said = [line for line in text.splitlines() if re.match(r"(UID|FN|SUMMARY|NOTE|DTSTART|DUE)[:;]", line)]
            print(f"  {href}\n    " + "\n    ".join(said))


if __name__ == "__main__":
    server = types.SimpleNamespace(url=os.environ["ORVANTIS_DAV_URL"], user=os.environ["ORVANTIS_DAV_USER"],
                                   ca=os.environ.get("ORVANTIS_DAV_CA"))
    show(server) if sys.argv[1:] == ["show"] else make_collections(server)
    sys.exit(0)
