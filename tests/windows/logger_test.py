#!/usr/bin/env python3
"""kolvar-logger.exe under wine reading a board on COM1, a pseudo-terminal
that this script plays: its lines reach the log's columns; a board unplugged
blanks them and one plugged in again fills them again; a second copy on the
same log exits at once with status 0.

  logger_test.py WINE WINEPREFIX WORKDIR LOGGER_EXE

Every wait is bounded and ends as soon as the log shows what is awaited; the
programs are killed at the end whatever happened.
"""
import os
import re
import shutil
import subprocess
import sys
import time

from wine_com import DEADLINE_S, MappedPort

BOARD_LINE = b"# a note\r\n28-0000075a1b2c=21.5 probe:-3.25\r\n"
STAMP = re.compile(r"^\d\d:\d\d:\d\d$")


def column(line, k):
    """Sensor k of a log line: characters 10k to 10k+8, blanks taken off."""
    return line[10 * k - 1:10 * k + 8].strip()


def main():
    wine, prefix, work, logger = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    log = os.path.join(work, "temperatures.log")
    config = os.path.join(work, "logger.conf")
    with open(config, "w") as f:
        f.write("1 28-0000075a1b2c\n3 probe\ninterval 1\ntimeout 2\n")
    env = dict(os.environ, WINEPREFIX=prefix)
    env.setdefault("WINEDEBUG", "-all")
    board = MappedPort(wine, env, "com1")
    command = [wine, logger, "--serial", "COM1", "--config", config, "--log", log]
    first = subprocess.Popen(command, stderr=open(os.path.join(work, "first.txt"), "wb"), env=env)
    board.let_go()

    def lines():
        try:
            with open(log, "rb") as f:
                return f.read().decode().split("\r\n")[:-1]
        except FileNotFoundError:
            return []

    def wait_for(what, condition, talk=True):
        """Until the log's last line meets `condition`, the board printing
        meanwhile when `talk`."""
        end = time.monotonic() + DEADLINE_S
        while time.monotonic() < end:
            if first.poll() is not None:
                raise Failure("the logger ended with %d" % first.returncode)
            if talk and board.near is not None:
                board.write(BOARD_LINE)
            seen = lines()
            if seen and condition(seen[-1]):
                return
            time.sleep(0.3)
        raise Failure("the log never showed %s; its last lines: %r" % (what, lines()[-3:]))

    try:
        wait_for("the board's readings",
                 lambda l: column(l, 1) == "21.500" and column(l, 3) == "-3.250")
        board.unplug()
        wait_for("the columns blank after the board went", lambda l: column(l, 1) == "",
                 talk=False)
        board.replug()
        wait_for("the readings again after the board came back",
                 lambda l: column(l, 1) == "21.500")

        second = subprocess.run(command, stderr=subprocess.PIPE, env=env, timeout=DEADLINE_S)
        said = second.stderr.decode(errors="replace")
        if second.returncode != 0 or "another copy" not in said:
            raise Failure("a second copy: status %d, %r" % (second.returncode, said))

        for line in lines():
            if not STAMP.match(line[:8]) or len(line) > 60 or (len(line) > 8 and line[8] != " "):
                raise Failure("a line out of form: %r" % line)
            if column(line, 2) != "":
                raise Failure("column 2, which nothing feeds, is not blank: %r" % line)
        print("passed: %d lines" % len(lines()))
        return 0
    except (Failure, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure)
        # Its first lines: a wine server it started may have written more there.
        with open(os.path.join(work, "first.txt"), "rb") as f:
            print("the logger said:", f.read(2000).decode(errors="replace"))
        return 1
    finally:
        if first.poll() is None:
            first.kill()
            first.wait()
        board.close()


class Failure(Exception):
    pass


if __name__ == "__main__":
    sys.exit(main())
