#!/usr/bin/env bash
# The product's identity is written once, in the top CMakeLists.txt: the
# files the build makes from it carry it, no other build input repeats it,
# and Debian's own files, which no build step writes, agree with it.
set -euo pipefail
: "${SOURCE:?}" "${BUILD:?}" "${VENDOR:?}" "${PRODUCT:?}" "${SUMMARY:?}" "${HOST:?}" "${COPYRIGHT:?}"
QT_WINDOWS=$(cmake -DPRINT=NAME -P "$SOURCE/cmake/qt-windows.cmake")
failed=0
fail() { echo "$*"; failed=1; }
has() { grep -qxF -- "$2" "$1" || fail "$1 lacks the line: $2"; }

# Written nowhere else among the build's inputs.
for value in "$VENDOR" "$HOST" "$QT_WINDOWS"; do
    if hits=$(cd "$SOURCE" && grep -rnF -- "$value" CMakeLists.txt src/*/CMakeLists.txt src/app/*.in cmake assets scripts |
        grep -v '^CMakeLists.txt:.*set(TAVRISK_\|^cmake/qt-windows.cmake:.*set(TAVRISK_QT_WINDOWS_NAME'); then
        fail "$hits"
    fi
done

# What the build made from it.
assets=$BUILD/assets
has "$assets/example.quorvane.QVFreeTavrisk.desktop" "Name=$PRODUCT"
has "$assets/example.quorvane.QVFreeTavrisk.desktop" "Comment=$SUMMARY"
metainfo=$assets/example.quorvane.QVFreeTavrisk.metainfo.xml
has "$metainfo" "  <name>$PRODUCT</name>"
has "$metainfo" "  <summary>$SUMMARY</summary>"
has "$metainfo" "    <name>$VENDOR</name>"
has "$metainfo" "  <url type=\"homepage\">http://$HOST/qv-free-tavrisk/ssd.php?page=home-page</url>"

# Debian's files and the licence, as dpkg and the user read them.
has "$SOURCE/debian/control" "Maintainer: $VENDOR <support@$HOST>"
has "$SOURCE/debian/control" "Homepage: http://$HOST/qv-free-tavrisk/"
has "$SOURCE/debian/copyright" "Upstream-Name: $PRODUCT"
has "$SOURCE/debian/copyright" "Upstream-Contact: $VENDOR <support@$HOST>"
has "$SOURCE/debian/copyright" "Source: http://$HOST/qv-free-tavrisk/"
has "$SOURCE/LICENSE" "$PRODUCT"
has "$SOURCE/LICENSE" "$COPYRIGHT"
exit "$failed"
