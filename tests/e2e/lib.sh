# Shared by the end-to-end tests: a private X server, the real program as a
# separate process with a fresh home, a recording opener, and xdotool.
set -euo pipefail

: "${APP:?path of the program}"
: "${OUT:?folder for the test output}"
: "${SITE_HOST:?host of the vendor site the program was built with}"
rm -rf "$OUT" && mkdir -p "$OUT/home/.config" "$OUT/run" "$OUT/bin"
chmod 700 "$OUT/run"
export HOME="$OUT/home" XDG_CONFIG_HOME="$OUT/home/.config" XDG_RUNTIME_DIR="$OUT/run"
export QT_QPA_PLATFORM=xcb LANG=C LC_ALL=C
# In the sanitizer build the program's ordinary end runs LeakSanitizer.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0"
# The program's own log: results shown, steps skipped, the way out.
export QT_LOGGING_RULES="tavrisk=true"
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP BROWSER
OPENED="$OUT/opened.txt"
: >"$OPENED"
SETTINGS="$XDG_CONFIG_HOME/QVFreeTavrisk/QVFreeTavrisk.conf"

# The desktop's opener, replaced by one that only records the address.
cat >"$OUT/bin/xdg-open" <<EOS
#!/bin/sh
printf '%s\n' "\$1" >>"$OPENED"
EOS
chmod +x "$OUT/bin/xdg-open"
export PATH="$OUT/bin:$PATH"

source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../support/shell.sh"

PIDS=()
STEP="start"

cleanup() {
    local rc=$?
    # Under the sanitizers, a report from any copy of the program fails the test.
    if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$OUT/app.log" 2>/dev/null; then
        echo "sanitizer report in $OUT/app.log" >&2
        rc=1
    fi
    if [ "$rc" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
        echo "FAILED at: $STEP (screenshot in $OUT/failure.png)" >&2
        import -window root "$OUT/failure.png" 2>/dev/null || true
    fi
    local pid
    for pid in "${PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    exit "$rc"
}
trap cleanup EXIT

# A window manager on the private server, ready once it has run its start-up command.
start_wm() {
    local ready="$OUT/wm-ready" line
    mkfifo "$ready"
    exec 6<>"$ready"
    openbox --sm-disable --startup "sh -c 'echo up >$ready'" \
        >"$OUT/openbox.log" 2>&1 &
    PIDS+=($!)
    read -r -t 20 -u 6 line || { echo "openbox did not start" >&2; return 1; }
}

# Client windows from bottom to top, as the window manager stacks them.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'; }
# Whether window $1 lies above window $2.
above() {
    local order
    order=$(stacking | tr ' ' '\n' | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" \
        '$0 == a { pa = NR } $0 == b { pb = NR } END { print (pa && pb && pa > pb) ? "yes" : "no" }')
    [ "$order" = yes ]
}

# What the program logged it showed in the result window, one test a line.
results_shown() { sed -n 's/.*result window shows: //p' "$OUT/app.log"; }
log_count_is() { [ "$(grep -c "$1" "$OUT/app.log")" = "$2" ]; }
# Access keys click after a short animation: the next keys wait for the give-up.
gave_up() { wait_until 5 log_count_is 'gave up' "$1"; }
# A whole test from the question window's first screen, by arrows, Alt+N,
# Space and Shift+Tab, giving up a lower animal in every round; the result
# window then shows that order.
whole_test_by_keyboard() {
    keys Tab Down Down Down Down alt+n # Horse, the bottom one
    gave_up 1
    keys Down Down alt+n # of Monkey Lion Cow Sheep: Cow
    gave_up 2
    keys Down Down Tab space # of Monkey Lion Sheep: Sheep, by Space on Next
    gave_up 3
    keys shift+Tab Down alt+n # back in the group; of Monkey Lion: Lion
    gave_up 4
    keys alt+r # Monkey is left
    wait_until 10 mapped frmDisplay
    refute mapped frmMain
    [ "$(results_shown | sed -n 1p)" = "1. Horse | 2. Cow | 3. Sheep | 4. Lion | 5. Monkey" ]
}

start_x() {
    local fdfile="$OUT/display"
    exec 5>"$fdfile"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$OUT/xvfb.log" 2>&1 &
    PIDS+=($!)
    wait_until 20 test -s "$fdfile" || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$fdfile")"
    wait_until 20 xdpyinfo
}

# Starts a copy of the program; its pid goes to $APP_PID.
start_app() {
    "$APP" >>"$OUT/app.log" 2>&1 &
    APP_PID=$!
    PIDS+=("$APP_PID")
}

# The mapped windows whose role (object name) is $1, one id a line.
# With a second argument "any", also those never mapped or hidden again.
windows_with_role() {
    local id visible=--onlyvisible
    [ "${2:-}" = any ] && visible=
    for id in $(xdotool search $visible --name 'QV Tavrisk' 2>/dev/null); do
        xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"$1\"" && echo "$id"
    done
    return 0
}
# Whether any window of role $1 exists, on screen or not.
exists_with_role() { [ -n "$(windows_with_role "$1" any)" ]; }
mapped() { [ -n "$(windows_with_role "$1")" ]; }
window() { windows_with_role "$1" | head -n1; }
# Message boxes carry the title alone.
message_box() { xdotool search --onlyvisible --name '^QV Tavrisk$' 2>/dev/null | head -n1; }
has_message_box() { [ -n "$(message_box)" ]; }

size_of() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}'; }

# Keys and clicks through XTEST, as a user's would arrive.
focus() { xdotool windowfocus --sync "$1"; }
keys() { xdotool key --delay 60 "$@"; }
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

opened_count() { grep -c . "$OPENED" || true; }
opened_more_than() { [ "$(opened_count)" -gt "$1" ]; }
expect_opened() { wait_until 10 grep -qF "$1" "$OPENED"; }
# The opener runs detached and may be slow: an address still on its way gets
# a bounded moment to arrive before "exactly N were opened" is believed.
expect_opened_count() {
    if wait_until 2 opened_more_than "$1"; then
        echo "more than $1 addresses opened:" >&2
        cat "$OPENED" >&2
        return 1
    fi
    [ "$(opened_count)" = "$1" ]
}

