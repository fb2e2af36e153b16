#!/bin/sh
# A local HTTP receiver stands in for the push service, the webhook and
# Telegram's bot API, and the heartbeat's uptime service. It is down when the run starts: the first attempts
# fail (told once on standard error, the run going on); it comes up, and the
# test alert and the tank-limit stop arrive after the retry, in order, with
# their fields. Every wait is bounded; everything started here stops here.
# usage: receiver_test.sh WORKDIR PROGRAM... (kolvar-sim, an emulator first if any)
set -u
work=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
pids=""
cleanup() { for p in $pids; do kill "$p" 2>/dev/null; done; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; for f in *.txt *.jsonl; do [ -f "$f" ] && { echo "--- $f"; tail -20 "$f"; }; done; exit 1; }
wait_for() {
  n=0
  while ! grep -q -- "$2" "$1" 2>/dev/null; do
    n=$((n + 1)); [ $n -gt $(($3 * 10)) ] && return 1; sleep 0.1
  done
}

port=$(python3 "$here/free_port.py")
printf 'telegram-api = http://127.0.0.1:%s\n' "$port" > kolvar-web.conf
timeout 150 "$@" --headless --tails --test-alert \
  --push "http://127.0.0.1:$port/push" --webhook "http://127.0.0.1:$port/hook" \
  --telegram "123456:ABC-def:-1001" --heartbeat "http://127.0.0.1:$port/beat,1" > run.txt 2> err.txt &
run=$!
pids="$pids $run"
wait_for err.txt 'Оповещение не доставлено' 20 || fail "no failure was told"
timeout 200 python3 "$here/receiver.py" "$port" requests.jsonl 180 > receiver.txt 2>&1 &
pids="$pids $!"
wait "$run" || fail "the run failed"
grep -q '^ended: system stop' run.txt || fail "the run did not end at its stop"
# Told once a channel, however many retries failed.
[ "$(grep -c 'push http://127.0.0.1' err.txt)" -le 1 ] || fail "told more than once"
python3 "$here/check_requests.py" requests.jsonl || fail "the requests"
# The bot's token is in no output.
grep -q 'ABC-def' run.txt err.txt && fail "the bot token was printed"
exit 0
