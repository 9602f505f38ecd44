#!/usr/bin/env bash
# Two whole tests by keyboard alone, Back between them, then the way out:
# the order each gave up is checked in what the result window showed.
source "$(dirname "$0")/lib.sh"
start_x

step "the question window opens alone, at its size"
start_app
wait_until 20 mapped questionWindow
Q=$(window questionWindow)
[ "$(size_of "$Q" | cut -dx -f1)" = 524 ]
[ "$(size_of "$Q" | cut -dx -f2)" -ge 457 ]
refute exists_with_role exitWindow
focus "$Q"

step "first test: a lower animal in every round, by arrows, Alt+N, Space and Shift+Tab"
whole_test_by_keyboard
R=$(window resultWindow)
[ "$(size_of "$R" | cut -dx -f1)" = 609 ]

step "Enter on the result window is Back"
focus "$R"
keys Return
wait_until 10 mapped questionWindow
refute mapped resultWindow

step "second test: Tab Tab to Next, then Enter five times"
Q=$(window questionWindow)
focus "$Q"
keys Tab Tab Return Return Return Return Return
wait_until 10 mapped resultWindow
[ "$(results_shown | sed -n 2p)" = "1. Monkey | 2. Lion | 3. Cow | 4. Sheep | 5. Horse" ]

step "Show Result and Back never put the exit window on screen"
refute exists_with_role exitWindow

step "Esc on the result window is Exit: the exit window is left alone, with the keyboard"
focus "$(window resultWindow)"
keys Escape
wait_until 10 mapped exitWindow
refute mapped resultWindow
refute mapped questionWindow
E=$(window exitWindow)
[ "$(size_of "$E")" = 741x315 ]
wait_until 5 test "$(xdotool getwindowfocus)" = "$E"
kill -0 "$APP_PID"

step "Space on its focused Exit ends the program through main"
keys space
expect_exit "$APP_PID" 0
grep -q 'exit handlers ran' "$OUT/app.log"
expect_opened_count 0
