#!/bin/bash
# Plays the real program under Xvfb as a child would with the keyboard:
# name, greeting, a wrong answer (the window turns black), Alt+X.
# Usage: play.sh <program>. Exit 77 means skipped.
set -u
program=$1
for tool in Xvfb xdotool xwd xwdtopnm python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
display=":$((100 + RANDOM % 800))"
cleanup() {
    kill "$game" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

fail() {
    echo "FAIL: $*"
    cat "$work/game.log"
    exit 1
}

# Waits for a visible window with this exact title and gives it the focus:
# there is no window manager to do it.
focus() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window titled '$1'"
    xdotool windowfocus --sync "$id"
    echo "$id"
}

# The colour of one pixel of the screen, as "r g b".
pixel() {
    xwd -root -silent | xwdtopnm 2>/dev/null | python3 -c '
import sys
data = sys.stdin.buffer.read()
fields, at = [], 0
while len(fields) < 4:
    while data[at:at + 1].isspace():
        at += 1
    end = at
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[at:end])
    at = end
at += 1
width, size = int(fields[1]), 1 if int(fields[3]) < 256 else 2
x, y = int(sys.argv[1]), int(sys.argv[2])
at += (y * width + x) * 3 * size
print(*(data[at + i * size] for i in range(3)))' "$1" "$2"
}

XDG_DATA_HOME="$work/data" "$program" >"$work/game.log" 2>&1 &
game=$!

focus Corvalesta >/dev/null
xdotool type --delay 20 "Anna"
xdotool key Return
focus Corvalesta >/dev/null
xdotool key Return
main=$(focus "Ventobaldo- Arrivo fino a 10000")
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
# Bottom right of the client area: the round's ramp, bluest at the bottom.
read -r r g b <<<"$(pixel $((X + 785)) $((Y + HEIGHT - 3)))"
[ "$b" -gt 200 ] || fail "no ramp at the bottom: $r $g $b"

# 0 is never the successor: a wrong answer blackens the window.
xdotool type --delay 20 "0"
xdotool key Return
sleep 0.5
read -r r g b <<<"$(pixel $((X + 785)) $((Y + HEIGHT - 3)))"
[ "$r$g$b" = "000" ] || fail "not black after a wrong answer: $r $g $b"

xdotool key alt+x
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end on Alt+X"
wait "$game"
status=$?
[ "$status" = 0 ] || fail "exit status $status"

# No right answer: no record, both files there and empty.
for f in suc0000.txt suc00000.txt; do
    [ -f "$work/data/corvalesta/$f" ] || fail "$f missing"
    [ ! -s "$work/data/corvalesta/$f" ] || fail "$f not empty"
done
echo "PASS: played a round and left with Alt+X"
