"""Prints a TCP port on 127.0.0.1 that was free a moment ago."""
import socket

with socket.socket() as s:
    s.bind(("127.0.0.1", 0))
    print(s.getsockname()[1])
