#!/bin/bash
# A school's lab: three computers, each in its own mount and UTS namespace
# with its own name, record folder, settings and record service, publishing
# into one share that sshd serves on loopback and sshfs mounts, as a
# thin-client lab does. Contests are played as a pupil through each
# computer's service; publications run as the service's account, as the
# package's units run them. Then the faults: the share unmounted, sshd
# killed and frozen, a publication killed half-way, two computers beating
# the school's record together, a clock an hour off, a full share. Each time
# the contests end saved at once, nothing published is torn, and the next
# publication carries what was missing.
# Usage: lab.sh <lab's service> <its base folder> <siege.py>. Exit 77: skipped.
set -u
service=$1
base=$2
siege_py=$3
# shellcheck source=lab-setup.sh
. "$(dirname "$0")/lab-setup.sh"

for pc in pc-01 pc-02 pc-03; do computer "$pc"; done

# Healthy: published, whole, the service's own, readable by all, written by none else.
play pc-01 1 3 >/dev/null
publish pc-01 || fail "pc-01's publication: status $?"
mine=$export_dir/corvalesta/pc-01
[ "$(lines "$mine/risultati-$month.csv")" = 3 ] || fail "pc-01's month holds $(lines "$mine/risultati-$month.csv") lines"
head -1 "$mine/risultati-$month.csv" | grep -q '^"data","nome"' || fail "the month has no header"
grep -q "^fino_a-10000_minuti-5	3	[0-9]*	Eva$" "$mine/record.txt" || fail "pc-01's record: $(cat "$mine/record.txt")"
read -r status ms out <<<"$(school pc-02)"
[ "$status $out" = "0 3 pc-01 Eva" ] || fail "pc-02 reads the school's record as '$status $out'"
on pc-02 stat -c '%u %a' "$share/pc-01/record.txt" | grep -qx "$uid 644" ||
    fail "the record is $(on pc-02 stat -c '%u %a' "$share/pc-01/record.txt")"
for target in "$share/pc-01/record.txt" "$share/intruso" "$share/pc-01/intruso"; do
    if on pc-02 setpriv --reuid="$nobody" --regid="$nobody" --clear-groups \
        sh -c "echo 9 >>'$target'" 2>/dev/null; then
        fail "a pupil wrote $target"
    fi
done
echo "healthy: pc-02 read the school's record in $ms ms"

# Unmounted: the empty mount point is left alone; the next mount gets it all.
on pc-03 umount "$base/scuola"
play pc-03 1 2 >/dev/null
publish pc-03
[ $? = 3 ] || fail "an unmounted share was not told"
[ -z "$(ls -A "$share")" ] || fail "a publication wrote into the empty mount point"
mount_share pc-03
publish pc-03 || fail "pc-03's publication after the mount"
[ "$(lines "$export_dir/corvalesta/pc-03/risultati-$month.csv")" = 2 ] || fail "pc-03's lines after the mount"

# sshd killed: contests end at once, the publication fails, the school's
# record is given up on within its second; sshd back, the lines follow.
kill $(server)
wait "$sshd_pid" 2>/dev/null
play pc-01 4 2 >/dev/null
publish pc-01 30 && fail "a publication without a server said it published"
read -r status ms out <<<"$(school pc-01)"
[ "$ms" -lt 5000 ] || fail "the game waited $ms ms for a server gone"
start_sshd
sleep 5 # sshfs reconnects at the next request
for _ in 1 2 3; do publish pc-01 30 && break; sleep 3; done
[ "$(lines "$mine/risultati-$month.csv")" = 5 ] || fail "pc-01's lines after sshd came back: $(lines "$mine/risultati-$month.csv")"
echo "sshd killed: the school's record given up on in $ms ms (status $status)"

# Frozen: the hung mount. The game gives up on it after its second; the
# publication hangs until its bound kills it half-way; thawed, it goes on.
: >"$mine/.scrittura-1-1-record.txt" # a publication's leftover, from before
kill -STOP $(server)
play pc-01 6 2 >/dev/null
read -r status ms out <<<"$(school pc-02)"
[ "$status" = 1 ] || fail "a frozen share read as '$status $out'"
[ "$ms" -lt 5000 ] || fail "the game waited $ms ms for a frozen share"
publish pc-01 8
status=$?
# Killed at its bound, or failed once sshfs gave up on the server itself.
[ "$status" = 137 ] || [ "$status" = 4 ] || fail "a publication to a frozen share ended $status"
kill -CONT $(server)
sleep 1
for _ in 1 2 3; do publish pc-01 30 && break; sleep 3; done
[ "$(lines "$mine/risultati-$month.csv")" = 7 ] || fail "pc-01's lines after the thaw"
ls -A "$mine" | grep -q '^\.scrittura-' && fail "a publication's leftovers stayed: $(ls -A "$mine")"
echo "frozen: the game gave up on the school's record in $ms ms"

# Two computers beat the school's record together, with the same score.
play pc-02 20 1 >/dev/null & p2=$!
play pc-03 20 1 >/dev/null
wait $p2 || exit 1
touch -d @1765000000 "$base/pc-02/var/suc0000.txt" "$base/pc-03/var/suc0000.txt"
publish pc-02 30 & p2=$!
publish pc-03 30 || fail "pc-03's publication beside pc-02's"
wait $p2 || fail "pc-02's publication beside pc-03's"
for pc in pc-01 pc-02 pc-03; do
    read -r status ms out <<<"$(school $pc)"
    [ "$status $out" = "0 20 pc-02 Eva" ] || fail "$pc reads two equal records as '$status $out'"
done

# A clock an hour ahead: the record file says so beside the share's time.
# A sanitizer build wants its runtime first among the preloads; here it is not.
publish pc-03 30 env LD_PRELOAD="$faketime_lib" FAKETIME=+1h \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" ||
    fail "the publication an hour ahead"
clock=$(sed -n 's/^orologio\t//p' "$export_dir/corvalesta/pc-03/record.txt")
skew=$(( clock - $(stat -c %Y "$export_dir/corvalesta/pc-03/record.txt") ))
[ "$skew" -gt 3500 ] && [ "$skew" -lt 3700 ] || fail "an hour ahead shows as $skew s"

# A full share: the publication fails, what stood stays whole, and once
# there is room again the lines follow.
before=$(sha256sum <"$mine/risultati-$month.csv")
play pc-01 30 2 >/dev/null
dd if=/dev/zero of="$export_dir/corvalesta/.zavorra" bs=64k 2>/dev/null
publish pc-01 30 && fail "a publication to a full share said it published"
[ "$(sha256sum <"$mine/risultati-$month.csv")" = "$before" ] || fail "a full share tore pc-01's month"
rm "$export_dir/corvalesta/.zavorra"
publish pc-01 30 || fail "pc-01's publication once there was room"
[ "$(lines "$mine/risultati-$month.csv")" = 9 ] || fail "pc-01's lines after the share had room"
ls -A "$mine" | grep -q '^\.scrittura-' && fail "a full share left scratch files: $(ls -A "$mine")"

echo "PASS: three computers over sshfs: published whole, read by all, written by none but the service; unmounted, killed, frozen, killed half-way, tied, an hour ahead and full, nothing lost and no contest's end slower than a second"
