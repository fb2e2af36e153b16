#!/bin/sh
# The stop from the page ends a headless run as the window's button would,
# and the summary tells that stop. Without the key the stop is refused; a
# page without --web-allow-stop refuses it as not allowed (403), whatever
# the request carries. Bounded; everything it started ends.
# usage: remote_stop_test.sh KOLVAR_SIM WORKDIR
set -u
sim=$1 work=$2
rm -rf "$work" && mkdir -p "$work/allowed" "$work/not-allowed"

# Starts a run in the current folder with OPTIONS; its page's address in $url.
start() {
  timeout 120 "$sim" --headless --hours 2 --speed 30 --web 0 "$@" >out.txt 2>err.txt &
  pid=$!
  url=
  for _ in $(seq 1 300); do
    url=$(sed -n 's/^web: //p' out.txt)
    [ -n "$url" ] && return 0
    sleep 0.1
  done
  echo "no web: line"; cat out.txt err.txt; return 1
}
trap 'kill $pid 2>/dev/null || true' EXIT

# POST /api/stop with the key in a header if given: the status.
stop() {
  python3 - "$url" "$1" <<'PY'
import sys, urllib.request, urllib.error
url, token = sys.argv[1].split("?")[0], sys.argv[2]
request = urllib.request.Request(url + "api/stop", data=b"", method="POST")
if token:
    request.add_header("Authorization", "Bearer " + token)
try:
    with urllib.request.urlopen(request, timeout=20) as r:
        print(r.status)
except urllib.error.HTTPError as e:
    print(e.code)
PY
}

cd "$work/not-allowed" && start || exit 1
status=$(stop 0123456789abcdef0123456789abcdef)
[ "$status" = 403 ] || { echo "stop without the allowance: $status, expected 403"; exit 1; }
kill $pid; wait $pid 2>/dev/null

cd "$work/allowed" && start --web-allow-stop || exit 1
token=$(sed -n 's/^token = //p' kolvar-web.conf)
[ -n "$token" ] || { echo "no token kept"; cat kolvar-web.conf; exit 1; }
status=$(stop "")
[ "$status" = 401 ] || { echo "stop without the key: $status, expected 401"; exit 1; }
status=$(stop "$token")
[ "$status" = 202 ] || { echo "stop with the key: $status, expected 202"; exit 1; }
wait $pid
status=$?
[ $status -eq 0 ] || { echo "the run ended with status $status"; cat out.txt err.txt; exit 1; }
grep -q '^ended: system stop at .*Остановлено пользователем (удалённо)' out.txt ||
  { echo "the summary does not tell the stop"; cat out.txt; exit 1; }
grep -q 'still running' out.txt && { echo "the summary says the system still runs"; exit 1; }
exit 0
