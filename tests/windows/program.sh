#!/usr/bin/env bash
# The real program under Wine, as a Windows user meets it: a whole test by
# keyboard with the order checked, the exit window ending the program, the
# update reminder through the registry, a refused second copy and a start
# after a killed one, a link and the referral reaching the browser.
source "$(dirname "$0")/lib.sh"
: "${SITE_HOST:?host of the vendor site}"
SETTINGS='HKCU\Software\QVFreeTavrisk\QVFreeTavrisk\Settings'

step "the question window opens alone, and the first start records today, scrambled"
start_program
wait_until 60 shown 530
refute shown 747
wait_until 20 test -n "$(stored_duration)"
today=$(stored_duration)
[ "$today" = "$(scramble "$(date +%-m/%-d/%Y)")" ]

step "a whole test by keyboard: arrows, Alt+N, Space and Shift+Tab, then Alt+R"
whole_test_by_keyboard

step "Enter on the result window is Back: a fresh test"
keys Return
wait_until 20 shown 530
wait_until 10 refute shown 615

step "Help, Online Help by access keys, and a link label, reach the browser"
keys alt+h o
expect_opened "http://$SITE_HOST/qv-free-tavrisk/ssd.php?page=help"
click_at "$(window_of_width 530)" 262 25 # the banner
wait_until 10 opened_is 2

step "Esc is Exit: the exit window is left alone, and its Exit ends the program with 0"
keys Escape
wait_until 20 shown 747
wait_until 10 refute shown 530
E=$(window_of_width 747)
keys alt+x # Exit, by its access key
expect_exit "$APP_PID" 0 30
wait_until 10 grep -qx 'tavrisk: exit handlers ran' <(program_log)

step "a reminder 15 days old: the question comes first, Yes opens the download page"
wine reg add "$SETTINGS" /v "$(scramble Duration)" /d "$(scramble "$(date -d '15 days ago' +%Y-%m-%d)")" /f \
    >/dev/null 2>&1
start_program
wait_until 60 message_box
refute shown 530
keys Return
expect_opened "?page=download-web-page"
wait_until 20 shown 530
[ "$(stored_duration)" = "$today" ]
FIRST=$APP_PID

step "a second copy is refused with its message and ends"
start_program
wait_until 60 message_box
keys Return
expect_exit "$APP_PID" 0 30
shown 530

step "after the first copy is killed, a new one starts"
kill -9 "$FIRST"
wait "$FIRST" 2>/dev/null || true
wait_until 20 refute shown 530
start_program
wait_until 60 shown 530
refute message_box

step "a filled referral form reaches the browser as one address"
keys Escape
wait_until 20 shown 747
E=$(window_of_width 747)
before=$(opened_count)
send_referral "$E"
expect_opened "$REFERRAL_ADDRESS"
opened_is $((before + 1))
keys alt+x # Exit, by its access key
expect_exit "$APP_PID" 0 30

step "copies started at once: one question window, every refusal above it"
for trial in 1 2; do
    for copy in 1 2 3 4 5 6; do start_program; done
    wait_until 60 shown 530
    wait_until 60 boxes_are 5
    order=$(wine "$ZORDER" | tr -d '\r')
    echo "$order"
    # Every box (the title alone) comes before the question window, kept on top.
    last_box=$(grep -nE '^QV Tavrisk( \(topmost\))?$' <<<"$order" | tail -1 | cut -d: -f1)
    [ "$(grep -n '^QV Tavrisk v' <<<"$order" | cut -d: -f1)" -gt "$last_box" ]
    [ "$(grep -c '^QV Tavrisk (topmost)$' <<<"$order")" = 5 ]
    end_all_copies
done
