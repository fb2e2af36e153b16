#!/bin/sh
# The page of a headless run served by a program of another build (the
# Windows one under wine): the address is printed, the state and the page
# come back on loopback, a request without the token of a guarded page gets
# 401, and a page that cannot be guarded is refused with status 2.
# usage: served_page_test.sh WORKDIR PROGRAM... (an emulator first, if any)
set -u
work=$1; shift
rm -rf "$work" && mkdir -p "$work" && cd "$work"
timeout 120 "$@" --headless --hours 0.05 --speed 20 --web 0 >out.txt 2>err.txt &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
url=
for _ in $(seq 1 600); do
  url=$(sed -n 's/^web: //p' out.txt | tr -d '\r')
  [ -n "$url" ] && break
  sleep 0.1
done
[ -n "$url" ] || { echo "no web: line"; cat out.txt err.txt; exit 1; }
echo "page: $url"
python3 - "$url" <<'PY' || exit 1
import json, sys, urllib.request, urllib.error
url = sys.argv[1]
with urllib.request.urlopen(url + "api/state", timeout=20) as r:
    state = json.load(r)
assert len(state["roles"]) == 4, state
with urllib.request.urlopen(url, timeout=20) as r:
    page = r.read().decode()
    assert "page.js" in page, page[:200]
    assert "nosniff" in r.headers.get("X-Content-Type-Options", ""), r.headers
try:
    urllib.request.urlopen(urllib.request.Request(url + "api/stop", data=b"", method="POST"),
                           timeout=20)
    sys.exit("the stop was taken without the allowance")
except urllib.error.HTTPError as e:
    assert e.code in (401, 403), e.code
print("state, page and refused stop as expected")
PY
kill $pid 2>/dev/null
wait $pid 2>/dev/null
# Beyond this machine with no token that can be kept: refused, status 2.
mkdir -p refused/kolvar-web.conf && cd refused
timeout 60 "$@" --headless --hours 0.01 --web 0.0.0.0:0 >out.txt 2>err.txt
status=$?
[ $status -eq 2 ] || { echo "status $status, expected 2"; cat out.txt err.txt; exit 1; }
grep -q '^web:' out.txt && { echo "an address was printed"; exit 1; }
exit 0
