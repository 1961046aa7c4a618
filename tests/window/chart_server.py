#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
"""A stand-in chart service on 127.0.0.1 for the browser test.

Answers every GET with one PNG of a single colour, appends each request path to LOG, and
writes the free port it took to PORT_FILE once it listens. It stops by itself after
LIFETIME seconds, so a test that dies cannot leave it running.

usage: chart_server.py PORT_FILE LOG WIDTH HEIGHT RRGGBB LIFETIME
"""
import http.server
import os
import struct
import sys
import threading
import zlib


def png(width, height, rgb):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    row = b"\x00" + rgb * width
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(row * height)) + chunk(b"IEND", b""))


def main():
    port_file, log, width, height, colour, lifetime = sys.argv[1:]
    picture = png(int(width), int(height), bytes.fromhex(colour))

    class Chart(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            with open(log, "a", encoding="latin-1") as out:
                out.write(self.path + "\n")
            self.send_response(200)
            self.send_header("Content-Type", "image/png")
            self.send_header("Content-Length", str(len(picture)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(picture)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Chart)
    threading.Timer(float(lifetime), server.shutdown).start()
    with open(port_file + ".part", "w", encoding="ascii") as out:
        out.write(str(server.server_address[1]))
    # Renamed into place, so the test never reads half a number.
    os.replace(port_file + ".part", port_file)
    server.serve_forever()
    server.server_close()


if __name__ == "__main__":
    main()
