# A school's lab, made for a test or a benchmark that sources this: sshd on
# loopback serving a small share, sshfs mounting it on each computer, each
# computer a process holding its own mount and UTS namespace, with its own
# name, record folder, settings and record service; a pupil's contests and
# the service's publications run inside it. Removed again on exit.
# Before sourcing: service (the lab's service), base (its base folder),
# siege_py (tests/service/siege.py). Exits 77 where it cannot be built.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The lab's own accounts, by names no other test uses: one a killed run left
# behind is taken over, and removed at the end like one made now.
account=corvalesta-lab          # the service's
teachers=corvalesta-lab-maestri # the teachers' group of the lab's service

[ "$(id -u)" = 0 ] || { echo "SKIP: other accounts and mounts need root"; exit 77; }
for tool in /usr/sbin/sshd sshfs ssh-keygen unshare nsenter setpriv /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
# libfaketime preloaded as it is: the faketime wrapper needs a /dev/shm that
# the service's account can write, which not every machine gives it.
faketime_lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -1)
[ -r "$faketime_lib" ] || { echo "SKIP: no libfaketime"; exit 77; }
[ -c /dev/fuse ] || { echo "SKIP: no /dev/fuse"; exit 77; }

share=$base/scuola/corvalesta # the administrator's cartella_scuola, on every computer
export_dir=$base/export       # the server's side
pids=""
sshd_pid=""
fail() {
    echo "FAIL: $*"
    ls -laR "$export_dir" 2>&1 | head -40
    tail -5 "$base/sshd.log" 2>/dev/null
    tail -5 "$base/publish.log" 2>/dev/null
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
    { userdel "$account"; groupdel "$teachers"; } 2>/dev/null
}
trap cleanup EXIT

getent group "$teachers" >/dev/null || groupadd --system "$teachers" ||
    fail "cannot make the group $teachers"
id "$account" >/dev/null 2>&1 ||
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
        -G "$teachers" "$account" || fail "cannot make the account $account"
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
mount -t tmpfs -o size=16m,mode=0755 tmpfs "$export_dir" || fail "cannot mount the share's tmpfs"
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
# A computer; with "alone" after its name, one with no school folder set.
computer() {
    local pc=$1 alone=${2:-}
    install -d -o "$account" -g "$account" -m 0755 "$base/$pc/var"
    install -d -m 0755 "$base/$pc/etc"
    install -o "$account" -g "$teachers" -m 0640 /dev/null "$base/$pc/var/risultati.csv"
    if [ -n "$alone" ]; then : >"$base/$pc/etc/impostazioni.conf"; else
        printf 'cartella_scuola = %s\n' "$share" >"$base/$pc/etc/impostazioni.conf"
    fi
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

