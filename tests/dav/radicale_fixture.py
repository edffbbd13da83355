"""A private Radicale (CalDAV/CardDAV) server for tests.

    with radicale_fixture.Radicale(tls=True) as server:
        server.url, server.user, server.password_file, server.ca, server.storage
        server.environment()   # the ORVANTIS_DAV_* variables

Everything it needs (storage, users, certificates) lives in a temporary folder removed when
the block ends; the server is stopped whatever happens, and dies with this process.
"""

import contextlib
import ctypes
import os
import signal
import socket
import subprocess
import tempfile
import time

USER = "alice"
PASSWORD = "secret"
START_TIMEOUT = 20


def free_port():
    """A port of 127.0.0.1 that nobody listens on (for a moment: the caller binds it next)."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def make_certificates(folder):
    """A test authority and a certificate it signs for localhost and 127.0.0.1.

    Returns (ca, certificate, key) paths. Made at each run, never committed."""
    def openssl(*arguments):
        subprocess.run(["openssl", *arguments], cwd=folder, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
            "-keyout", "ca.key", "-out", "ca.pem", "-subj", "/CN=Orvantis test authority",
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", "server.key",
            "-out", "server.csr", "-subj", "/CN=localhost")
    with open(os.path.join(folder, "server.ext"), "w") as extensions:
        extensions.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n"
                         "basicConstraints=CA:FALSE\n"
                         "keyUsage=critical,digitalSignature,keyEncipherment\n"
                         "extendedKeyUsage=serverAuth\n")
    openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
            "-CAcreateserial", "-days", "2", "-extfile", "server.ext", "-out", "server.pem")
    return tuple(os.path.join(folder, name) for name in ("ca.pem", "server.pem", "server.key"))


def _loopback_hosts(port):
    """Radicale's addresses: 127.0.0.1, and ::1 where the machine has it, since "localhost"
    (the TLS URLs' host) may name either first."""
    hosts = ["127.0.0.1:%d" % port]
    with contextlib.suppress(OSError), socket.socket(socket.AF_INET6) as probe:
        probe.bind(("::1", port))
        hosts.append("[::1]:%d" % port)
    return ",".join(hosts)


def _die_with_parent():
    # Linux: the server gets SIGTERM when the process that started it ends, even by SIGKILL.
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def _wait_until_listening(port, process, log):
    deadline = time.monotonic() + START_TIMEOUT
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise RuntimeError("radicale ended at start:\n" + _read(log))
        with contextlib.suppress(OSError), socket.create_connection(("127.0.0.1", port), 0.5):
            return
        time.sleep(0.1)
    raise RuntimeError("radicale did not answer within %d s:\n%s" % (START_TIMEOUT, _read(log)))


def _read(path):
    with open(path, errors="replace") as text:
        return text.read()


class Radicale:
    def __init__(self, tls=False):
        self.tls = tls
        self.ca = self.certificate = self.key = None
        self._folder = None
        self._process = None

    def __enter__(self):
        self._folder = tempfile.TemporaryDirectory(prefix="orvantis-radicale-")
        folder = self._folder.name
        try:
            self._start(folder)
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self, folder):
        self.storage = os.path.join(folder, "storage")
        self.user = USER
        users = os.path.join(folder, "users")
        with open(users, "w") as file:
            file.write("%s:%s\n" % (USER, PASSWORD))
        self.password_file = os.path.join(folder, "password")
        with open(self.password_file, "w") as file:
            file.write(PASSWORD)
        port = free_port()
        command = ["/usr/bin/python3", "-m", "radicale", "--config", "",
                   "--server-hosts", _loopback_hosts(port),
                   "--storage-filesystem-folder", self.storage,
                   "--auth-type", "htpasswd", "--auth-htpasswd-filename", users,
                   "--auth-htpasswd-encryption", "plain",
                   "--web-type", "none", "--logging-level", "warning"]
        if self.tls:
            self.ca, self.certificate, self.key = make_certificates(folder)
            command += ["--ssl", "True", "--certificate", self.certificate, "--key", self.key]
        log = os.path.join(folder, "radicale.log")
        with open(log, "w") as output:
            self._process = subprocess.Popen(command, stdout=output, stderr=subprocess.STDOUT,
                                             stdin=subprocess.DEVNULL, cwd=folder,
                                             preexec_fn=_die_with_parent)
        _wait_until_listening(port, self._process, log)
        # A certificate names a host: Wine's WinHTTP matches no IP address in one.
        self.url = ("https://localhost:%d/" if self.tls else "http://127.0.0.1:%d/") % port

    def environment(self):
        variables = {
            "ORVANTIS_DAV_URL": self.url,
            "ORVANTIS_DAV_USER": self.user,
            "ORVANTIS_DAV_PASSWORD_FILE": self.password_file,
            "ORVANTIS_DAV_STORAGE": self.storage,
        }
        if self.ca:
            variables["ORVANTIS_DAV_CA"] = self.ca
        return variables

    def __exit__(self, *exception):
        if self._process and self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(10)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        if self._folder:
            self._folder.cleanup()
        return False
