#!/usr/bin/env bash
# A second copy is refused while the first runs; a killed first copy blocks nothing.
source "$(dirname "$0")/lib.sh"
start_x

step "the first copy starts"
start_app
FIRST=$APP_PID
wait_until 20 mapped questionWindow
Q=$(window questionWindow)

step "a second copy says so, and ends when told OK"
start_app
SECOND=$APP_PID
wait_until 20 has_message_box
B=$(message_box)
[ "$(windows_with_role questionWindow)" = "$Q" ]   # no second question window
focus "$B"
keys Return
expect_exit "$SECOND" 0
[ "$(windows_with_role questionWindow)" = "$Q" ]
kill -0 "$FIRST"

step "the first copy, killed outright, leaves nothing that blocks the next start"
kill -9 "$FIRST"
wait "$FIRST" 2>/dev/null || true
wait_until 10 refute mapped questionWindow
start_app
wait_until 20 mapped questionWindow
refute has_message_box
expect_opened_count 0
