#!/bin/sh
# A real browser on the page of a real run: kolvar-sim --headless --speed 60
# --web on a free port of this machine, chromium headless through
# browser_check.py; pictures into SHOTS. Bounded; everything it started ends.
# usage: browser_test.sh KOLVAR_SIM WORKDIR SHOTS
set -eu
sim=$1 work=$2 shots=$3
here=$(dirname "$0")
rm -rf "$work" && mkdir -p "$work" "$shots"
cd "$work"
timeout 120 "$sim" --headless --speed 60 --web 0 --web-allow-stop >out.txt 2>err.txt &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
url=
for _ in $(seq 1 100); do
  url=$(sed -n 's/^web: //p' out.txt)
  [ -n "$url" ] && break
  sleep 0.1
done
[ -n "$url" ] || { echo "no web: line"; cat out.txt err.txt; exit 1; }
echo "page: $url"
timeout 90 python3 "$here/browser_check.py" "$url" "$shots" 40
