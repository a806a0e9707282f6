#!/bin/bash
# Start-up, idle cost and memory of the real program under Xvfb, beside the
# floor (a minimal Qt program showing the same name prompt). Prints tables.
# Then memory over 20 new contests in the real window.
# Usage: startup.sh <corvalesta> <floor> <bench_contests> [runs]
set -u
# shellcheck source=../tests/e2e/x11.sh
. "$(dirname "$0")/../tests/e2e/x11.sh"
game=$1
floor=$2
contests=$3
runs=${4:-11}
work=$(mktemp -d)
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display XDG_DATA_HOME=$work/data
for _ in $(seq 600); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getmouselocation >/dev/null 2>&1 || { echo "FAIL: Xvfb did not start on $DISPLAY"; exit 1; }

# Milliseconds from launch to a visible window with this title; the process
# id is left in $started.
launch() {
    local t0 id=""
    t0=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    started=$!
    until id=$(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null) && [ -n "$id" ]; do
        # A program that died shows no window: say so rather than wait for ever.
        kill -0 "$started" 2>/dev/null || { echo "$1 ended before its window appeared" >&2; exit 1; }
    done
    echo $((($(date +%s%N) - t0) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

peak() {
    awk '/VmHWM/ { print $2 }' "/proc/$1/status"
}

: >"$work/game.ms"
: >"$work/floor.ms"
: >"$work/settings.ms"
# The teachers' settings beside the account's record, read once at start-up.
settings=$XDG_DATA_HOME/corvalesta/impostazioni.conf
mkdir -p "$(dirname "$settings")"
for _ in $(seq "$runs"); do
    launch "$game" Corvalesta >>"$work/game.ms"
    gamePeak=$(peak "$started")
    kill "$started"; wait "$started" 2>/dev/null
    printf '# 1A\nfino_a = 20\nminuti = 1\ngioco = gara\nrecord = iniziali\n' >"$settings"
    launch "$game" Corvalesta >>"$work/settings.ms"
    kill "$started"; wait "$started" 2>/dev/null
    rm -f "$settings"
    launch "$floor" Corvalesta >>"$work/floor.ms"
    floorPeak=$(peak "$started")
    kill "$started"; wait "$started" 2>/dev/null
done
gameMs=$(median <"$work/game.ms")
settingsMs=$(median <"$work/settings.ms")
floorMs=$(median <"$work/floor.ms")


# Idle: a contest running with nobody typing, the answer box focused and its
# caret blinking, one tick a second.
launch "$game" Corvalesta >/dev/null
pid=$started
xdotool type Anna
xdotool key Return
focus Corvalesta >/dev/null
xdotool key Return
focus "Ventobaldo- Arrivo fino a 10000" >/dev/null
sleep 2
# Nanoseconds on a CPU, all threads together.
cpu() { cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%d", ns }'; }
before=$(cpu "$pid")
sleep 60
after=$(cpu "$pid")
playingPeak=$(peak "$pid")
title=$(xdotool getwindowname "$(xdotool getwindowfocus)")
# The same contest in the background, beside a minimal program whose label
# ticks once a second and which now has the focus: the clock alone.
"$floor" --tick >/dev/null 2>&1 &
ticker=$!
focus Orologio >/dev/null
sleep 2
unfocusedBefore=$(cpu "$pid")
tickerBefore=$(cpu "$ticker")
sleep 60
unfocusedAfter=$(cpu "$pid")
tickerAfter=$(cpu "$ticker")
kill "$pid" "$ticker"; wait "$pid" "$ticker" 2>/dev/null

# The floor's caret blinks in its line edit for the same minute.
launch "$floor" Corvalesta >/dev/null
floorPid=$started
focus Corvalesta >/dev/null
sleep 2
floorBefore=$(cpu "$floorPid")
sleep 60
floorAfter=$(cpu "$floorPid")
kill "$floorPid"; wait "$floorPid" 2>/dev/null

printf '\nStart-up and idle cost under Xvfb (%s runs, medians)\n' "$runs"
printf '| %-44s | %17s |\n|%s|%s|\n' measure value "----------------------------------------------" "-------------------"
row() { printf '| %-44s | %12s %-4s |\n' "$1" "$2" "$3"; }
row "launch to name prompt, corvalesta" "$gameMs" ms
row "the same, with a settings file" "$settingsMs" ms
row "launch to name prompt, minimal Qt program" "$floorMs" ms
row "ratio" "$(awk -v a="$gameMs" -v b="$floorMs" 'BEGIN { printf "%.2f", a / b }')" x
row "peak memory at the prompt, corvalesta" "$((gamePeak / 1024))" MiB
row "peak memory at the prompt, minimal program" "$((floorPeak / 1024))" MiB
row "ratio" "$(awk -v a="$gamePeak" -v b="$floorPeak" 'BEGIN { printf "%.2f", a / b }')" x
row "peak memory after 60 s of a contest" "$((playingPeak / 1024))" MiB
row "CPU a minute, answer box focused" "$(((after - before) / 1000000))" ms
row "CPU a minute, minimal program's caret" "$(((floorAfter - floorBefore) / 1000000))" ms
row "CPU a minute, window unfocused (the clock)" "$(((unfocusedAfter - unfocusedBefore) / 1000000))" ms
row "CPU a minute, a minimal ticking label" "$(((tickerAfter - tickerBefore) / 1000000))" ms
echo "(focused during the idle minute: $title)"
"$contests" 2>/dev/null
