#!/usr/bin/env python3
"""Loopback stand-in for the update server: serves "version" files and packages from a folder, and can
misbehave on request so tests see what a broken server does.

A request path is the file's path below --root, with any number of mode segments mixed in (segments that
start with "_"), e.g. /case1/_nolength/zentra/Z7/software/version. Empty segments are ignored, so the
package path .../software///Software-1.0.0.3.zip names .../software/Software-1.0.0.3.zip.

Modes:
  _nolength     no Content-Length header; the body ends when the connection closes
  _short        announces 100 bytes more than it sends, then closes
  _drop         closes the connection without any answer
  _slow         sends the body in pieces of 10240 bytes, 0.2 s apart
  _statusNNN    answers with status NNN and the file's body (or a short error page)
  _quit         answers and stops the server

A file may also carry modes of its own: a file named like it with ".mode" appended holds mode names
(without "_"), so one package can misbehave while the "version" file beside it is served normally.

The server binds 127.0.0.1 on a free port and writes the port to --port-file; with --log it appends every
request path to that file. It stops by itself after --lifetime seconds, or when the process that started it
ends.
"""

import argparse
import http.server
import os
import socketserver
import sys
import threading
import time


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        if self.server.log:
            with open(self.server.log, "a") as f:
                f.write(self.path + "\n")
        segments = [s for s in self.path.split("?")[0].split("/") if s]
        modes = [s[1:] for s in segments if s.startswith("_")]
        parts = [s for s in segments if not s.startswith("_")]
        modes += self.file_modes(parts)
        if "quit" in modes:
            self.answer(200, b"bye")
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        if "drop" in modes:
            self.close_connection = True
            return
        body = self.read_file(parts)
        status = 200 if body is not None else 404
        for mode in modes:
            if mode.startswith("status") and mode[6:].isdigit():
                status = int(mode[6:])
        if body is None:
            body = b"Not Found"
        self.answer(status, body, modes)

    def file_modes(self, parts):
        if not parts or any(p in (".", "..") for p in parts):
            return []
        path = os.path.join(self.server.root, *parts) + ".mode"
        if not os.path.isfile(path):
            return []
        with open(path) as f:
            return f.read().split()

    def read_file(self, parts):
        if any(p in (".", "..") for p in parts):
            return None
        path = os.path.join(self.server.root, *parts)
        if not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def answer(self, status, body, modes=()):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        if "short" in modes:
            self.send_header("Content-Length", str(len(body) + 100))
        elif "nolength" not in modes:
            self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        if "slow" in modes:
            for at in range(0, len(body), 10240):
                self.wfile.write(body[at:at + 10240])
                self.wfile.flush()
                time.sleep(0.2)
        else:
            self.wfile.write(body)
        self.wfile.flush()
        self.close_connection = True


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A client that cancels or drops a transfer is part of the tests, not an error.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def watch(server, lifetime, parent):
    deadline = time.monotonic() + lifetime
    while time.monotonic() < deadline and os.getppid() == parent:
        time.sleep(0.2)
    server.shutdown()


def main():
    parser = argparse.ArgumentParser(description="Loopback update server for tests")
    parser.add_argument("--root", required=True, help="folder whose files are served")
    parser.add_argument("--port-file", required=True, help="file that receives the chosen port")
    parser.add_argument("--log", help="file that receives every request path, one a line")
    parser.add_argument("--lifetime", type=float, default=600.0, help="seconds before stopping by itself")
    args = parser.parse_args()

    server = Server(("127.0.0.1", 0), Handler)
    server.root = args.root
    server.log = args.log
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(temporary, args.port_file)
    threading.Thread(target=watch, args=(server, args.lifetime, os.getppid()), daemon=True).start()
    server.serve_forever()
    server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
