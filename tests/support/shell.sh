# Shared by the shell tests (Linux end to end, Windows under Wine, install).
# The end-to-end libraries define what differs between the two: keys,
# click_at WINDOW X Y (a point of its client area), program_log (the program's
# log lines) and showing question|result|exit.

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
# Besides the step, the command a test stopped at.
trap 'echo "failed at line $LINENO: $BASH_COMMAND" >&2' ERR

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

# A browser that only records: each address it is handed goes to $OPENED.
# recording_browser PATH
recording_browser() {
    : >"$OPENED"
    cat >"$1" <<EOS
#!/bin/sh
printf '%s\n' "\$1" >>"$OPENED"
EOS
    chmod +x "$1"
}
opened_count() { grep -c . "$OPENED" || true; }
opened_is() { [ "$(opened_count)" = "$1" ]; }
expect_opened() { wait_until 20 grep -qF "$1" "$OPENED"; }

# On a failure: the step it failed at, and a picture of the screen.
report_failure() {
    [ "$1" -ne 0 ] || return 0
    echo "FAILED at: $STEP (screenshot in $OUT/failure.png)" >&2
    [ -z "${DISPLAY:-}" ] || import -window root "$OUT/failure.png" 2>/dev/null || true
}

# What the program logged it showed in the result window, one test a line.
results_shown() { program_log | sed -n 's/.*result window shows: //p'; }
log_count_is() { [ "$(program_log | grep -c "$1")" = "$2" ]; }
# Access keys click after a short animation: the next keys wait for the give-up.
gave_up() { wait_until 10 log_count_is 'gave up' "$1"; }

# A whole test from the question window's first screen, by arrows, Alt+N,
# Space and Shift+Tab, giving up a lower animal in every round; the result
# window then shows that order.
whole_test_by_keyboard() {
    keys Tab Down Down Down Down alt+n # Horse, the bottom one
    gave_up 1
    keys Down Down alt+n # of Monkey Lion Cow Sheep: Cow
    gave_up 2
    keys Down Down Tab space # of Monkey Lion Sheep: Sheep, by Space on Next
    gave_up 3
    keys shift+Tab Down alt+n # back in the group; of Monkey Lion: Lion
    gave_up 4
    keys alt+r # Monkey is left
    wait_until 20 showing result
    wait_until 10 refute showing question
    [ "$(results_shown | sed -n 1p)" = "1. Horse | 2. Cow | 3. Sheep | 4. Lion | 5. Monkey" ]
}

# The referral form of exit window $1 filled in as a user would, field by
# field, then sent; the address it should open.
REFERRAL_ADDRESS="page=qvqs-refer-a-friend&taf1=Ann%20%26%20Co&taf2=ann%40mail.example&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40mail.example&taf6=http%3A%2F%2F"
send_referral() {
    local field x y text
    for field in "126 249 Ann & Co" "360 249 ann@mail.example" "126 273 Bob" "360 273 bob@mail.example"; do
        read -r x y text <<<"$field"
        click_at "$1" "$x" "$y"
        xdotool type --delay 30 "$text"
    done
    click_at "$1" 248 297 # Refer A Friend Now
}
