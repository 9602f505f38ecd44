# Shared by the tests that run the real program on Linux: an X server of
# their own and the program's windows found by their role. Needs OUT and PIDS.

# Xvfb on a free display, ready once it has written the display's number.
start_x() {
    local fdfile="$OUT/display"
    exec 5>"$fdfile"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$OUT/xvfb.log" 2>&1 &
    PIDS+=($!)
    wait_until 20 test -s "$fdfile" || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$fdfile")"
    wait_until 20 xdpyinfo
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
