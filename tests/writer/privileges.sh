#!/bin/bash
# The record writer installed set-group-id games beside a shared folder made
# as the package makes it, used by accounts without the group: they save a
# better record only through it, cannot write the files themselves, cannot
# lead it elsewhere with links, cannot hold its lock, and a misleading
# environment changes nothing. A player who stops their own writer mid-save
# delays another's save by the lock's wait, no more; only root resets.
# Everything lives outside the checkout, which other accounts may not enter.
# Usage: privileges.sh <writer built for the folder> <folder>. Exit 77: skipped.
set -u
writer=$1
folder=$2
prefix=$(dirname "$folder")
helper=$prefix/lib/corvalesta-record

[ "$(id -u)" = 0 ] || { echo "SKIP: installing set-group-id needs root"; exit 77; }
command -v setpriv >/dev/null || { echo "SKIP: no setpriv"; exit 77; }
[ -x /usr/bin/python3 ] || { echo "SKIP: no /usr/bin/python3"; exit 77; }
getent group games >/dev/null || { echo "SKIP: no group games"; exit 77; }
games=$(getent group games | cut -d: -f3)

fail() {
    echo "FAIL: $*"
    ls -la "$folder" "$prefix" 2>&1
    exit 1
}
as() { local who=$1; shift; setpriv --reuid="$who" --regid="$who" --clear-groups "$@"; }
hex() { od -An -tx1 "$1" | tr -d ' \n'; }
now() { date +%s%N; }

# The folder and writer as the package installs them.
install_fresh() {
    rm -rf "$prefix"
    install -d -m 0755 "$prefix" "$prefix/lib"
    install -d -o root -g games -m 0775 "$folder"
    for f in suc0000.txt suc00000.txt corvalesta.journal risultati.csv risultati.tmp; do
        install -o root -g games -m 0664 /dev/null "$folder/$f"
    done
    install -o root -g games -m 0660 /dev/null "$folder/corvalesta.lock"
    install -o root -g games -m 2755 "$writer" "$helper"
    printf 'x' >"$prefix/lib/victim"
}

# Sends the request as the account; checks the writer's status.
request() {
    local who=$1 input=$2 want=$3 status
    printf "$input" | as "$who" "$helper" >/dev/null
    status=$?
    [ "$status" = "$want" ] || fail "'$input' as $who: status $status, not $want"
}

# The files as the package made them, holding this pair, the journal at rest.
stored() {
    [ "$(hex "$folder/suc0000.txt") $(hex "$folder/suc00000.txt")" = "$1" ] ||
        fail "$2: stored $(hex "$folder/suc0000.txt") $(hex "$folder/suc00000.txt"), not $1"
    [ "$(cd "$folder" && stat -c '%n %a %U:%G %h' -- * | tr '\n' ' ')" = \
        "corvalesta.journal 664 root:games 1 corvalesta.lock 660 root:games 1 risultati.csv 664 root:games 1 risultati.tmp 664 root:games 1 suc0000.txt 664 root:games 1 suc00000.txt 664 root:games 1 " ] ||
        fail "$2: files $(stat -c '%n %a %U:%G %h' "$folder"/*)"
    [ "$(ls -A "$folder" | tr '\n' ' ')" = "corvalesta.journal corvalesta.lock risultati.csv risultati.tmp suc0000.txt suc00000.txt " ] ||
        fail "$2: the folder holds $(ls -A "$folder")"
    [ "$(head -n 1 "$folder/corvalesta.journal")" != "corvalesta journal 1" ] ||
        fail "$2: the journal is not at rest"
}

nobody=$(id -u nobody)
other=65000

# A better record through the writer; a worse one, bad input, nothing else.
install_fresh
request "$nobody" '5\nBea\n' 0
stored "350d0a 4265610d0a" "a first record"
request "$nobody" '3\nCarlo\n' 1
request "$nobody" '9\nCarlo' 2
request "$nobody" '123456\nCarlo\n' 2
request "$nobody" '9\nCar\tlo\n' 2
stored "350d0a 4265610d0a" "worse or refused"
as "$nobody" sh -c "echo 99 >'$folder/suc0000.txt'" 2>/dev/null && fail "nobody wrote the score file"
as "$nobody" sh -c "echo 99 >'$folder/corvalesta.journal'" 2>/dev/null && fail "nobody wrote in the folder"
stored "350d0a 4265610d0a" "direct writes"

