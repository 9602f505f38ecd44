#!/usr/bin/env bash
# A Wayland session: weston with XWayland, nested in an X server of our own,
# which carries the keys. The program runs on X11 through XWayland, so that it
# centres its windows and can keep the exit window above the others: a whole
# test by keyboard, the exit window centred and on top. A platform the user
# chose stands.
source "$(dirname "$0")/lib.sh"
start_x
OUTER=$DISPLAY

step "weston starts, with XWayland"
weston --backend=x11-backend.so --xwayland --socket=tavrisk-wayland --width=1280 --height=1024 \
    --idle-time=0 >"$OUT/weston.log" 2>&1 &
PIDS+=($!)
wait_until 20 grep -q 'xserver listening on display' "$OUT/weston.log"
export WAYLAND_DISPLAY=tavrisk-wayland XDG_SESSION_TYPE=wayland
export DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$OUT/weston.log")
unset QT_QPA_PLATFORM
# Keys reach weston's window on the outer server, and weston hands them on.
keys() { DISPLAY=$OUTER xdotool key --delay 60 "$@"; }

step "the program runs on X11 through XWayland, its question window centred"
start_app
wait_until 20 mapped questionWindow
grep -qx 'tavrisk: platform "xcb"' "$OUT/app.log"
# Centred, give or take weston's title bar.
centred() {
    local x y w h
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { print x, y, w, h }')
    local dx=$((x + w / 2 - 640)) dy=$((y + h / 2 - 512))
    [ "${dx#-}" -le 32 ] && [ "${dy#-}" -le 32 ]
}
# Keys go to the window weston activated, which may also come a moment later.
active() { windows_with_role "$1" | grep -qx "$(xdotool getactivewindow 2>/dev/null)"; }
# Weston 14 now and then leaves a window it is handed unmanaged: mapped on the
# X side but without a frame, never on screen and never active (about one run
# in ten, with or without the program asking for activation). No client can
# mend that, so the test starts over, twice at most, saying why.
managed() { ! xwininfo -children -id "$(window "$1")" | grep -q '(the root window)'; }
activated() {
    wait_until 5 active "$1" && return
    local retries=${WESTON_RETRIES:-0}
    if ! managed "$1" && [ "$retries" -lt 2 ]; then
        echo "weston left $1 unmanaged: the test starts over" >&2
        kill_all "${PIDS[@]}"
        WESTON_RETRIES=$((retries + 1)) exec bash "$0"
    fi
    return 1
}
activated questionWindow
# Weston places a window a moment after it is mapped.
wait_until 10 centred "$(window questionWindow)"

step "a whole test by keyboard, then Back by Enter"
whole_test_by_keyboard
activated resultWindow
keys Return
wait_until 10 mapped questionWindow
activated questionWindow

step "Esc: the exit window, centred and the topmost window on the screen"
keys Escape
wait_until 10 mapped exitWindow
activated exitWindow
E=$(window exitWindow)
wait_until 10 centred "$E"
# The first sizeable window from the top of the stack is the frame around it.
read -r ex ey < <(xwininfo -id "$E" | awk '/Absolute upper-left X/ { x = $4 }
    /Absolute upper-left Y/ { y = $4 } END { print x, y }')
xwininfo -root -children | awk -v ex="$ex" -v ey="$ey" '
    match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+/) {
        split(substr($0, RSTART, RLENGTH), g, /[x+]/)
        if (g[1] < 100 || g[2] < 100 || g[1] >= 8192) next
        exit !(ex >= g[3] && ey >= g[4] && ex < g[3] + g[1] && ey < g[4] + g[2])
    }'
keys alt+x
expect_exit "$APP_PID" 0

step "with QT_QPA_PLATFORM=wayland the program runs natively, as the user chose"
QT_QPA_PLATFORM=wayland start_app
wait_until 20 grep -qx 'tavrisk: platform "wayland"' "$OUT/app.log"
refute mapped questionWindow
