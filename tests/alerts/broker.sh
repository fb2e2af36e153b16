# A real broker (Debian's mosquitto) on a free loopback port, for the tests
# that need one; sourced by them. The sourcing script sets $here to this
# folder, keeps the started processes' ids in $pids (and stops them at its
# end) and defines fail.
# wait_for FILE PATTERN SECONDS: polls a tenth of a second at a time.
wait_for() {
  n=0
  while ! grep -q -- "$2" "$1" 2>/dev/null; do
    n=$((n + 1)); [ $n -gt $(($3 * 10)) ] && return 1; sleep 0.1
  done
}

start_broker() { # start_broker CONF: the port in $port, its log in broker-$port.log
  port=$(python3 "$here/free_port.py")
  printf 'listener %s 127.0.0.1\npersistence false\n%s\n' "$port" "$1" > "broker-$port.conf"
  timeout 120 mosquitto -v -c "broker-$port.conf" > "broker-$port.log" 2>&1 &
  pids="$pids $!"
  wait_for "broker-$port.log" "running" 10 || fail "the broker did not start"
}
