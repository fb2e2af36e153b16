#!/bin/sh
# A page beyond this machine without a token that can be kept is not served:
# the program ends with status 2 before any run, and prints no address. A
# folder in the settings file's place (which no token can be written to, even
# by root) is refused by its name.
# usage: refusal_test.sh KOLVAR_SIM WORKDIR
set -u
sim=$1 work=$2
rm -rf "$work" && mkdir -p "$work/kolvar-web.conf" && cd "$work"
timeout 30 "$sim" --headless --hours 0.01 --web 0.0.0.0:0 >out.txt 2>err.txt
status=$?
[ $status -eq 2 ] || { echo "status $status, expected 2"; cat out.txt err.txt; exit 1; }
grep -q '^web:' out.txt && { echo "an address was printed"; exit 1; }
grep -q 'kolvar-web.conf: a folder, not a file' err.txt || { echo "no reason"; cat err.txt; exit 1; }
[ -d runs ] && { echo "a run started"; exit 1; }
# On this machine alone no token is needed: the same run is served.
rmdir kolvar-web.conf
timeout 60 "$sim" --headless --hours 0.01 --web 127.0.0.1:0 >out.txt 2>err.txt || exit 1
grep -q '^web: http://127.0.0.1:[0-9]*/$' out.txt || { echo "no address"; cat out.txt; exit 1; }
exit 0
