# Shared by the Windows end-to-end tests: the real program under Wine in a
# Wine prefix and an X server of their own, driven from outside with xdotool
# as a user would drive it. Wine shows every window inside one virtual
# desktop, as Windows does; the program's own log reaches us through Wine's
# debug channel, its settings through the registry, and the addresses it
# opens through a recording browser.
set -euo pipefail
: "${BUILD:?the Windows build folder}" "${OUT:?folder for the test output}"
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$OUT" && mkdir -p "$OUT"
# The program's own log: the moves between windows, the results shown, its end.
export QT_LOGGING_RULES="tavrisk=true"
# The prefix, X server and Qt are those every test program gets.
source "$HERE/../../cmake/wine.sh"
wine_up "$OUT"
OPENED="$OUT/opened.txt"
source "$HERE/../support/shell.sh"
STEP="start"
PIDS=()

finish() {
    local rc=$?
    report_failure "$rc"
    kill_all "${PIDS[@]}"
    wine_down
    exit "$rc"
}
trap finish EXIT

# Windows hand addresses to the browser named in the registry: a recorder.
recording_browser "$OUT/browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$OUT/browser" /f >/dev/null 2>&1

# start_program [folder]: the program from the build (its DLLs on the path)
# or from where it was installed (its own DLLs beside it, nothing else).
start_program() {
    local path=$WINEPATH
    [ -z "${1:-}" ] || path=""
    WINEPATH=$path WINEDEBUG=-all,warn+seh,warn+debugstr \
        "$wine_bin" "${1:-$BUILD}/QVFreeTavrisk.exe" 2>>"$OUT/app.log" &
    APP_PID=$!
    PIDS+=("$APP_PID")
}

# The program's log lines, as it wrote them.
program_log() { sed -n 's/.*OutputDebugString[AW] "\(.*\)"$/\1/p' "$OUT/app.log" | sed 's/\\n$//'; }

# Mapped top-level windows of the program by their outer width: 530 the
# question window, 615 the result window, 747 the exit window.
window_of_width() {
    local id
    for id in $(xdotool search --onlyvisible --name '^QV Tavrisk' 2>/dev/null); do
        [ "$(xwininfo -id "$id" | sed -n 's/.*Width: //p')" = "$1" ] && { echo "$id"; return 0; }
    done
    return 1
}
shown() { window_of_width "$1" >/dev/null; }
showing() {
    case $1 in
    question) shown 530 ;;
    result) shown 615 ;;
    exit) shown 747 ;;
    esac
}
# Ends every copy started so far, and waits for their windows to go.
end_all_copies() {
    kill_all "${PIDS[@]}"
    PIDS=()
    wait_until 20 refute shown 530
    wait_until 20 boxes_are 0
}
# The first message box on screen.
message_box() { message_boxes | head -n1 | grep .; }

keys() {
    local k
    for k in "$@"; do
        xdotool key --clearmodifiers "$k"
        sleep 0.1
    done
}

# The scrambled settings value, read back from the registry.
stored_duration() {
    wine reg query 'HKCU\Software\QVFreeTavrisk\QVFreeTavrisk\Settings' 2>/dev/null |
        tr -d '\r' | awk -v key="$(scramble Duration)" '$1 == key && $2 == "REG_SZ" { print $3 }'
}


# A click at a point of a window's client area: Wine draws the frame inside
# the window, 3 pixels at the sides and the bottom, the title bar on top.
click_at() { # window, x, y
    local width height client
    width=$(xwininfo -id "$1" | sed -n 's/.*Width: //p')
    height=$(xwininfo -id "$1" | sed -n 's/.*Height: //p')
    case $width in 530) client=457 ;; 747) client=315 ;; *) return 1 ;; esac
    xdotool mousemove --window "$1" $(($2 + 3)) $(($3 + height - 3 - client)) click 1
}
