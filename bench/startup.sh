#!/bin/bash
# Start-up, idle cost and memory of the real program under Xvfb, beside the
# floor (a minimal Qt program showing the same name prompt). Prints a table.
# Usage: startup.sh <corvalesta> <floor> [runs]
set -u
game=$1
floor=$2
runs=${3:-11}
work=$(mktemp -d)
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display XDG_DATA_HOME=$work/data
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

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
for _ in $(seq "$runs"); do
    launch "$game" Corvalesta >>"$work/game.ms"
    gamePeak=$(peak "$started")
    kill "$started"; wait "$started" 2>/dev/null
    launch "$floor" Corvalesta >>"$work/floor.ms"
    floorPeak=$(peak "$started")
    kill "$started"; wait "$started" 2>/dev/null
done
gameMs=$(median <"$work/game.ms")
floorMs=$(median <"$work/floor.ms")

# Idle: a contest running with nobody typing, one tick a second.
launch "$game" Corvalesta >/dev/null
pid=$started
xdotool key --window "$(xdotool search --onlyvisible --name '^Corvalesta$')" Return 2>/dev/null
sleep 0.5
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Corvalesta$')"
xdotool key Return
sleep 2
# Nanoseconds on a CPU, all threads together.
cpu() { cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%d", ns }'; }
before=$(cpu "$pid")
sleep 60
after=$(cpu "$pid")
playingPeak=$(peak "$pid")
title=$(xdotool getwindowname "$(xdotool search --onlyvisible --name . | tail -1)")
kill "$pid"; wait "$pid" 2>/dev/null

printf '\nStart-up and idle cost under Xvfb (%s runs, medians)\n' "$runs"
printf '| %-44s | %17s |\n|%s|%s|\n' measure value "----------------------------------------------" "-------------------"
row() { printf '| %-44s | %12s %-4s |\n' "$1" "$2" "$3"; }
row "launch to name prompt, corvalesta" "$gameMs" ms
row "launch to name prompt, minimal Qt program" "$floorMs" ms
row "ratio" "$(awk -v a="$gameMs" -v b="$floorMs" 'BEGIN { printf "%.2f", a / b }')" x
row "peak memory at the prompt, corvalesta" "$((gamePeak / 1024))" MiB
row "peak memory at the prompt, minimal program" "$((floorPeak / 1024))" MiB
row "ratio" "$(awk -v a="$gamePeak" -v b="$floorPeak" 'BEGIN { printf "%.2f", a / b }')" x
row "peak memory after 60 s of a contest" "$((playingPeak / 1024))" MiB
row "CPU of one core over 60 s idle" "$(awk -v t=$((after - before)) 'BEGIN { printf "%.3f", 100 * t / 60e9 }')" "%"
echo "(the window during the idle minute: $title)"
