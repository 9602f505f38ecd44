#!/usr/bin/env bash
# At the exit window, a wrong form is refused and a filled one opens the referral address.
source "$(dirname "$0")/lib.sh"
start_x
start_app
wait_until 20 mapped questionWindow
focus "$(window questionWindow)"
keys Escape
wait_until 10 mapped exitWindow
E=$(window exitWindow)

step "the untouched form is refused with its message"
click_at "$E" 248 297
wait_until 10 has_message_box
focus "$(message_box)"
keys Return
wait_until 10 refute has_message_box
expect_opened_count 0

step "a filled form opens one referral address"
send_referral "$E"
expect_opened "$REFERRAL_ADDRESS"
expect_opened_count 1
mapped exitWindow

step "the exit window's close box ends the program"
"$XCLOSE" "$E"
expect_exit "$APP_PID" 0
