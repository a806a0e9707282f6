#!/bin/bash
# By ear: the installed program played by keyboard with Orca running, on a
# private AT-SPI session and a private sound server; what Orca says is read
# from its own debug log, as a blind child would hear it. Three rounds
# (wrong, right, right) on a clock four times faster than a real one, to its end.
# Usage: speech.sh <program>. Exit 77 means skipped.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x11.sh
. "$here/x11.sh"

if [ -z "${CORVALESTA_E2E_BUS:-}" ]; then
    for tool in Xvfb xdotool orca speech-dispatcher pulseaudio pactl dbus-run-session \
        /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        { echo "SKIP: /usr/bin/python3 lacks Atspi"; exit 77; }
    # Orca refuses to start beside another Orca of the same account.
    if pgrep -u "$(id -u)" -x orca >/dev/null; then
        echo "SKIP: Orca is already running for this account"
        exit 77
    fi
    CORVALESTA_E2E_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi

work=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    sleep 0.5
    kill -9 "${pids[@]}" 2>/dev/null
    # speech-dispatcher, started by Orca, lives on its own socket in $work.
    pkill -f "socket-path $work/" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- Orca said:"
    grep "SPEECH OUTPUT" "$work/orca.log" | sed 's/^.*SPEECH OUTPUT: //'
    cat "$work/game.log" "$work/orca.out" 2>/dev/null
    tail -n 5 "$XDG_RUNTIME_DIR"/speech-dispatcher/log/*.log 2>/dev/null
    exit 1
}

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export DISPLAY=":$((100 + RANDOM % 800))"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
# speech-dispatcher speaks into a sink that goes nowhere: no sound card here.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
    --load="module-null-sink sink_name=nullsink" --load=module-native-protocol-unix \
    >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 600); do pactl info >/dev/null 2>&1 && xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
orca --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
pids+=($!)
# Its first words ("Screen reader on", in the desktop's language).
for _ in $(seq 600); do grep -q "SPEECH OUTPUT" "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
grep -q "SPEECH OUTPUT" "$work/orca.log" 2>/dev/null || fail "Orca did not start speaking"

# Everything Orca has said so far, one utterance a line.
spoken() { grep "SPEECH OUTPUT" "$work/orca.log" | sed "s/^.*SPEECH OUTPUT: '//; s/' *{.*$//"; }
# Waits until Orca has said this (a fixed string), so many times (1): at
# most a whole contest.
hear() {
    for _ in $(seq 900); do
        [ "$(spoken | grep -cF -- "$1")" -ge "${2:-1}" ] && return 0
        sleep 0.1
    done
    fail "Orca never said '$1' ${2:-1} times"
}
number() {
    local n=""
    for _ in $(seq 600); do
        n=$(/usr/bin/python3 "$here/screen.py" said "Numero da completare")
        [[ "$n" =~ ^[0-9]{1,4}$ ]] && { echo "$n"; return 0; }
        sleep 0.1
    done
    fail "no number on screen: '$n'"
}

# A quarter of a second for each of the clock's seconds: a contest of 75 s.
LANGUAGE=it QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --ms-al-secondo 250 >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
xdotool windowfocus --sync "$(window Corvalesta)"
hear "Come ti chiami?"
xdotool type --delay 30 Anna
xdotool key Return
hear "vediamo se sei un vero campione"
xdotool windowfocus --sync "$(window Corvalesta)"
xdotool key Return
xdotool windowfocus --sync "$(window "Ventobaldo- Arrivo fino a 10000")"

# The record with the first sum.
hear "Non c'è ancora un record. Quanto fa"

# Round 1 wrong, rounds 2 and 3 right: each sum, each verdict with counters.
right=0 wrong=0
for verdict in wrong right right; do
    n=$(number)
    hear "Quanto fa $n più 1?"
    if [ "$verdict" = wrong ] || [ "$n" = 9999 ]; then
        xdotool type "$(( (n + 5) % 10000 ))"
        wrong=$((wrong + 1))
        said="Sbagliato!! $((n + 1)) "
    else
        xdotool type "$((n + 1))"
        right=$((right + 1))
        said="Esatto! Anna sei forte! "
    fi
    xdotool key Return
    hear "${said}Risposte esatte: $right, errate: $wrong, totali: $((right + wrong))."
    xdotool key Return
done
n=$(number)
hear "Quanto fa $n più 1?"
# The minutes, unasked; F2 on request; the final score with the goodbye.
hear "Mancano 4 minuti."
xdotool key F2
hear "Non c'è ancora un record." 2
hear "Mancano 10 secondi."
hear "Tempo scaduto! Risposte esatte: $right, errate: $wrong, totali: $((right + wrong))."
xdotool windowfocus --sync "$(window Corvalesta)"
xdotool key Return
hear "Ok! Ho registrato il tuo record"
xdotool windowfocus --sync "$(window Corvalesta)"
xdotool key Return
for _ in $(seq 600); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the contest did not end"

# A teacher's choice of both kinds of play and a class list: Orca reads the
# prompt and the name Down picks; the question; asked with F2, a practice
# says it has no clock and no record.
mkdir -p "$XDG_DATA_HOME/corvalesta"
printf 'gioco = entrambi\nfino_a = 20\n' >"$XDG_DATA_HOME/corvalesta/impostazioni.conf"
printf 'Zaira Neri\nBea\n' >"$XDG_DATA_HOME/corvalesta/classe.txt"
# The prompt is read as its question or, when it comes as another window
# goes, as its dialog: either says it is there.
prompts() { spoken | grep -cE "Come ti chiami\?|Corvalesta dialog"; }
before=$(prompts)
LANGUAGE=it QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
xdotool windowfocus --sync "$(window Corvalesta)"
for _ in $(seq 900); do [ "$(prompts)" -gt "$before" ] && break; sleep 0.1; done
[ "$(prompts)" -gt "$before" ] || fail "Orca never read the second name prompt"
# With a class list the prompt is a list that takes typing. Orca may have
# said only the dialog: Tab away and back, as a child who listens where
# they are would, and it reads the list.
xdotool windowfocus --sync "$(window Corvalesta)"
xdotool key Tab
xdotool key shift+Tab
hear "Come ti chiami? editable combo box"
xdotool key Down
hear "Zaira Neri"
xdotool key Return
hear "Zaira Neri vediamo se sei un vero campione"
xdotool windowfocus --sync "$(window Corvalesta)"
xdotool key Return
hear "Vuoi fare una gara a tempo o un allenamento senza tempo?"
xdotool windowfocus --sync "$(window Corvalesta)"
xdotool key alt+a
xdotool windowfocus --sync "$(window "Ventobaldo- Arrivo fino a 20")"
# F2 in a practice: no time left to tell, and no record.
xdotool key F2
# With the first sum, or on F2 (Orca does not always read the focus as
# the box goes and the window comes back).
hear "Allenamento, senza tempo e senza record."
xdotool key alt+x
for _ in $(seq 600); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done

# The teachers' window: its title, and what each choice means.
LANGUAGE=it QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --impostazioni >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
xdotool windowfocus --sync "$(window "Impostazioni della classe")"
hear "Impostazioni della classe dialog Il numero più alto da scrivere"
hear "Come si mostra chi ha il record; il record si tiene sempre."

echo "--- Orca said:"
spoken
echo "PASS: Orca said every sum, every verdict with its counters, the minutes and the final score; the class list's names at the prompt, the choice of a contest or a practice, a practice's F2, the teachers' settings window with what each choice means"
