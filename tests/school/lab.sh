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
here=$(cd "$(dirname "$0")" && pwd)
account=corvalesta-prova          # the service's, made for the test if missing
teachers=corvalesta-prova-maestri # the teachers' group of the lab's service

[ "$(id -u)" = 0 ] || { echo "SKIP: other accounts and mounts need root"; exit 77; }
for tool in /usr/sbin/sshd sshfs ssh-keygen unshare nsenter setpriv faketime /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
[ -c /dev/fuse ] || { echo "SKIP: no /dev/fuse"; exit 77; }

share=$base/scuola/corvalesta # the administrator's cartella_scuola, on every computer
export_dir=$base/export       # the server's side
pids=""
sshd_pid=""
made=""
fail() {
    echo "FAIL: $*"
    ls -laR "$export_dir" 2>&1 | head -40
    tail -5 "$base/sshd.log" 2>/dev/null
    exit 1
}
cleanup() {
    [ -n "$sshd_pid" ] && kill -CONT "$sshd_pid" 2>/dev/null
    pkill -CONT -f "sshd: root" 2>/dev/null
    kill $pids $sshd_pid 2>/dev/null
    pkill -f "$base/" 2>/dev/null
    sleep 0.5
    umount -l "$export_dir" 2>/dev/null
    rm -rf "$base"
    [ -n "$made" ] && { userdel "$account"; groupdel "$teachers"; } 2>/dev/null
}
trap cleanup EXIT

if ! id "$account" >/dev/null 2>&1; then
    getent group "$teachers" >/dev/null || groupadd --system "$teachers"
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
        -G "$teachers" "$account" || fail "cannot make the account $account"
    made=yes
fi
getent group "$teachers" >/dev/null || groupadd --system "$teachers"
uid=$(id -u "$account")
tgid=$(getent group "$teachers" | cut -d: -f3)
nobody=$(id -u nobody)

# Root's own folder in /tmp, made where nothing stands.
if [ -e "$base" ] || [ -L "$base" ]; then
    [ ! -L "$base" ] && [ -d "$base" ] && [ "$(stat -c %u "$base")" = 0 ] ||
        { echo "FAIL: $base is not root's own: remove it by hand"; trap - EXIT; exit 1; }
    umount -l "$base/export" 2>/dev/null
    rm -rf "$base"
fi
mkdir -m 0755 "$base" || { echo "FAIL: someone made $base meanwhile"; trap - EXIT; exit 1; }
install -d -m 0755 "$base/lib" "$base/var/corvalesta" "$base/etc" "$share" "$export_dir"
install -m 0755 "$service" "$base/lib/corvalesta-record"
install -m 0644 "$siege_py" "$here/serve.py" "$base/lib/"
service=$base/lib/corvalesta-record
# The server's share: a small file system of its own, so that it can fill.
mount -t tmpfs -o size=4m,mode=0755 tmpfs "$export_dir" || fail "cannot mount the share's tmpfs"
install -d -m 0755 "$export_dir/corvalesta"
: >"$export_dir/corvalesta/.corvalesta-scuola"

# sshd on loopback, with a key of its own for root's sshfs.
mkdir -p /run/sshd
ssh-keygen -q -t ed25519 -N '' -f "$base/host" && ssh-keygen -q -t ed25519 -N '' -f "$base/id" ||
    fail "ssh-keygen"
cp "$base/id.pub" "$base/authorized_keys"
port=$(( 20000 + RANDOM % 20000 ))
cat >"$base/sshd_config" <<EOF
ListenAddress 127.0.0.1
Port $port
HostKey $base/host
AuthorizedKeysFile $base/authorized_keys
PermitRootLogin prohibit-password
PasswordAuthentication no
StrictModes no
UsePAM no
PidFile $base/sshd.pid
Subsystem sftp internal-sftp
EOF
start_sshd() {
    /usr/sbin/sshd -D -f "$base/sshd_config" -E "$base/sshd.log" &
    sshd_pid=$!
    for _ in $(seq 100); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && return 0
        sleep 0.1
    done
    fail "sshd did not listen"
}
start_sshd
# The server's every process: the listener and each connection's.
server() { pgrep -f "sshd: root|sshd -D -f $base/sshd_config"; }

