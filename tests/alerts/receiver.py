"""A stand-in for the push service, the webhook and Telegram's bot API on
loopback: it answers every POST with 200 and writes each as one JSON line
(path, headers, body) to LOG. Ends by itself after SECONDS.
usage: receiver.py PORT LOG SECONDS"""
import json
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

port, log, seconds = int(sys.argv[1]), sys.argv[2], float(sys.argv[3])
lock = threading.Lock()


class Handler(BaseHTTPRequestHandler):
    def do_POST(self):
        length = int(self.headers.get("Content-Length", 0))
        body = self.rfile.read(length).decode("utf-8")
        entry = {"path": self.path, "headers": dict(self.headers.items()), "body": body}
        with lock, open(log, "a", encoding="utf-8") as out:
            out.write(json.dumps(entry, ensure_ascii=False) + "\n")
        answer = b'{"ok":true}'
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(answer)))
        self.end_headers()
        self.wfile.write(answer)

    def log_message(self, *args):
        pass


server = ThreadingHTTPServer(("127.0.0.1", port), Handler)
threading.Timer(seconds, server.shutdown).start()
print("listening", flush=True)
server.serve_forever()
