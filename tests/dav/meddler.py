"""A proxy in front of a DAV server that meddles as a test asks, so that a client meets what a
busy or full server does without the server misbehaving:

    changes    after the first REPORT it forwards, it changes the item named on the server (as
               another client would, between the listing and the writes)
    refuses    answers 412 to every conditional PUT of the item named, never forwarding it
    full       answers 507 to every PUT
"""

import contextlib
import http.client
import http.server
import re
import threading
import urllib.parse


class _Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def _forward(self, body):
        target = self.server.target
        connection = http.client.HTTPConnection(target.hostname, target.port, timeout=30)
        headers = {k: v for k, v in self.headers.items() if k.lower() != "host"}
        connection.request(self.command, self.path, body=body, headers=headers)
        answer = connection.getresponse()
        return answer.status, answer.getheaders(), answer.read()

    def _answer(self, status, headers=(), body=b""):
        self.send_response(status)
        for name, value in headers:
            if name.lower() not in ("content-length", "connection", "transfer-encoding"):
                self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def _handle(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else None
        mode, item = self.server.mode, self.server.item
        if self.command == "PUT" and mode == "full":
            return self._answer(507)
        if self.command == "PUT" and mode == "refuses" and item in self.path \
                and self.headers.get("If-Match"):
            return self._answer(412)
        status, headers, answer = self._forward(body)
        if self.command == "REPORT" and mode == "changes" and not self.server.changed:
            self.server.changed = True
            self._change_item(answer, item)
        return self._answer(status, headers, answer)

    def _change_item(self, listing, item):
        href = re.search(rb"<(?:\w+:)?href>([^<]*" + re.escape(item.encode()) + rb"[^<]*)</", listing)
        if not href:
            return
        path = href.group(1).decode()
        status, headers, text = self._forward_get(path)
        changed = text.replace(b"END:VCARD", b"NOTE:changed by another client\r\nEND:VCARD", 1)
        changed = changed.replace(b"END:VEVENT", b"COMMENT:changed by another client\r\nEND:VEVENT", 1)
        self.server.changed_path = path
        target = self.server.target
        connection = http.client.HTTPConnection(target.hostname, target.port, timeout=30)
        connection.request("PUT", path, body=changed, headers={
            "Authorization": self.headers.get("Authorization", ""),
            "Content-Type": dict((k.lower(), v) for k, v in headers).get("content-type", "text/plain")})
        connection.getresponse().read()

    def _forward_get(self, path):
        target = self.server.target
        connection = http.client.HTTPConnection(target.hostname, target.port, timeout=30)
        connection.request("GET", path, headers={"Authorization": self.headers.get("Authorization", "")})
        answer = connection.getresponse()
        return answer.status, answer.getheaders(), answer.read()

    do_GET = do_PUT = do_PROPFIND = do_REPORT = do_MKCOL = do_DELETE = _handle

    def log_message(self, *arguments):
        pass


@contextlib.contextmanager
def meddler(target_url, mode, item=""):
    """A proxy for target_url (http) meddling as `mode` says; yields its own URL."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), _Handler)
    server.daemon_threads = True
    server.target = urllib.parse.urlsplit(target_url)
    server.mode, server.item, server.changed, server.changed_path = mode, item, False, None
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield server, "http://127.0.0.1:%d/" % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()
