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
SETTINGS="$XDG_CONFIG_HOME/QVFreeTavrisk/QVFreeTavrisk.conf"
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../support/shell.sh"
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../support/x11.sh"

# The desktop's opener, replaced by one that only records the address.
recording_browser "$OUT/bin/xdg-open"
export PATH="$OUT/bin:$PATH"

PIDS=()
STEP="start"

cleanup() {
    local rc=$?
    # Under the sanitizers, a report from any copy of the program fails the test.
    if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$OUT/app.log" 2>/dev/null; then
        echo "sanitizer report in $OUT/app.log" >&2
        rc=1
    fi
    report_failure "$rc"
    # What the servers and the program said, for a failure seen only in CI.
    [ "$rc" -eq 0 ] || tail -n 15 "$OUT"/*.log >&2 2>/dev/null || true
    kill_all "${PIDS[@]}"
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

# What the shared helpers ask of this library (tests/support/shell.sh).
program_log() { cat "$OUT/app.log" 2>/dev/null; }
showing() {
    case $1 in
    question) mapped questionWindow ;;
    result) mapped resultWindow ;;
    exit) mapped exitWindow ;;
    esac
}

# Starts a copy of the program; its pid goes to $APP_PID.
start_app() {
    "$APP" >>"$OUT/app.log" 2>&1 &
    APP_PID=$!
    PIDS+=("$APP_PID")
}

# The first message box on screen.
message_box() { message_boxes | head -n1; }
has_message_box() { [ -n "$(message_box)" ]; }

size_of() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}'; }

# Keys and clicks through XTEST, as a user's would arrive.
focus() { xdotool windowfocus --sync "$1"; }
keys() { xdotool key --delay 60 "$@"; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

opened_more_than() { [ "$(opened_count)" -gt "$1" ]; }
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

