#!/usr/bin/env bash
# A link label and menu commands open the right pages in the browser.
source "$(dirname "$0")/lib.sh"
start_x
start_app
wait_until 20 mapped questionWindow
Q=$(window questionWindow)
focus "$Q"
BASE="http://$SITE_HOST/qv-free-tavrisk/ssd.php?page="

step "the banner opens the home page"
MENU=$(( $(size_of "$Q" | cut -dx -f2) - 457 ))
click_at "$Q" 262 $((MENU + 20))
expect_opened "${BASE}home-page"

step "Donate on the menu bar, by its access key"
keys alt+d
expect_opened "${BASE}donate"

step "Help > Online Help"
keys alt+h o
expect_opened "${BASE}help-web-page"

step "each command opened exactly one page, and the window is still there"
expect_opened_count 3
mapped questionWindow
kill -0 "$APP_PID"
