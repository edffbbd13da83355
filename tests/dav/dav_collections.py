#!/usr/bin/python3
"""The collections a test user starts with on a private Radicale, and plain requests to it.

usage: dav_collections.py   (makes them on the server of the ORVANTIS_DAV_* variables)"""
import base64
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


def make_collections(server):
    """One address book, one calendar for events and one for tasks: each kind has exactly one
    collection, so that a load takes them without a dialog."""
    def mkcol(path, resource_type, extra=""):
        request(server, "MKCOL", path, (
            '<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" xmlns:A="urn:ietf:params:xml:ns:carddav" '
            'xmlns:C="urn:ietf:params:xml:ns:caldav"><D:set><D:prop><D:resourcetype><D:collection/>'
            f'{resource_type}</D:resourcetype>{extra}</D:prop></D:set></D:mkcol>').encode())
    components = '<C:supported-calendar-component-set><C:comp name="{}"/></C:supported-calendar-component-set>'
    mkcol("/alice/contacts/", "<A:addressbook/>")
    mkcol("/alice/calendar/", "<C:calendar/>", components.format("VEVENT"))
    mkcol("/alice/tasks/", "<C:calendar/>", components.format("VTODO"))


if __name__ == "__main__":
    make_collections(types.SimpleNamespace(url=os.environ["ORVANTIS_DAV_URL"],
                                           user=os.environ["ORVANTIS_DAV_USER"],
                                           ca=os.environ.get("ORVANTIS_DAV_CA")))
    sys.exit(0)
