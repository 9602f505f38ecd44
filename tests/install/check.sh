#!/usr/bin/env bash
# Installs the build into a folder and builds the Debian package, checks both,
# and starts the packaged program in its own X server.
: "${BUILD:?build folder}"
APP=unset
source "$(dirname "$0")/../e2e/lib.sh"
ID=example.quorvane.QVFreeTavrisk

step "cmake --install lays out the program, menu entry, icons and metainfo"
cmake --install "$BUILD" --prefix "$OUT/prefix" >"$OUT/install.log"
P="$OUT/prefix"
test -x "$P/bin/QVFreeTavrisk"
test -f "$P/share/applications/$ID.desktop"
test -f "$P/share/metainfo/$ID.metainfo.xml"
test -f "$P/share/icons/hicolor/scalable/apps/$ID.svg"
for size in 16 24 32 48 64 128 256; do
    f="$P/share/icons/hicolor/${size}x${size}/apps/$ID.png"
    test -f "$f"
    [ "$(identify -format '%wx%h' "$f")" = "${size}x${size}" ]
done

step "the desktop entry and the metainfo validate"
desktop-file-validate "$P/share/applications/$ID.desktop"
appstreamcli validate --no-net "$P/share/metainfo/$ID.metainfo.xml"

step "cpack builds a Debian package with the Qt 6 runtime as dependencies"
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$OUT/pkg" >"$OUT/cpack.log"
DEB=$(ls "$OUT"/pkg/*.deb)
depends=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $depends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-core libc6 libstdc++6; do
    grep -q "$lib" <<<"$depends"
done
refute grep -q -- '-dev' <<<"$depends"
contents=$(dpkg-deb -c "$DEB")
for f in ./usr/bin/QVFreeTavrisk ./usr/share/applications/$ID.desktop \
         ./usr/share/metainfo/$ID.metainfo.xml ./usr/share/icons/hicolor/48x48/apps/$ID.png; do
    grep -qF "$f" <<<"$contents"
done
if [ "$(id -u)" = 0 ]; then
    dpkg --dry-run -i "$DEB" >"$OUT/dpkg.log"   # every dependency is satisfiable here
fi

step "the packaged program starts"
dpkg-deb -x "$DEB" "$OUT/root"
start_x
APP="$OUT/root/usr/bin/QVFreeTavrisk"
start_app
wait_until 20 mapped frmMain
