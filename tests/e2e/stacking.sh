#!/usr/bin/env bash
# Under a window manager: the about box and the message boxes open above the
# window that raised them, also above the exit window that stays on top, and
# the moves between the main windows never put the exit window on screen.
source "$(dirname "$0")/lib.sh"
start_x
start_wm
start_app
wait_until 20 mapped questionWindow
Q=$(window questionWindow)
focus "$Q"

step "the about box opens above the question window"
keys alt+h a
wait_until 10 mapped aboutBox
A=$(window aboutBox)
above "$A" "$Q"
keys Return
wait_until 10 refute mapped aboutBox

step "Show Result and Back under the window manager leave the exit window unmade"
focus "$Q"
keys Tab Tab Return Return Return Return Return
wait_until 10 mapped resultWindow
focus "$(window resultWindow)"
keys Return
wait_until 10 mapped questionWindow
refute exists_with_role exitWindow

step "Exit: the exit window is shown, on top and active"
focus "$(window questionWindow)"
keys Escape
wait_until 10 mapped exitWindow
E=$(window exitWindow)
wait_until 5 test "$(xdotool getactivewindow)" = "$E"

step "a space typed in an e-mail field: the refusal lies above the exit window"
click_at "$E" 360 249
keys space
wait_until 10 has_message_box
B=$(message_box)
above "$B" "$E"
keys Return
wait_until 10 refute has_message_box

step "an untouched form: the refusal lies above the exit window"
click_at "$E" 248 297
wait_until 10 has_message_box
B=$(message_box)
above "$B" "$E"
keys Return
wait_until 10 refute has_message_box

step "the exit window ends the program"
click_at "$E" 441 196
expect_exit "$APP_PID" 0

step "copies started at once: every refusal lies above the question window"
# Which comes first, the question window or the boxes, varies from run to run.
for trial in 1 2 3 4 5; do
    copies=()
    for copy in 1 2 3 4 5 6; do
        start_app
        copies+=("$APP_PID")
    done
    wait_until 20 mapped questionWindow
    wait_until 20 boxes_are 5
    Q=$(window questionWindow)
    for B in $(message_boxes); do above "$B" "$Q"; done
    kill_all "${copies[@]}"
    wait_until 10 refute mapped questionWindow
done
