#!/usr/bin/env python3
"""A real browser on the page: Debian's chromium, headless, driven through
its DevTools pipe (file descriptors 3 and 4, no port opened). It loads the
page of a running kolvar-sim, waits until the push stream has brought states
in which the temperatures changed, checks that its warnings box shows what
the state says, and takes the phone-size and desktop pictures. Bounded: every wait has a deadline, and chromium is ended at exit.

usage: browser_check.py URL SCREENSHOT_DIR [SECONDS]
"""
import base64
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time


class Browser:
    def __init__(self, profile):
        to_chrome_r, self._to_chrome = os.pipe()
        self._from_chrome, from_chrome_w = os.pipe()
        # The child's descriptors 3 and 4, as --remote-debugging-pipe wants.
        def wire():
            # Out of the way first: either end may itself be 3 or 4.
            high_r, high_w = os.dup(to_chrome_r) + 100, os.dup(from_chrome_w) + 100
            os.dup2(to_chrome_r, high_r)
            os.dup2(from_chrome_w, high_w)
            os.dup2(high_r, 3)
            os.dup2(high_w, 4)
        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--hide-scrollbars", "--user-data-dir=" + profile,
             "--remote-debugging-pipe", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=wire, pass_fds=(3, 4))
        os.close(to_chrome_r)
        os.close(from_chrome_w)
        self._buffer = b""
        self._next = 0
        self.session = None

    def call(self, method, params=None, session=True, deadline=30):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self._to_chrome, json.dumps(message).encode() + b"\0")
        end = time.monotonic() + deadline
        while time.monotonic() < end:
            for reply in self._read(end):
                if reply.get("id") == self._next:
                    if "error" in reply:
                        raise RuntimeError(method + ": " + str(reply["error"]))
                    return reply.get("result", {})
        raise TimeoutError(method)

    def _read(self, end):
        import select
        ready, _, _ = select.select([self._from_chrome], [], [], max(0, end - time.monotonic()))
        if not ready:
            return []
        chunk = os.read(self._from_chrome, 1 << 20)
        if not chunk:
            raise RuntimeError("chromium went away")
        self._buffer += chunk
        *whole, self._buffer = self._buffer.split(b"\0")
        return [json.loads(m) for m in whole if m]

    def open(self, url, width, height):
        target = self.call("Target.createTarget", {"url": "about:blank"}, session=False)
        attached = self.call("Target.attachToTarget",
                             {"targetId": target["targetId"], "flatten": True}, session=False)
        self.session = attached["sessionId"]
        self.size(width, height)
        self.call("Page.navigate", {"url": url})

    def size(self, width, height, mobile=False):
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})

    def evaluate(self, expression, wait=False):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": wait})
        return result.get("result", {}).get("value")

    def screenshot(self, path, full=False):
        params = {"format": "png"}
        if full:
            params["captureBeyondViewport"] = True
        data = self.call("Page.captureScreenshot", params)["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))

    def close(self):
        self.process.kill()
        self.process.wait(timeout=10)


# The page's warnings box against the state the server gives now: the same
# texts in the same order, and hidden when there are none.
WARNINGS = (
    "fetch('api/state' + location.search).then((r) => r.json()).then((s) => JSON.stringify({"
    " state: s.warnings,"
    " shown: Array.from(document.querySelectorAll('#warnings li'), (li) => li.textContent),"
    " hidden: document.getElementById('warnings').classList.contains('hidden'),"
    " cooldown: document.getElementById('cooldown') !== null}))")


def warnings_shown(browser):
    # A state pushed between the page's last one and the fetch may differ
    # for a moment: a few tries, bounded.
    for _ in range(8):
        seen = json.loads(browser.evaluate(WARNINGS, wait=True))
        if (seen["cooldown"] and seen["shown"] == seen["state"]
                and seen["hidden"] == (not seen["state"])):
            print("warnings shown: %r" % seen["shown"])
            return True
        time.sleep(0.5)
    print("FAIL: the page's warnings are not the state's: %r" % seen)
    return False


def main():
    url, pictures = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 40
    os.makedirs(pictures, exist_ok=True)
    profile = tempfile.mkdtemp(prefix="kolvar-chromium-")
    browser = Browser(profile)
    try:
        browser.open(url, 390, 844)
        browser.size(390, 844, mobile=True)
        end = time.monotonic() + seconds
        seen = set()
        events = 0
        while time.monotonic() < end:
            state = browser.evaluate(
                "JSON.stringify({events: document.body.dataset.events,"
                " temps: document.body.dataset.temperatures || ''})")
            if state:
                state = json.loads(state)
                events = int(state["events"] or 0)
                if state["temps"]:
                    seen.add(state["temps"])
            if events >= 3 and len(seen) >= 3:
                break
            time.sleep(0.25)
        print("states pushed: %d, distinct temperatures seen: %d" % (events, len(seen)))
        for temps in sorted(seen)[:5]:
            print("  " + temps)
        if events < 3 or len(seen) < 3:
            print("FAIL: the temperatures did not change through the push stream")
            return 1
        if not warnings_shown(browser):
            return 1
        time.sleep(6)  # the plot is asked for every few seconds
        browser.screenshot(os.path.join(pictures, "web-phone.png"))
        browser.size(1280, 900)
        time.sleep(6)
        browser.screenshot(os.path.join(pictures, "web-desktop.png"))
        return 0
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
