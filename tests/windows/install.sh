#!/usr/bin/env bash
# The installer and the portable zip, made by CPack from this build and tried
# under Wine as a user would: a silent install puts the program and exactly
# its DLLs in Program Files, with a Start-menu entry and an Add/Remove
# Programs entry; the installed program starts from there alone; the silent
# uninstall leaves nothing behind; and the program starts from the unpacked zip.
source "$(dirname "$0")/lib.sh"
: "${CPACK_CONFIG:?CPackConfig.cmake of the build}" "${VERSION:?project version}"
NAME=QVTavrisk-$VERSION-win64
DIR="$WINEPREFIX/drive_c/Program Files/QV Tavrisk"
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

step "CPack makes a 64-bit installer and a zip"
cpack --config "$CPACK_CONFIG" -G "NSIS64;ZIP" -B "$OUT/pkg" >"$OUT/cpack.log"
file "$OUT/pkg/$NAME.exe" | grep -q 'PE32+ executable (GUI) x86-64'

step "the silent install puts the program and exactly its DLLs in Program Files"
wine "$OUT/pkg/$NAME.exe" /S
expected="Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll QVFreeTavrisk.exe Uninstall.exe libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll"
[ "$(cd "$DIR" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | xargs)" = \
    "$(printf '%s\n' $expected | LC_ALL=C sort | xargs)" ]

shortcut() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'QV Tavrisk.lnk' | grep -q .; }
listed() { wine reg query "$UNINSTALL" /s 2>/dev/null | tr -d '\r' | grep -q "DisplayName.*QV Tavrisk $VERSION"; }

step "a Start-menu entry and an Add/Remove Programs entry"
shortcut
listed

step "the installed program starts with nothing but its own folder"
start_program "$DIR"
wait_until 60 shown 530
kill -9 "$APP_PID"
wait "$APP_PID" 2>/dev/null || true

step "the silent uninstall removes every file, the entries with them"
wine "$DIR/Uninstall.exe" /S
wait_until 60 refute test -e "$DIR"
refute shortcut
refute listed

step "the program starts from the unpacked zip"
mkdir -p "$OUT/portable"
(cd "$OUT/portable" && unzip -q "$OUT/pkg/$NAME.zip")
start_program "$OUT/portable/$NAME"
wait_until 60 shown 530