# The class's results through the writer: a contest that set the record,
# one that claims a record the folder does not hold (refused), and no file
# written by hand.
request "$nobody" 'risultato\nBea\n5\n1\n6\n300\n1\n' 0
request "$nobody" 'risultato\nBea\n9\n0\n9\n300\n1\n' 2
as "$nobody" sh -c "echo falso >>'$folder/risultati.csv'" 2>/dev/null && fail "nobody wrote the results"
[ "$(tail -c 20 "$folder/risultati.csv")" = "$(printf ',Bea,5,1,6,300,s\xc3\xac\r\n')" ] ||
    fail "the results log ends in $(tail -c 40 "$folder/risultati.csv" | od -c)"
[ "$(wc -l <"$folder/risultati.csv")" = 2 ] || fail "the results log has $(wc -l <"$folder/risultati.csv") lines"

# Another account sees the record at once, and beats it.
[ "$(as "$other" cat "$folder/suc00000.txt")" = "$(printf 'Bea\r')" ] || fail "the other account reads another record"
request "$other" '6\nEva\n' 0
stored "360d0a 4576610d0a" "the other account's record"

# One account holds every lock it can take in the folder, for ever: on the
# folder and on every file it can open, flock and POSIX locks both. It cannot
# open the saves' lock; the other account reads and saves as if alone.
install -m 755 "$(dirname "$0")/hold_locks.py" "$prefix/lib/"
setpriv --reuid="$nobody" --regid="$nobody" --clear-groups /usr/bin/python3 "$prefix/lib/hold_locks.py" \
    "$folder" "$folder"/* >"$prefix/held" &
holder=$!
trap 'kill $holder 2>/dev/null' EXIT
for _ in $(seq 50); do grep -q holding "$prefix/held" && break; sleep 0.1; done
[ "$(tr '\n' ' ' <"$prefix/held")" = "refused corvalesta.lock holding 6 " ] ||
    fail "the lock holder: $(cat "$prefix/held")"
[ "$(as "$other" "$helper" --show | od -An -tx1 | tr -d ' \n')" = "360d0a4576610d0a" ] ||
    fail "read beside the held locks"
start=$(now)
request "$other" '7\nUgo\n' 0
elapsed=$(( ($(now) - start) / 1000000 ))
[ "$elapsed" -lt 2000 ] || fail "the save beside the held locks took $elapsed ms"
kill $holder
wait $holder 2>/dev/null
stored "370d0a 55676f0d0a" "saved beside another account's locks"

# A player stops their own writer half-way through a save: the journal is
# whole, the score written, the holder not yet: it stops at the third fsync,
# the score's.
printf '10\nZoe\n' | setpriv --reuid="$nobody" --regid="$nobody" --clear-groups \
    "$helper" --stop-at fsync 3 >/dev/null 2>&1 &
stopped=$!
trap 'kill -CONT $stopped 2>/dev/null; kill $stopped 2>/dev/null' EXIT
for _ in $(seq 50); do
    [ "$(ps -o stat= -p "$stopped" 2>/dev/null | cut -c1)" = T ] && break
    sleep 0.1
done
[ "$(ps -o stat= -p "$stopped" | cut -c1)" = T ] || fail "the writer did not stop"
[ "$(hex "$folder/suc0000.txt") $(hex "$folder/suc00000.txt")" = "31300d0a 55676f0d0a" ] ||
    fail "not half-way: $(hex "$folder/suc0000.txt") $(hex "$folder/suc00000.txt")"
# Another account reads the pair being saved, never the half on disk...
[ "$(as "$other" "$helper" --show | od -An -tx1 | tr -d ' \n')" = "31300d0a5a6f650d0a" ] ||
    fail "read beside a stopped save: $(as "$other" "$helper" --show | od -An -c)"
# ...and its own save waits the lock's five seconds, then says why.
start=$(now)
printf '11\nAda\n' | as "$other" "$helper" >"$prefix/answer"
status=${PIPESTATUS[1]}
answer=$(tr '\n' ' ' <"$prefix/answer")
elapsed=$(( ($(now) - start) / 1000000 ))
[ "$status" = 14 ] && [ "$answer" = " 11 " ] || fail "beside a stopped save: status $status, '$answer'"
[ "$elapsed" -ge 4900 ] && [ "$elapsed" -lt 8000 ] || fail "waited $elapsed ms for the stopped save"
kill -CONT $stopped
wait $stopped || fail "the stopped writer, continued: status $?"
stored "31300d0a 5a6f650d0a" "the stopped save, continued"
request "$other" '11\nAda\n' 0
stored "31310d0a 4164610d0a" "saved once the stopped writer ended"

# Links planted by root are refused; what they point to stays as it was.
for planted in suc0000.txt suc00000.txt corvalesta.journal corvalesta.lock folder; do
    install_fresh
    if [ "$planted" = folder ]; then
        mv "$folder" "$prefix/real"
        ln -s "$prefix/real" "$folder"
    else
        rm -f "$folder/$planted"
        ln -s "$prefix/lib/victim" "$folder/$planted"
    fi
    request "$nobody" '7\nDan\n' 15
    [ "$(cat "$prefix/lib/victim")" = x ] || fail "written through a link as $planted"
done

# The writer makes no file: one it made would be the player's to write. It
# names the missing file and the system's error (ENOENT, 2).
install_fresh
rm "$folder/suc0000.txt"
printf '4\nGigi\n' | as "$nobody" "$helper" >"$prefix/answer"
status=${PIPESTATUS[1]}
answer=$(tr '\n' ' ' <"$prefix/answer")
[ "$status" = 17 ] && [ "$answer" = "suc0000.txt 2 " ] || fail "missing file: status $status, '$answer'"
[ ! -e "$folder/suc0000.txt" ] || fail "the writer made a record file"
[ "$(hex "$folder/suc00000.txt")" = "" ] || fail "half a record saved"

# Only root resets. A member of games plants a link to root's file, a second
# name for another and a pending save; root's reset follows none of them,
# drops the save and puts every file back as the package makes it.
install_fresh
request "$nobody" '8\nFede\n' 0
as "$nobody" "$helper" --reset 2>"$prefix/refused" >/dev/null
status=$?
[ "$status" = 2 ] && grep -q "sudo .*--reset" "$prefix/refused" || fail "nobody's reset: status $status"
stored "380d0a 466564650d0a" "nobody's reset"
printf 'corvalesta journal 1\n' >"$folder/corvalesta.journal"
install -o root -g root -m 0600 /dev/null "$prefix/lib/root-file"
printf 'root' >"$prefix/lib/root-file"
setpriv --reuid="$other" --regid="$other" --groups="$games" sh -c "
    ln -sf '$prefix/lib/root-file' '$folder/suc0000.txt' &&
    rm '$folder/corvalesta.lock' && ln -s '$prefix/lib/root-file' '$folder/corvalesta.lock'" ||
    fail "the group member could not plant links"
ln -f "$prefix/lib/victim" "$folder/suc00000.txt"
"$helper" --reset >/dev/null || fail "root's reset: status $?"
[ "$(cat "$prefix/lib/root-file")" = root ] && [ "$(cat "$prefix/lib/victim")" = x ] ||
    fail "the reset wrote through a link"
stored " " "after root's reset"

# A misleading environment: preloaded code, other folders, an odd umask.
# The writer's own folder and modes win.
install_fresh
preload=""
install -d -m 1777 "$prefix/marks"
if command -v cc >/dev/null; then
    printf '#include <stdio.h>\n__attribute__((constructor)) static void f(void) { FILE* m = fopen("%s", "w"); if (m) fclose(m); }\n' \
        "$prefix/marks/preloaded" >"$prefix/evil.c"
    cc -shared -fPIC -o "$prefix/lib/evil.so" "$prefix/evil.c" && preload=$prefix/lib/evil.so
fi
# Only the writer starts with this environment.
printf '8\nFede\n' | sh -c "umask 000; exec setpriv --reuid=$nobody --regid=$nobody --clear-groups \
    env LD_PRELOAD='$preload' TMPDIR=/ HOME='$prefix/marks' XDG_DATA_HOME='$prefix/marks' \
    XDG_RUNTIME_DIR='$prefix/marks' '$helper'" >/dev/null
status=$?
[ "$status" = 0 ] || fail "status $status in a misleading environment"
stored "380d0a 466564650d0a" "a misleading environment"
[ ! -e "$prefix/marks/preloaded" ] || fail "the preloaded library ran in the writer"
[ -z "$(ls -A "$prefix/marks")" ] || fail "the writer left $(ls -A "$prefix/marks")"
rm -rf "$prefix"
echo "PASS: saved only through the writer, by two accounts, beside held locks and a stopped save; links, environment and non-root resets refused"