# A computer: a process that holds its namespaces, its folders bound where
# the service and the settings are looked for.
declare -A ns
computer() {
    local pc=$1
    install -d -o "$account" -g "$account" -m 0755 "$base/$pc/var"
    install -d -m 0755 "$base/$pc/etc"
    install -o "$account" -g "$teachers" -m 0640 /dev/null "$base/$pc/var/risultati.csv"
    printf 'cartella_scuola = %s\n' "$share" >"$base/$pc/etc/impostazioni.conf"
    unshare --mount --uts --propagation private sleep infinity &
    ns[$pc]=$!
    pids="$pids $!"
    sleep 0.2
    on "$pc" hostname "$pc"
    on "$pc" mount --bind "$base/$pc/var" "$base/var/corvalesta"
    on "$pc" mount --bind "$base/$pc/etc" "$base/etc"
    mount_share "$pc"
    on "$pc" /usr/bin/python3 "$base/lib/serve.py" "$base/$pc/sock" "$account" "$service" &
    pids="$pids $!"
    for _ in $(seq 50); do [ -S "$base/$pc/sock" ] && break; sleep 0.1; done
}
on() { local pc=$1; shift; nsenter -t "${ns[$pc]}" -m -u -- "$@"; }
mount_share() {
    on "$1" sshfs -p "$port" -o "IdentityFile=$base/id,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null" \
        -o "allow_other,default_permissions,uid=$uid,gid=$tgid,reconnect,ServerAliveInterval=2,ServerAliveCountMax=2,ConnectTimeout=3" \
        "root@127.0.0.1:$export_dir" "$base/scuola" || fail "$1: sshfs did not mount"
}
# N contests of a pupil's on a computer, from FIRST right answers up, each
# the computer's record; each end's round trip within a second.
play() {
    local pc=$1 first=$2 n=$3 times
    times=$(on "$pc" setpriv --reuid="$nobody" --regid="$nobody" --clear-groups \
        /usr/bin/python3 "$base/lib/siege.py" save "$base/$pc/sock" "$first" "$n") ||
        fail "$pc: a contest was not saved"
    for t in $times; do
        [ "${t%.*}" -lt 1000 ] || fail "$pc: a contest's end took $t ms"
    done
    echo "$times"
}
# A publication as the units run it, with a bound; its status.
publish() {
    local pc=$1 bound=${2:-30}
    shift $(( $# < 2 ? $# : 2 ))
    on "$pc" timeout -s KILL "$bound" setpriv --reuid="$account" --regid="$account" --init-groups \
        "$@" "$service" --pubblica >>"$base/publish.log" 2>&1
}
# The school's record of the default setting as a computer's game reads it;
# the seconds it took beside.
# A game that gave up on a hung share may itself stay until sshfs answers
# its thread: the answer is taken from the file as soon as it is there.
school() {
    local pc=$1 start answer=$base/school.$RANDOM
    start=$(date +%s%N)
    (on "$pc" setpriv --reuid="$nobody" --regid="$nobody" --clear-groups \
        "$service" --scuola fino_a-10000_minuti-5 >"$answer.out"; echo $? >"$answer.status") &
    for _ in $(seq 300); do
        [ -s "$answer.out" ] || [ -s "$answer.status" ] && break
        sleep 0.05
    done
    local ms=$(( ($(date +%s%N) - start) / 1000000 ))
    local out
    out=$(cat "$answer.out" 2>/dev/null)
    case $out in
    late*) echo "1 $ms" ;;
    *) echo "0 $ms ${out#ok }" ;;
    esac
}
lines() { grep -c ',"Eva",' "$1" 2>/dev/null || echo 0; }
month=$(date +%Y-%m)

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
publish pc-03 30 faketime -f +1h || fail "the publication an hour ahead"
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
