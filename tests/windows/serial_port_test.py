#!/usr/bin/env python3
"""Drives serial_port_check.exe under wine on a pseudo-terminal mapped to a
COM port: lines are written into the board's end and the program's events
checked (see serial_port_check.cpp).

  serial_port_test.py WINE WINEPREFIX PORT -- PROGRAM ARGS...

Every wait is bounded; the program is killed at the end whatever happened.
"""
import os
import select
import subprocess
import sys
import time

from wine_com import DEADLINE_S, MappedPort


def main():
    wine, prefix, port = sys.argv[1:4]
    assert sys.argv[4] == "--"
    program = sys.argv[5:]

    env = dict(os.environ, WINEPREFIX=prefix)
    env.setdefault("WINEDEBUG", "-all")
    board = MappedPort(wine, env, port)
    proc = subprocess.Popen([wine] + program, stdout=subprocess.PIPE, env=env)
    events = []
    pending = b""

    def next_event():
        nonlocal pending
        end = time.monotonic() + DEADLINE_S
        while b"\n" not in pending:
            left = end - time.monotonic()
            if left <= 0:
                return None
            ready, _, _ = select.select([proc.stdout], [], [], left)
            if not ready:
                return None
            chunk = os.read(proc.stdout.fileno(), 4096)
            if not chunk:
                return None
            pending += chunk
        line, pending = pending.split(b"\n", 1)
        event = line.decode().rstrip("\r")
        events.append(event)
        return event

    def fail(why):
        print("FAIL:", why)
        print("events:", events)
        return 1

    try:
        if next_event() != "open":
            return fail("the program did not open the port")
        board.let_go()
        # A line in two pieces, a banner, a line of plain numbers.
        board.write(b"28-0000075a1b2c=2")
        time.sleep(0.3)
        board.write(b"1.50;probe:22.75\r\n")
        board.write(b"Kolvar DS18B20 sketch\r\n12.5 13.25\r\n")
        wanted = ["line 28-0000075a1b2c=21.50;probe:22.75", "line Kolvar DS18B20 sketch",
                  "line 12.5 13.25"]
        for expected in wanted:
            got = next_event()
            if got != expected:
                return fail("expected %r, got %r" % (expected, got))
        board.unplug()
        if next_event() != "gone":
            return fail("closing the other end was not seen")
        try:
            status = proc.wait(timeout=DEADLINE_S)
        except subprocess.TimeoutExpired:
            return fail("the program did not end")
        if status != 0:
            return fail("the program's checks failed (status %d)" % status)
        print("passed:", events)
        return 0
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
        board.close()


if __name__ == "__main__":
    sys.exit(main())
