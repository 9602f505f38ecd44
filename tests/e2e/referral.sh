#!/usr/bin/env bash
# At the exit window, a wrong form is refused and a filled one opens the referral address.
source "$(dirname "$0")/lib.sh"
start_x
start_app
wait_until 20 mapped frmMain
focus "$(window frmMain)"
keys Escape
wait_until 10 mapped frmNagScreen2
E=$(window frmNagScreen2)

# Field centres, from the window's layout.
fill() { click_in "$E" "$1" "$2"; xdotool type --delay 30 "$3"; }

step "the untouched form is refused with its message"
click_in "$E" 248 297
wait_until 10 has_message_box
focus "$(message_box)"
keys Return
wait_until 10 refute has_message_box
expect_opened_count 0

step "a filled form opens one referral address"
fill 126 249 "Ann & Co"
fill 360 249 "ann@mail.example"
fill 126 273 "Bob"
fill 360 273 "bob@mail.example"
click_in "$E" 248 297
expect_opened "page=qvqs-refer-a-friend&taf1=Ann%20%26%20Co&taf2=ann%40mail.example&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40mail.example&taf6=http%3A%2F%2F"
expect_opened_count 1
mapped frmNagScreen2

step "the exit window's close box ends the program"
"$XCLOSE" "$E"
expect_exit "$APP_PID" 0
