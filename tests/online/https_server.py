#!/usr/bin/env python3
"""HTTPS server for the downloader tests and the end-to-end journeys.

Usage: https_server.py CERT KEY PORT_FILE LIFETIME_SECONDS [ADDRESS PORT ROOT]
Binds ADDRESS:PORT (by default a free port on 127.0.0.1), writes the port to
PORT_FILE, serves until killed or until its lifetime is over. A path that names
a file under ROOT gets that file as it is at the time of the request.
"""
import http.server
import os
import ssl
import sys
import threading
import time

CHUNK = b"2" * 16384


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def reply(self, status, body, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def served(self, path):
        """The file under the root that a request's path names; never one outside it."""
        parts = [p for p in path.split("?", 1)[0].split("/") if p]
        return os.path.join(self.server.root, *parts) if ".." not in parts else ""

    def do_GET(self):
        port = self.server.server_address[1]
        # Redirects keep the host name the client asked for (a certificate may
        # name localhost alone).
        host = (self.headers.get("Host") or "127.0.0.1:%d" % port).rsplit(":", 1)[0]
        path = self.path
        try:
            if path == "/ok":
                self.reply(200, b"213\n")
            elif path == "/crlf":
                self.reply(200, b"212\r\n999\r\n")
            elif path == "/empty":
                self.reply(200, b"")
            elif path.startswith("/status/"):
                self.reply(int(path[len("/status/"):]), b"<html><body>error page</body></html>\n")
            elif path == "/to-http":
                self.reply(302, b"", [("Location", "http://%s:%d/ok" % (host, port))])
            elif path == "/to-https":
                self.reply(302, b"", [("Location", "https://%s:%d/ok" % (host, port))])
            elif path == "/big":
                self.send_response(200)
                self.send_header("Content-Length", str(10 * 1024 * 1024))
                self.end_headers()
                for _ in range(10 * 1024 * 1024 // len(CHUNK)):
                    self.wfile.write(CHUNK)
            elif path == "/endless":
                # No length: only the client's own count can stop it. Bounded
                # here too, so that a broken client cannot keep it going.
                self.send_response(200)
                self.send_header("Transfer-Encoding", "chunked")
                self.end_headers()
                for _ in range(4096):
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(CHUNK), CHUNK))
            elif path == "/stall":
                self.send_response(200)
                self.send_header("Content-Length", "4")
                self.end_headers()
                self.wfile.write(b"21")
                self.wfile.flush()
                time.sleep(20)
            elif self.server.root and os.path.isfile(self.served(path)):
                with open(self.served(path), "rb") as f:
                    self.reply(200, f.read())
            else:
                self.reply(404, b"not found\n")
        except OSError:
            pass  # the client gave up, as the tests expect it to


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # refused handshakes are expected here


def main():
    cert, key, port_file, lifetime = sys.argv[1:5]
    address, port, root = sys.argv[5:8] if len(sys.argv) > 5 else ("127.0.0.1", "0", "")
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server = Server((address, int(port)), Handler)
    server.root = root
    # The handshake happens in the request's thread, not in the accepting one.
    server.socket = context.wrap_socket(server.socket, server_side=True, do_handshake_on_connect=False)
    timer = threading.Timer(float(lifetime), os._exit, [0])
    timer.daemon = True
    timer.start()
    with open(port_file + ".tmp", "w") as f:
        f.write(str(server.server_address[1]))
    os.rename(port_file + ".tmp", port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
