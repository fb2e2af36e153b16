#!/usr/bin/env python3
"""Drives a Windows program that reads a COM port under wine: a pseudo-terminal
pair is made, its far end mapped to the COM port in the wine prefix, lines are
written into the near end and the program's events checked.

  serial_port_test.py WINE WINEPREFIX PORT -- PROGRAM ARGS...

Wine maps COM ports through links in $WINEPREFIX/dosdevices (com1 -> a tty),
but remakes those links from its registry (HKLM\Software\Wine\Ports, else the
machine's /dev/ttyS*) each time its server starts. So the port is named once in
the registry as a link of our own in the prefix, and each run points that link
at its fresh pseudo-terminal. Every wait is bounded; the program is killed at
the end whatever happened.
"""
import os
import select
import subprocess
import sys
import time

DEADLINE_S = 60


def main():
    wine, prefix, port = sys.argv[1:4]
    assert sys.argv[4] == "--"
    program = sys.argv[5:]

    near, far = os.openpty()
    env = dict(os.environ, WINEPREFIX=prefix)
    env.setdefault("WINEDEBUG", "-all")
    link = os.path.join(prefix, "kolvar-" + port.lower())
    point(link, os.ttyname(far))
    subprocess.run([wine, "reg", "add", "HKLM\\Software\\Wine\\Ports", "/v", port.upper(),
                    "/d", link, "/f"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=DEADLINE_S, check=True)
    # A server already running made its links before the registry said so.
    point(os.path.join(prefix, "dosdevices", port.lower()), link)

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

    try:
        if next_event() != "open":
            return fail("the program did not open the port", events, proc)
        # Only the program holds the far end from now on, so that closing the
        # near end is an unplugged board to it.
        os.close(far)
        # A line in two pieces, a banner, a line of plain numbers.
        os.write(near, b"28-0000075a1b2c=2")
        time.sleep(0.3)
        os.write(near, b"1.50;probe:22.75\r\n")
        os.write(near, b"Kolvar DS18B20 sketch\r\n12.5 13.25\r\n")
        wanted = ["line 28-0000075a1b2c=21.50;probe:22.75", "line Kolvar DS18B20 sketch",
                  "line 12.5 13.25"]
        for expected in wanted:
            got = next_event()
            if got != expected:
                return fail("expected %r, got %r" % (expected, got), events, proc)
        os.close(near)
        near = None
        if next_event() != "gone":
            return fail("closing the other end was not seen", events, proc)
        try:
            status = proc.wait(timeout=DEADLINE_S)
        except subprocess.TimeoutExpired:
            return fail("the program did not end", events, proc)
        if status != 0:
            return fail("the program's checks failed (status %d)" % status, events, proc)
        print("passed:", events)
        return 0
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
        if near is not None:
            os.close(near)
        os.remove(link)


def point(link, target):
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(target, link)


def fail(why, events, proc):
    print("FAIL:", why)
    print("events:", events)
    return 1


if __name__ == "__main__":
    sys.exit(main())
