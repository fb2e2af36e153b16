"""A pseudo-terminal pair whose far end a program under wine opens as a COM
port, for the tests that play a board printing on a serial line.

Wine maps COM ports through links in $WINEPREFIX/dosdevices (com1 -> a tty),
but remakes those links from its registry (HKLM\\Software\\Wine\\Ports, else
the machine's /dev/ttyS*) each time its server starts. So the port is named
once in the registry as a link of our own in the prefix, and each test points
that link at its fresh pseudo-terminal.
"""
import os
import subprocess

DEADLINE_S = 60


class MappedPort:
    """`near` is the board's end: bytes written there reach the program."""

    def __init__(self, wine, env, port):
        prefix = env["WINEPREFIX"]
        self.near, self.far = os.openpty()
        self.link = os.path.join(prefix, "kolvar-" + port.lower())
        _point(self.link, os.ttyname(self.far))
        subprocess.run([wine, "reg", "add", "HKLM\\Software\\Wine\\Ports", "/v", port.upper(),
                        "/d", self.link, "/f"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=DEADLINE_S, check=True)
        # A server already running made its links before the registry said so.
        _point(os.path.join(prefix, "dosdevices", port.lower()), self.link)

    def write(self, data):
        os.write(self.near, data)

    def let_go(self):
        """Leaves the far end to the program alone, so that closing the near
        end is an unplugged board to it."""
        if self.far is not None:
            os.close(self.far)
            self.far = None

    def unplug(self):
        if self.near is not None:
            os.close(self.near)
            self.near = None

    def replug(self):
        """A board plugged in again: a fresh pair behind the same COM port."""
        self.unplug()
        self.let_go()
        self.near, self.far = os.openpty()
        _point(self.link, os.ttyname(self.far))

    def close(self):
        self.let_go()
        self.unplug()
        if os.path.lexists(self.link):
            os.remove(self.link)


def _point(link, target):
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(target, link)
