#!/usr/bin/env python3
"""A loopback page that answers after a known delay, so that a reported load time can
be compared with a wait that is known. GET /delay/MS answers after MS milliseconds
with a page holding the phrase "orvalen-phrase". Prints DELAY_HTTP4=PORT, then READY,
and serves until it is ended (SIGTERM)."""
import http.server
import signal
import socketserver
import sys
import time


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        parts = self.path.strip("/").split("/")
        delay = int(parts[1]) if len(parts) == 2 and parts[0] == "delay" and parts[1].isdigit() else 0
        time.sleep(delay / 1000.0)
        body = b"<html><body>orvalen-phrase after %d ms</body></html>" % delay
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    server = Server(("127.0.0.1", 0), Handler)
    print("DELAY_HTTP4=%d" % server.server_address[1])
    print("READY", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
