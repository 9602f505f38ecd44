# Wine for the tests, sourced by cmake/wine-run and the Windows end-to-end
# tests: each run gets a Wine prefix of its own (a copy of one made once and
# kept in the user's cache folder) and an X server of its own, so runs neither
# share state nor need a display. The Qt of TAVRISK_QT_WINDOWS and the MinGW
# runtime are found as Windows finds DLLs, along the path.
#   wine_up DIR   a prefix in DIR, an X server, Qt and the runtime on the path
#   wine ARGS...  a program in that prefix
#   wine_down     ends them
wine_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tavrisk
wine_bin=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver_bin=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="

wine() { "$wine_bin" "$@"; }

# The first run makes the prefix; parallel runs wait for it under a lock.
wine_template() {
    local template=$wine_cache/wineprefix
    mkdir -p "$wine_cache"
    (
        flock 9
        if [ ! -f "$template/.made" ]; then
            rm -rf "$template"
            WINEPREFIX=$template "$wine_bin" wineboot -i >/dev/null 2>&1
            # One virtual desktop: Wine itself places, stacks and activates the
            # windows, as Windows does, with no window manager.
            WINEPREFIX=$template "$wine_bin" reg add 'HKCU\Software\Wine\Explorer' \
                /v Desktop /d Default /f >/dev/null 2>&1
            WINEPREFIX=$template "$wine_bin" reg add 'HKCU\Software\Wine\Explorer\Desktops' \
                /v Default /d 1280x1024 /f >/dev/null 2>&1
            WINEPREFIX=$template "$wineserver_bin" -w
            touch "$template/.made"
        fi
    ) 9>"$wine_cache/wineprefix.lock"
    echo "$template"
}

wine_xvfb=""
wine_work=""
# wine_up DIR: a prefix of its own in DIR, an X server, Qt and the runtime on the path.
wine_up() {
    wine_work=$1
    local template qt runtime number
    template=$(wine_template)
    cp -a "$template" "$wine_work/prefix"
    export WINEPREFIX=$wine_work/prefix
    # The build hands its Qt in; an installed copy has its DLLs beside it.
    qt=${TAVRISK_QT_WINDOWS:-}
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
    export WINEPATH="Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
    [ -z "$qt" ] || WINEPATH="Z:$qt/bin;$WINEPATH"
    # Xvfb writes the display number it took once it accepts connections.
    mkfifo "$wine_work/display"
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$wine_work/display" 2>/dev/null &
    wine_xvfb=$!
    read -r number <"$wine_work/display"
    export DISPLAY=:$number
    wine_forward_qt_env
}

# Wine leaves out the Unix environment's QT_ variables; the user's environment
# in the registry hands them to every program of the prefix.
wine_forward_qt_env() {
    local name value file=$wine_work/qt-env.reg
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Environment]\n' >"$file"
    while IFS='=' read -r name value; do
        value=${value//\\/\\\\}
        printf '"%s"="%s"\n' "$name" "${value//\"/\\\"}" >>"$file"
    done < <(env | grep '^QT_' || true)
    "$wine_bin" regedit /S "$file" >/dev/null 2>&1
}

wine_down() {
    "$wineserver_bin" -k 2>/dev/null || true
    [ -z "$wine_xvfb" ] || kill "$wine_xvfb" 2>/dev/null || true
    rm -rf "$wine_work/prefix"
}
