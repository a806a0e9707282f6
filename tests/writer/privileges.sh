#!/bin/bash
# The record service run as systemd runs it (a service per connection, as an
# account of its own that owns the shared folder) and used by two accounts.
# One of them does all it can to get in the other's way: it stops every
# process it owns at random moments while saving, holds connections open
# without sending, and floods the class's results, which already hold 10 MiB
# of its lines. The other's saves and lines land within a second every time,
# root's reset too, and none of its lines is lost.
# Everything lives outside the checkout, which other accounts may not enter.
# Usage: privileges.sh <service built for the folder> <folder>. Exit 77: skipped.
set -u
service=$1
folder=$2
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(dirname "$folder")
socket=$prefix/run/record.sock

[ "$(id -u)" = 0 ] || { echo "SKIP: other accounts need root"; exit 77; }
for tool in setpriv systemd-socket-activate /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done

fail() {
    echo "FAIL: $*"
    ls -la "$folder" 2>&1
    exit 1
}
as() { local who=$1; shift; setpriv --reuid="$who" --regid="$who" --clear-groups "$@"; }
hex() { od -An -tx1 "$1" | tr -d ' \n'; }
now() { date +%s%N; }

nobody=$(id -u nobody)
other=65000
owner=64999 # the service's account
pids=""
trap 'kill -CONT $pids 2>/dev/null; kill $pids 2>/dev/null; rm -rf "$prefix"' EXIT

rm -rf "$prefix"
install -d -m 0755 "$prefix" "$prefix/lib"
install -d -o $owner -g $owner -m 0755 "$folder" "$prefix/run"
install -m 0755 "$service" "$prefix/lib/corvalesta-record"
install -m 0755 "$here/ask.py" "$prefix/lib/"
ask="/usr/bin/python3 $prefix/lib/ask.py $socket"
# The log nearly full, all of it the flooder's: 103,000 lines of 101 bytes.
{
    printf 'data,nome,esatte,errate,totali,secondi,record,utente\r\n'
    line=$(printf '2026-12-07T10:00:00+01:00,%-53s,1,0,1,300,no,nobody\r\n' Flood)
    yes "$line" | head -n 103000
} >"$folder/risultati.csv"
chown $owner:$owner "$folder/risultati.csv"
(exec setpriv --reuid=$owner --regid=$owner --clear-groups \
    systemd-socket-activate --accept --inetd -l "$socket" "$prefix/lib/corvalesta-record") 2>/dev/null &
pids="$pids $!"
for _ in $(seq 600); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || fail "the service does not listen"
# As the socket unit says: every account may connect.
chmod 0666 "$socket"

request() { printf 'corvalesta fine 1\n%s\n0\n300\n1\n%s\n%s\n' "$1" "$2" "$2"; }

# A first record, and nothing written by hand.
request 5 Bea | as "$nobody" $ask >/dev/null || fail "nobody's first record"
[ "$(hex "$folder/suc0000.txt") $(hex "$folder/suc00000.txt")" = "350d0a 4265610d0a" ] ||
    fail "a first record: $(hex "$folder/suc0000.txt")"
as "$nobody" sh -c "echo 99 >'$folder/suc0000.txt'" 2>/dev/null && fail "nobody wrote the score file"
as "$nobody" sh -c "echo x >>'$folder/risultati.csv'" 2>/dev/null && fail "nobody wrote the results"
[ "$(stat -c '%a %u' "$folder/corvalesta.lock")" = "600 $owner" ] || fail "the lock is $(stat -c '%a %u' "$folder/corvalesta.lock")"

# The flooder: results as fast as it can, with the longest name.
long=$(printf 'F%.0s' $(seq 60))
for _ in 1 2; do
    as "$nobody" bash -c "while :; do printf 'corvalesta fine 1\n603\n0\n300\n0\n$long\n$long\n' | $ask; done" \
        >/dev/null 2>&1 &
    pids="$pids $!"
done
# Connections that send nothing, opened again and again.
as "$nobody" bash -c "while :; do for i in 1 2 3 4 5 6 7 8; do $ask hold & done; sleep 3; kill \$(jobs -p); done" \
    >/dev/null 2>&1 &
pids="$pids $!"
# Saves stopped at random moments and left stopped: every process of its own.
as "$nobody" bash -c "while :; do request=\$(printf 'corvalesta fine 1\n1\n0\n300\n1\nZoe\nZoe\n');
    printf '%s\n' \"\$request\" | $ask >/dev/null & p=\$!; sleep 0.0\$((RANDOM % 10)); kill -STOP \$p; done" \
    >/dev/null 2>&1 &
pids="$pids $!"
# Until the flood has filled the log and a block of it went.
full=$(stat -c %s "$folder/risultati.csv")
for _ in $(seq 1200); do [ "$(stat -c %s "$folder/risultati.csv")" -lt "$full" ] && break; sleep 0.1; done
[ "$(stat -c %s "$folder/risultati.csv")" -lt "$full" ] || fail "the flood never filled the log"

# The other account saves ten times, each better than the last, each within
# a second; root's reset too, in the middle.
slowest=0
for score in 6 7 8 9 10 11 12 13 14 15; do
    if [ "$score" = 11 ]; then
        start=$(now)
        "$prefix/lib/corvalesta-record" --reset >/dev/null 2>&1 ||
            fail "root's reset: status $?"
        elapsed=$(( ($(now) - start) / 1000000 ))
        [ "$elapsed" -lt 1000 ] || fail "root's reset took $elapsed ms"
    fi
    start=$(now)
    answer=$(request "$score" Eva | as "$other" $ask)
    status=$?
    elapsed=$(( ($(now) - start) / 1000000 ))
    [ "$status" = 0 ] && [ "$answer" = "$(printf '0 1\n\n0')" ] ||
        fail "Eva's $score: status $status, '$answer'"
    [ "$elapsed" -lt 1000 ] || fail "Eva's $score took $elapsed ms"
    [ "$elapsed" -gt "$slowest" ] && slowest=$elapsed
    [ "$(hex "$folder/suc0000.txt")" = "$(printf '%s\r\n' "$score" | od -An -tx1 | tr -d ' \n')" ] ||
        fail "Eva's $score not stored: $(hex "$folder/suc0000.txt")"
done
stopped=$(ps -o stat= -u "$nobody" | grep -c '^T')
kill -CONT $pids 2>/dev/null
kill $pids 2>/dev/null
pkill -KILL -u "$nobody" -f ask.py
[ "$stopped" -gt 0 ] || fail "no process of the flooder was stopped"
# Every one of Eva's lines is there; the flood paid with its own.
[ "$(grep -c ',Eva,[0-9]*,0,[0-9]*,300,sì,65000.$' "$folder/risultati.csv")" = 10 ] ||
    fail "Eva's lines: $(grep -c ',65000.$' "$folder/risultati.csv")"
[ "$(stat -c %s "$folder/risultati.csv")" -le 10485760 ] || fail "the log passed its bound"
echo "PASS: ten saves by one account beside another's floods, held connections and $stopped stopped processes, the slowest in $slowest ms; root's reset; no line of the first account lost"
