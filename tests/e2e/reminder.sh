#!/usr/bin/env bash
# With the last reminder 15 days back, the update question comes first; Yes opens the download page.
source "$(dirname "$0")/lib.sh"
start_x

step "seed the settings with a date 15 days ago"
mkdir -p "$(dirname "$SETTINGS")"
{
    echo "[Settings]"
    # The key's characters that INI files escape, escaped as the program writes them.
    key=$(scramble Duration | sed 's/|/%7C/g; s/{/%7B/g')
    echo "$key=\"$(scramble "$(date -d '15 days ago' +%Y-%m-%d)")\""
} >"$SETTINGS"

step "the question comes before any window"
start_app
wait_until 20 has_message_box
refute mapped questionWindow
expect_opened_count 0

step "Yes (the default) opens the download page, then the question window shows"
focus "$(message_box)"
keys Return
expect_opened "?page=download-web-page"
wait_until 20 mapped questionWindow
expect_opened_count 1

step "today is recorded: a second start asks nothing"
grep -q "$(scramble "$(LC_ALL=C date +'%-d %b %Y')" | sed 's/[]\\[^$.*/]/\\&/g')" "$SETTINGS"
kill -9 "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
start_app
wait_until 20 mapped questionWindow
refute has_message_box
