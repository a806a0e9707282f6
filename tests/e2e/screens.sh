#!/bin/bash
# The installed program on two classroom screens, under a real window
# manager, read through the accessibility tree as a screen reader does:
#  - a 1920x1080 whiteboard without a touch screen: F11 from the answer box,
#    full screen, no keypad;
#  - a 7-inch 800x480 touch screen (--tastierino: Xvfb has no touch device):
#    full screen with the keypad beside the scene, a round played on it alone;
#  - a 1024x600 netbook with a 28 px panel: the whole window, record line
#    included, above the panel.
# Screenshots of both land in the folder given. Exit 77 means skipped.
# Usage: screens.sh <program> <screenshot folder>
set -u
program=$1
shots=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x11.sh
. "$here/x11.sh"

if [ -z "${CORVALESTA_E2E_BUS:-}" ]; then
    for tool in Xvfb xdotool xwd xwdtopnm pnmtopng openbox dbus-run-session \
        /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    /usr/bin/python3 -c 'import Xlib, gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        { echo "SKIP: /usr/bin/python3 lacks Xlib or Atspi"; exit 77; }
    CORVALESTA_E2E_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi

work=$(mktemp -d)
mkdir -p "$shots"
pids=()
cleanup() {
    kill "${pids[@]}" "$bus" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
bus=$!

fail() {
    echo "FAIL: $*"
    cat "$work/game.log" 2>/dev/null
    exit 1
}

screen() { /usr/bin/python3 "$here/screen.py" "$@"; }


# Waits until the focused control has this name and description.
focused() {
    for _ in $(seq 600); do
        [ "$(screen focused)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "focused: '$(screen focused)', not '$1'"
}

# Clicks the control so named, inside the one named by the second argument.
tap() {
    local x y bottom
    read -r x y bottom <<<"$(screen where "$1" "$2")" || fail "no '$1' on screen"
    xdotool mousemove --sync "$x" "$y" click 1
}

# A screen with a window manager (and, given a height, a panel), and the game
# started on it past its two boxes, with any further arguments.
begin() {
    local size=$1 panel=${2:-0}
    shift 2
    export DISPLAY=":$((100 + RANDOM % 800))"
    Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 600); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
    xdotool getmouselocation >/dev/null 2>&1 || { echo "FAIL: Xvfb did not start on $DISPLAY"; exit 1; }
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    sleep 0.5
    if [ "$panel" -gt 0 ]; then
        screen dock "$panel" &
        pids+=($!)
        sleep 0.5
    fi
    XDG_DATA_HOME="$work/data" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" "$@" >"$work/game.log" 2>&1 &
    game=$!
    pids+=($game)
    xdotool windowactivate --sync "$(window Corvalesta)"
    xdotool type --delay 20 Anna
    xdotool key Return
    sleep 0.3
    xdotool windowactivate --sync "$(window Corvalesta)"
    xdotool key Return
    main=$(window "Ventobaldo- Arrivo fino a 10000")
}

# The round's number, once the screen reader can see it.
number() {
    local n=""
    for _ in $(seq 600); do
        n=$(screen said "Numero da completare")
        [[ "$n" =~ ^[0-9]{1,4}$ ]] && { echo "$n"; return 0; }
        sleep 0.1
    done
    fail "no number on screen: '$n'"
}

shot() {
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$shots/$1.png" 2>/dev/null
}

end() {
    kill "${pids[@]}" 2>/dev/null
    wait "${pids[@]}" 2>/dev/null
    pids=()
}

# Full screen by F11 from the answer box, at the screen's own size.
fullScreen() {
    xdotool key F11
    for _ in $(seq 600); do
        eval "$(xdotool getwindowgeometry --shell "$main")"
        [ "$WIDTH$HEIGHT" = "$1" ] && break
        sleep 0.1
    done
    [ "$WIDTH$HEIGHT" = "$1" ] || fail "F11 gave ${WIDTH}x$HEIGHT, not full screen"
}

# The first sum comes with the record.
first="Non c'è ancora un record. Quanto fa"

# The whiteboard: no touch screen, so no keypad.
begin 1920x1080 0
number=$(number)
focused "Risposta|$first $number più 1?"
fullScreen 19201080
focused "Risposta|$first $number più 1?"
screen where Invio Tastierino >/dev/null && fail "a keypad without a touch screen"
shot whiteboard-1920x1080
end

# The 7-inch touch screen: a round on the keypad alone.
begin 800x480 0 --tastierino
number=$(number)
fullScreen 800480
focused "Risposta|$first $number più 1?"
screen where Invio Tastierino >/dev/null || fail "no keypad beside the full-screen scene"
if [ "$number" = 9999 ]; then answer=0; else answer=$((number + 1)); fi
for ((i = 0; i < ${#answer}; i++)); do
    tap "${answer:i:1}" Tastierino
done
tap Invio Tastierino
if [ "$answer" = 0 ]; then
    focused "Nuovo calcolo|Sbagliato!! 10000 Risposte esatte: 0, errate: 1, totali: 1."
else
    focused "Nuovo calcolo|Esatto! Anna sei forte! Risposte esatte: 1, errate: 0, totali: 1."
fi
shot touch-800x480
tap Invio Tastierino
next=$(number)
focused "Risposta|Quanto fa $next più 1?"
end

# The netbook with its panel.
begin 1024x600 28
sleep 0.5
read -r _ _ bottom <<<"$(screen where "Punti del record")" || fail "no record score on screen"
[ "$bottom" -le 572 ] || fail "the record line ends at $bottom, under the panel (572)"
read -r _ _ bottom <<<"$(screen where "Il record  è di ")" || fail "no record line on screen"
[ "$bottom" -le 572 ] || fail "the record line ends at $bottom, under the panel (572)"
# xdotool counts the frame twice here; X's own answer is plain.
top=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $4 }')
height=$(xwininfo -id "$main" | awk '/Height:/ { print $2 }')
[ $((top + height)) -le 572 ] || fail "the window ends at $((top + height)), under the panel"
focused "Risposta|$first $(number) più 1?"
shot netbook-1024x600
echo "PASS: full screen at 1920x1080; a round on the keypad at 800x480; the whole window above a 28 px panel at 1024x600"
