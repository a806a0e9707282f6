# Shell helpers for the tests and benchmarks that drive the game under Xvfb;
# sourced, not run.

# Waits for a visible window with this exact title and gives it the focus
# (without a window manager nobody else does); prints its id.
focus() {
    local id=""
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    if [ -z "$id" ]; then
        if declare -F fail >/dev/null; then fail "no window titled '$1'"; fi
        echo "no window titled '$1'" >&2
        exit 1
    fi
    xdotool windowfocus --sync "$id"
    echo "$id"
}

# Waits for a visible window with this exact title; prints its id.
window() {
    local id=""
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled '$1'"
}
