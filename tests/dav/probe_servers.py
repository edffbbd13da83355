"""Servers that misbehave or count, for tests of HTTP clients. Each runs in a thread of this
process until the block ends.

    silent_server()     accepts connections and never answers
    keep_alive_server() answers every GET (and OPTIONS) with the number of connections it has
                        accepted; over TLS when given a certificate and its key
    closed_port()       a port nobody listens on
"""

import contextlib
import http.server
import socket
import ssl
import threading

from radicale_fixture import free_port


def closed_port():
    return free_port()


@contextlib.contextmanager
def silent_server():
    listener = socket.create_server(("127.0.0.1", 0))
    accepted = []
    stop = threading.Event()

    def accept():
        listener.settimeout(0.2)
        while not stop.is_set():
            with contextlib.suppress(socket.timeout, OSError):
                accepted.append(listener.accept()[0])

    thread = threading.Thread(target=accept, daemon=True)
    thread.start()
    try:
        yield "http://127.0.0.1:%d/" % listener.getsockname()[1]
    finally:
        stop.set()
        thread.join()
        for connection in accepted:
            connection.close()
        listener.close()


class _CountingHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"  # keeps the connection between requests

    def setup(self):
        super().setup()
        with self.server.lock:
            self.server.connections += 1

    def do_GET(self):
        body = str(self.server.connections).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    do_OPTIONS = do_GET

    def log_message(self, *arguments):
        pass


@contextlib.contextmanager
def keep_alive_server(certificate=None, key=None):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), _CountingHandler)
    if certificate:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(certificate, key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    server.daemon_threads = True
    server.connections = 0
    server.lock = threading.Lock()
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        host = "https://localhost" if certificate else "http://127.0.0.1"
        yield "%s:%d/" % (host, server.server_address[1])
    finally:
        server.shutdown()
        server.server_close()
