#!/bin/bash
# The record writer installed set-group-id games beside a shared folder made
# as the package makes it, used by accounts without the group: they save a
# better record only through it, cannot write the files themselves, cannot
# lead it elsewhere with links, and a misleading environment changes nothing.
# Usage: privileges.sh <writer built for the folder> <folder>. Exit 77: skipped.
set -u
writer=$1
folder=$2
prefix=$(dirname "$folder")
helper=$prefix/lib/corvalesta-record

[ "$(id -u)" = 0 ] || { echo "SKIP: installing set-group-id needs root"; exit 77; }
command -v setpriv >/dev/null || { echo "SKIP: no setpriv"; exit 77; }
getent group games >/dev/null || { echo "SKIP: no group games"; exit 77; }

fail() {
    echo "FAIL: $*"
    ls -la "$folder" "$prefix" 2>&1
    exit 1
}
as() { local who=$1; shift; setpriv --reuid="$who" --regid="$who" --clear-groups "$@"; }
hex() { od -An -tx1 "$1" | tr -d ' \n'; }

# The folder and writer as the package installs them.
install_fresh() {
    rm -rf "$prefix"
    install -d -m 0755 "$prefix" "$prefix/lib"
    install -d -o root -g games -m 0775 "$folder"
    for f in suc0000.txt suc00000.txt corvalesta.journal; do
        install -o root -g games -m 0664 /dev/null "$folder/$f"
    done
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

stored() {
    [ "$(hex "$folder/suc0000.txt") $(hex "$folder/suc00000.txt")" = "$1" ] ||
        fail "$2: stored $(hex "$folder/suc0000.txt") $(hex "$folder/suc00000.txt"), not $1"
    [ "$(stat -c '%a %U:%G' "$folder"/* | sort -u)" = "664 root:games" ] ||
        fail "$2: modes $(stat -c '%n %a %U:%G' "$folder"/*)"
    [ "$(ls -A "$folder" | tr '\n' ' ')" = "corvalesta.journal suc0000.txt suc00000.txt " ] ||
        fail "$2: the folder holds $(ls -A "$folder")"
    [ ! -s "$folder/corvalesta.journal" ] || fail "$2: the journal is not at rest"
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
stored "350d0a 4265610d0a" "worse or refused"
as "$nobody" sh -c "echo 99 >'$folder/suc0000.txt'" 2>/dev/null && fail "nobody wrote the score file"
as "$nobody" sh -c "echo 99 >'$folder/corvalesta.journal'" 2>/dev/null && fail "nobody wrote in the folder"
stored "350d0a 4265610d0a" "direct writes"

# Another account sees the record at once, and beats it.
[ "$(as "$other" cat "$folder/suc00000.txt")" = "$(printf 'Bea\r')" ] || fail "the other account reads another record"
request "$other" '6\nEva\n' 0
stored "360d0a 4576610d0a" "the other account's record"

# Links planted by root are refused; what they point to stays as it was.
for planted in suc0000.txt suc00000.txt corvalesta.journal folder; do
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

# The writer makes no file: one it made would be the player's to write.
install_fresh
rm "$folder/suc0000.txt"
request "$nobody" '4\nGigi\n' 16
[ ! -e "$folder/suc0000.txt" ] || fail "the writer made a record file"
[ "$(hex "$folder/suc00000.txt")" = "" ] || fail "half a record saved"

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
echo "PASS: saved only through the writer, by two accounts; links and environment refused"
