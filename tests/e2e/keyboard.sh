#!/usr/bin/env bash
# A whole test by keyboard alone, Back, a second test, Exit, Exit again.
source "$(dirname "$0")/lib.sh"
start_x

step "the question window opens alone, at its size"
start_app
wait_until 20 mapped frmMain
Q=$(window frmMain)
[ "$(size_of "$Q" | cut -dx -f1)" = 524 ]
[ "$(size_of "$Q" | cut -dx -f2)" -ge 457 ]
[ -z "$(windows_with_role frmNagScreen2)" ]
focus "$Q"

step "first test: Tab to the animals, arrows to choose, Alt+N to give up"
keys Tab Down alt+n           # Lion
keys Down Down alt+n          # of Monkey Cow Sheep Horse: Sheep
keys alt+n alt+n              # Monkey, then Cow
keys alt+r                    # Horse is left
wait_until 10 mapped frmDisplay
refute mapped frmMain
refute mapped frmNagScreen2
R=$(window frmDisplay)
[ "$(size_of "$R" | cut -dx -f1)" = 609 ]

step "Enter on the result window is Back"
focus "$R"
keys Return
wait_until 10 mapped frmMain
refute mapped frmDisplay
refute mapped frmNagScreen2

step "second test: Tab Tab to Next, then Enter five times"
Q=$(window frmMain)
focus "$Q"
keys Tab Tab Return Return Return Return Return
wait_until 10 mapped frmDisplay

step "Esc on the result window is Exit: the exit window is left alone"
focus "$(window frmDisplay)"
keys Escape
wait_until 10 mapped frmNagScreen2
refute mapped frmDisplay
refute mapped frmMain
E=$(window frmNagScreen2)
[ "$(size_of "$E")" = 741x315 ]
kill -0 "$APP_PID"

step "Exit on the exit window ends the program"
click_in "$E" 441 196
expect_exit "$APP_PID" 0
[ "$(opened_count)" = 0 ]
