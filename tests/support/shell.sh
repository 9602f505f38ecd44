# Shared by the shell tests (Linux end to end, Windows under Wine, install).

# Waits up to $1 seconds for the command to succeed.
wait_until() {
    local limit=$1
    shift
    local tries=$((limit * 10))
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# `! cmd` does not stop a script under set -e; this does.
refute() {
    if "$@"; then
        echo "unexpectedly true: $*" >&2
        return 1
    fi
}

# The settings store's scrambling, for seeding the file the way the program writes it.
scramble() {
    local s=$1 out="" i c
    for ((i = 0; i < ${#s}; i++)); do
        printf -v c '%d' "'${s:i:1}"
        printf -v c "\\$(printf '%03o' $((c + 7)))"
        out+=$c
    done
    printf '%s' "$out"
}

step() { STEP="$*"; echo "-- $STEP"; }

# expect_exit PID STATUS [SECONDS]: the process ends within the time (10 s
# unless given) with that status.
expect_exit() {
    local pid=$1 want=$2 tries=$((${3:-10} * 10))
    while kill -0 "$pid" 2>/dev/null && [ "$tries" -gt 0 ]; do
        tries=$((tries - 1))
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && { echo "process $pid still runs" >&2; return 1; }
    local rc=0
    wait "$pid" || rc=$?
    [ "$rc" -eq "$want" ] || { echo "exit status $rc, wanted $want" >&2; return 1; }
}

# Message boxes on screen: windows titled with the application's title alone.
message_boxes() { xdotool search --onlyvisible --name '^QV Tavrisk$' 2>/dev/null || true; }
boxes_are() { [ "$(message_boxes | grep -c .)" = "$1" ]; }

# kill_all PID...: ends each process outright and reaps it.
kill_all() {
    local pid
    for pid in "$@"; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
