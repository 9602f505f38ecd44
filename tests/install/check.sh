#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree the Debian way,
# checks it with lintian and by its contents, builds it again to see the same
# bytes, installs it and starts the program from its desktop entry.
set -euo pipefail
: "${SOURCE:?source tree}" "${VERSION:?project version}" "${OUT:?folder for the test output}"
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../support/shell.sh"
source "$HERE/../support/x11.sh"
rm -rf "$OUT" && mkdir -p "$OUT/home" "$OUT/run"
chmod 700 "$OUT/run"
export HOME="$OUT/home" XDG_CONFIG_HOME="$OUT/home/.config" XDG_RUNTIME_DIR="$OUT/run"
export QT_QPA_PLATFORM=xcb LANG=C LC_ALL=C
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP WAYLAND_DISPLAY
PIDS=()
STEP=start
cleanup() {
    local rc=$?
    [ "$rc" = 0 ] || echo "FAILED at: $STEP" >&2
    kill_all "${PIDS[@]}"
    exit "$rc"
}
trap cleanup EXIT
# The installed program, started as its menu entry says.
start_program() {
    "$1" >>"$OUT/app.log" 2>&1 &
    APP_PID=$!
    PIDS+=("$APP_PID")
}
ID=example.quorvane.QVFreeTavrisk
PKG=qv-tavrisk
LINTIAN=(lintian --fail-on error,warning)
[ "$(id -u)" = 0 ] && LINTIAN+=(--allow-root)

step "a clean copy of the tree, with the package's version the project's"
rm -rf "$OUT/src" && mkdir -p "$OUT/src"
if command -v git >/dev/null && git -C "$SOURCE" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$SOURCE" ls-files -co --exclude-standard -z | (cd "$SOURCE" && xargs -0 cp --parents -t "$OUT/src")
else
    # An exported tree, or no git to ask: everything but the build folders.
    (cd "$SOURCE" && find . \( -name .git -o -name 'build*' \) -prune -o -type f -print0 |
        xargs -0 cp --parents -t "$OUT/src")
fi
cd "$OUT/src"
[ "$(dpkg-parsechangelog -S Version)" = "$VERSION" ]

step "dpkg-buildpackage builds the package, running the tests that need no display"
dpkg-buildpackage -us -uc -b >"$OUT/build1.log" 2>&1 || { tail -30 "$OUT/build1.log"; exit 1; }
grep -q '100% tests passed' "$OUT/build1.log"
DEB="$OUT/${PKG}_${VERSION}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
cp "$DEB" "$OUT/first.deb"

step "lintian finds no error and no warning"
"${LINTIAN[@]}" "$DEB"

step "the package holds the game, its menu entry, icons, metainfo and manual page"
contents=$(dpkg-deb -c "$DEB")
for f in ./usr/games/QVFreeTavrisk ./usr/share/applications/$ID.desktop \
    ./usr/share/metainfo/$ID.metainfo.xml ./usr/share/man/man6/QVFreeTavrisk.6.gz \
    ./usr/share/doc/$PKG/copyright ./usr/share/doc/$PKG/changelog.gz \
    ./usr/share/icons/hicolor/scalable/apps/$ID.svg; do
    grep -qF "$f" <<<"$contents"
done
refute grep -qF ./usr/bin/ <<<"$contents"
X="$OUT/extracted"
dpkg-deb -x "$DEB" "$X"
# Its libraries are the system's: no run path to search elsewhere first.
refute grep -qE 'R(UN)?PATH' <<<"$(readelf -d "$X/usr/games/QVFreeTavrisk")"
[ "$(dpkg-deb -f "$DEB" Section)" = games ]
depends=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $depends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-core libc6 libstdc++6; do
    grep -q "$lib" <<<"$depends"
done
refute grep -q -- '-dev' <<<"$depends"
for size in 16 24 32 48 64 128 256; do
    [ "$(identify -format '%wx%h' "$X/usr/share/icons/hicolor/${size}x${size}/apps/$ID.png")" = "${size}x${size}" ]
done
desktop-file-validate "$X/usr/share/applications/$ID.desktop"
appstreamcli validate --no-net "$X/usr/share/metainfo/$ID.metainfo.xml"
grep -qF "<release version=\"$VERSION\"" "$X/usr/share/metainfo/$ID.metainfo.xml"
EXEC=$(sed -n 's/^Exec=//p' "$X/usr/share/applications/$ID.desktop")
[ "$EXEC" = /usr/games/QVFreeTavrisk ]
for word in '^\.SH OPTIONS' XDG_CONFIG_HOME QT_SCALE_FACTOR QT_QPA_PLATFORM QVFreeTavrisk.conf; do
    zcat "$X/usr/share/man/man6/QVFreeTavrisk.6.gz" | grep -q "$word"
done

step "a second build, without tests, gives the same bytes"
DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b >"$OUT/build2.log" 2>&1 || { tail -30 "$OUT/build2.log"; exit 1; }
cmp "$OUT/first.deb" "$DEB"

if [ "$(id -u)" = 0 ] && ! dpkg-query -W "$PKG" >/dev/null 2>&1; then
    step "Debian's own test of the installed package passes (autopkgtest, null runner)"
    purge() { dpkg -P "$PKG" >/dev/null 2>&1 || true; }
    trap 'rc=$?; purge; (exit $rc); cleanup' EXIT
    autopkgtest "$DEB" "$OUT/src" -- null >"$OUT/autopkgtest.log" 2>&1 || { tail -30 "$OUT/autopkgtest.log"; exit 1; }
    grep -qE '^starts +PASS' "$OUT/autopkgtest.log"
    purge

    step "and fails on a package whose program is missing"
    rm -rf "$OUT/broken" && dpkg-deb -R "$DEB" "$OUT/broken"
    rm "$OUT/broken/usr/games/QVFreeTavrisk"
    sed -i '/usr\/games\/QVFreeTavrisk$/d' "$OUT/broken/DEBIAN/md5sums"
    dpkg-deb -b "$OUT/broken" "$OUT/broken.deb" >/dev/null
    rc=0
    autopkgtest "$OUT/broken.deb" "$OUT/src" -- null >"$OUT/autopkgtest-broken.log" 2>&1 || rc=$?
    [ "$rc" = 4 ] || { tail -30 "$OUT/autopkgtest-broken.log"; exit 1; }
    grep -qE '^starts +FAIL' "$OUT/autopkgtest-broken.log"
    purge
fi

start_x
if [ "$(id -u)" = 0 ] && ! dpkg-query -W "$PKG" >/dev/null 2>&1; then
    step "installed into the system, the program starts from its menu entry's Exec"
    trap 'rc=$?; dpkg -r "$PKG" >/dev/null 2>&1; (exit $rc); cleanup' EXIT
    dpkg -i "$DEB" >"$OUT/dpkg.log"
    start_program "$EXEC"
    wait_until 20 mapped questionWindow
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    step "and uninstalls without a trace"
    dpkg -r "$PKG" >>"$OUT/dpkg.log"
    refute test -e "$EXEC"
    refute test -e /usr/share/applications/$ID.desktop
else
    step "unpacked into a throwaway root, the program starts from its menu entry's Exec"
    start_program "$X$EXEC"
    wait_until 20 mapped questionWindow
fi
