#!/usr/bin/env bash
# Faults with real processes: racing copies, kills at random moments,
# damaged settings, and no browser at all.
source "$(dirname "$0")/lib.sh"
start_x

count_role() { windows_with_role "$1" | grep -c . || true; }
count_boxes() { xdotool search --onlyvisible --name '^QV Tavrisk$' 2>/dev/null | grep -c . || true; }
# For wait_until, which runs a command again and again.
role_count_is() { [ "$(count_role "$1")" = "$2" ]; }
box_count_is() { [ "$(count_boxes)" = "$1" ]; }
stop_all() {
    local pid
    for pid in "${PIDS[@]:1}"; do kill -9 "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]:1}"; do wait "$pid" 2>/dev/null || true; done
    PIDS=("${PIDS[0]}")
    wait_until 10 role_count_is questionWindow 0
}

for round in 1 2 3; do
    step "round $round: 20 copies started at once leave exactly one running"
    for i in $(seq 20); do start_app; done
    wait_until 60 box_count_is 19
    # Every copy has decided by now: 19 refusals and one question window.
    wait_until 20 role_count_is questionWindow 1
    stop_all
done

step "copies killed at random moments never block the next start or spoil the settings"
# The moments come from one seed: FAULTS_SEED=N replays a failed run.
SEED=${FAULTS_SEED:-$(od -An -N2 -tu2 /dev/urandom | tr -d ' ')}
echo "kill moments from FAULTS_SEED=$SEED"
RANDOM=$SEED
for i in $(seq 12); do
    start_app
    sleep "0.$((RANDOM % 5))$((RANDOM % 10))"
    kill -9 "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
done
start_app
wait_until 20 mapped questionWindow
refute has_message_box
[ -f "$SETTINGS" ] && grep -q '^\[Settings\]' "$SETTINGS"
stop_all

damaged() {
    step "damaged settings ($1) still give a question window"
    rm -rf "$SETTINGS"
    mkdir -p "$(dirname "$SETTINGS")"
    case $1 in
    random) head -c 4096 /dev/urandom >"$SETTINGS" ;;
    truncated) printf '[Settings]\nK%%7Cyh%%7Bpvu="8 Dec' >"$SETTINGS" ;;
    unreadable) echo '[Settings]' >"$SETTINGS" && chmod 000 "$SETTINGS" ;;
    folder) mkdir -p "$SETTINGS" ;;
    esac
    start_app
    wait_until 20 mapped questionWindow
    refute has_message_box
    stop_all
    chmod -R u+rwX "$(dirname "$SETTINGS")"
}
for kind in random truncated unreadable folder; do damaged "$kind"; done

step "with no opener or browser anywhere, links return at once and the program responds"
rm -rf "$SETTINGS"
PATH=/nonexistent "$APP" >>"$OUT/app.log" 2>&1 &
APP_PID=$!
PIDS+=("$APP_PID")
wait_until 20 mapped questionWindow
Q=$(window questionWindow)
focus "$Q"
MENU=$(($(size_of "$Q" | cut -dx -f2) - 457))
click_at "$Q" 262 $((MENU + 20))
keys alt+d alt+h o
keys Escape
wait_until 10 mapped exitWindow
expect_opened_count 0
