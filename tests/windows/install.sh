#!/usr/bin/env bash
# The installer and the portable zip under Wine, tried as a user would: its
# version information and the program's manifest; updates over the 1.10
# installer's install, into a folder of the user's own, and over a running
# older copy; the installed files and the Add/Remove entry; the Start-menu
# entry and the desktop shortcut each starting the program; a file in use
# named, with Retry, refusing the update; a running copy removed silently; the
# wizard by keyboard with the desktop shortcut declined and its finish page's
# Run; its question over a running copy, and a second setup refused meanwhile;
# downgrades refused silently and asked for; the program starting from the
# unpacked zip and left running by an update; a deleted install repaired; the
# older build signed; and the program and setup in each language's session.
source "$(dirname "$0")/lib.sh"
: "${SOURCE:?source tree}" "${PACKAGES:?folder CPack wrote the packages to}" "${VERSION:?project version}"
OLD_VERSION=1.9
SETUP=$PACKAGES/QVTavrisk-$VERSION-win64.exe
ZIP=$PACKAGES/QVTavrisk-$VERSION-win64.zip
DIR="$WINEPREFIX/drive_c/Program Files/QV Tavrisk"
PROGRAMS="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
DESKTOP="$WINEPREFIX/drive_c/users/Public/Desktop"
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
KEY="$UNINSTALL\\QVTavrisk"
# .txt files open in Notepad, as on Windows; Wine's new prefix has no such
# association.
wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
wine reg add 'HKCR\txtfile\shell\open\command' /ve /d 'C:\windows\notepad.exe "%1"' /f >/dev/null 2>&1
[ -f "$SETUP" ] && [ -f "$ZIP" ] || { echo "no packages in $PACKAGES: run 'cpack --preset windows' first" >&2; exit 1; }

# A resource of a Windows file: type 16 the version, 24 the manifest.
resource() { wrestool -x --raw -t "$2" "$1"; }
# A value of a Windows file's version resource.
version_value() { resource "$1" 16 | strings -el -n 3 | grep -A1 -x "$2" | tail -1; }
file_version() { version_value "$1" ProductVersion; }
entry() { wine reg query "$KEY" /v "$1" 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v { $1 = ""; print substr($0, 2) }'; }
entries() { wine reg query "$UNINSTALL" 2>/dev/null | tr -d '\r' | grep -c 'QVTavrisk' || true; }
# Whether the installed program runs: a process has its file mapped (Wine's
# tasklist lists nothing).
running() { grep -qsF "$DIR/QVFreeTavrisk.exe" /proc/[0-9]*/maps; }
# next_page COUNT: Return on the wizard COUNT times, each time waiting for the
# page to change, so that no key lands between two pages.
next_page() {
    local w before i
    for ((i = 0; i < $1; i++)); do
        w=$(xdotool search --onlyvisible --name '^QV Tavrisk Setup' | head -1)
        before=$(page_image "$w")
        xdotool key Return
        wait_until 20 page_changed "$w" "$before"
    done
}
# The texts of the windows on screen, their controls' indented.
window_texts() { wine "$ZORDER" texts | tr -d '\r'; }
# shows TEXT: a window or control on screen says TEXT, whole (-x) or in part.
shows() { grep -qF "$@" <<<"$(window_texts)"; }
# What the setups and uninstallers wrote to their log, in the user's TEMP.
setup_log() {
    local file
    file=$(wine winepath -u "$(wine cmd /c echo %TEMP% | tr -d '\r')")/QVTavrisk-setup.log
    [ ! -f "$file" ] || iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
}
logged() { setup_log | grep -qF "$1"; }
# A setup run that must fail: exit code 2, and what it says in the log.
setup_refuses() { # message, setup arguments...
    local message=$1 rc=0
    shift
    wine "$@" || rc=$?
    [ "$rc" = 2 ] && logged "$message"
}
page_image() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
page_changed() { [ "$(page_image "$1")" != "$2" ]; }
# The installer's windows on screen: its wizard, and a box above it.
setup_windows() { [ "$(xdotool search --onlyvisible --name '^QV Tavrisk Setup' 2>/dev/null | wc -l)" = "$1" ]; }
# The setup's windows on screen, as one line: a box replaced by the next
# leaves their number as it was, but not their ids.
setup_ids() { xdotool search --onlyvisible --name '^QV Tavrisk Setup' 2>/dev/null | sort | xargs; }
# Something drawn on screen: a blank one makes a tiny picture.
painted() { [ "$(import -window root png:- 2>/dev/null | wc -c)" -gt 5000 ]; }
# Windows on screen whose title names the product, in any language.
named_windows() { xdotool search --onlyvisible --name 'QV Tavrisk' 2>/dev/null | sort | xargs; }
# box_after ID...: a setup window on screen that is none of those given.
box_after() {
    local id
    for id in $(setup_ids); do
        [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
    done
    return 1
}
# Keys go to the focused window, which Wine settles some moment after the
# map: the box is given the focus, as a click on it would.
focus_box() { timeout 20 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1"; }
# Install, on the folder page, once it is drawn and the wizard has the focus
# (a copy of the program may have taken it as it started).
press_install() {
    wait_until 20 shows -x "  Destination Folder"
    focus_box "$(setup_ids)"
    keys Return
}
# Ends the program as its user would: Esc, then Exit on the exit window.
exit_program() {
    keys Escape
    wait_until 20 shown 747
    keys alt+x
    wait_until 20 refute shown 747
}
# Starts a shortcut as Explorer does, and finds the question window it opens.
start_shortcut() {
    wine start /unix "$1"
    wait_until 60 shown 530
}

step "the setup and program carry the product's version information and manifests"
file "$SETUP" | grep -q 'PE32+ executable (GUI) x86-64'
uninstaller="$PACKAGES/_CPack_Packages/win64/NSIS64/Uninstall.exe"
for pair in "ProductName QV Tavrisk" "CompanyName Quorvane Softwares" "ProductVersion $VERSION" \
    "FileDescription QV Tavrisk Setup" "LegalCopyright Copyright 2026 Quorvane Softwares"; do
    [ "$(version_value "$SETUP" "${pair%% *}")" = "${pair#* }" ]
done
[ "$(version_value "$uninstaller" FileDescription)" = "QV Tavrisk Uninstaller" ]
[ "$(version_value "$BUILD/QVFreeTavrisk.exe" LegalCopyright)" = "Copyright 2026 Quorvane Softwares" ]
# The setup's and uninstaller's own manifests, not NSIS's.
for pair in "$SETUP Setup" "$uninstaller Uninstaller"; do
    manifest=$(resource "${pair% *}" 24)
    grep -qF "<description>QV Tavrisk ${pair##* }</description>" <<<"$manifest"
    grep -q 'level="requireAdministrator"' <<<"$manifest"
    grep -q '<dpiAware[^>]*>true</dpiAware>' <<<"$manifest"
    refute grep -qi 'nullsoft' <<<"$manifest"
done
# Signing is for a build asked to sign; this one is not.
refute osslsigncode verify -in "$SETUP" >/dev/null 2>&1
# A 32-bit Windows cannot start this 64-bit setup; a 32-bit build of the
# script checks for it itself.
grep -qF 'Fail "$(Needs64)"' "$SOURCE/cmake/NSIS.template.in"
grep -qF 'needs a 64-bit Windows' "$SOURCE/cmake/NSIS.languages.nsh"
manifest=$(resource "$BUILD/QVFreeTavrisk.exe" 24)
grep -q 'level="asInvoker"' <<<"$manifest"
grep -q 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' <<<"$manifest"
grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest"
refute grep -qi 'dpiAware' <<<"$manifest"
[ "$(file_version "$BUILD/QVFreeTavrisk.exe")" = "$VERSION" ]

# Our own script, with the program's terms and name, not CPack's stock pages.
script="$PACKAGES/_CPack_Packages/win64/NSIS64/project.nsi"
grep -qF 'BrandingText "${PRODUCT} ${VERSION}"' "$script"
# The licence page gets whole sentences, for the page to wrap: its title
# lines as they are, every longer line ending one.
licence_page=$(sed -n 's/.*MUI_PAGE_LICENSE "\(.*\)"$/\1/p' "$script")
tr -d '\r' <"$licence_page" | grep -qx 'QV Tavrisk'
refute grep -q '^.\{50,\}[^.]$' <(tr -d '\r' <"$licence_page")

step "an older version, $OLD_VERSION, built from the same tree and signed"
old=$OUT/../old-installer
mkdir -p "$OUT/sign"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=QV Tavrisk test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$OUT/sign/key.pem" -out "$OUT/sign/cert.pem" 2>/dev/null
cmake -S "$SOURCE" -B "$old" --preset windows -DTAVRISK_TEST_VERSION=$OLD_VERSION -DBUILD_TESTING=OFF \
    -DTAVRISK_SIGN_CERT="$OUT/sign/cert.pem" -DTAVRISK_SIGN_KEY="$OUT/sign/key.pem" >"$OUT/old.log"
cmake --build "$old" >>"$OUT/old.log"
cpack --config "$old/CPackConfig.cmake" -G NSIS64 -B "$old/pkg" >>"$OUT/old.log"
OLD_SETUP=$old/pkg/QVTavrisk-$OLD_VERSION-win64.exe
signed() { osslsigncode verify -CAfile "$OUT/sign/cert.pem" -in "$1" >/dev/null; }
signed "$OLD_SETUP"

step "over 1.10's install (CPack's stock installer), the new one leaves one entry"
cpack --config "$old/CPackConfig.cmake" -G NSIS64 -B "$old/stock" -D CPACK_MODULE_PATH= \
    -D "CPACK_PACKAGE_INSTALL_REGISTRY_KEY=QVTavrisk 1.10" -D "CPACK_NSIS_DISPLAY_NAME=QV Tavrisk 1.10" \
    -D "CPACK_PACKAGE_EXECUTABLES=QVFreeTavrisk;QV Tavrisk" >>"$OUT/old.log"
wine "$old/stock/QVTavrisk-$OLD_VERSION-win64.exe" /S
test -e "$PROGRAMS/QV Tavrisk/QV Tavrisk.lnk"
wine "$SETUP" /S
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
[ "$(entries)" = 1 ]
refute test -e "$PROGRAMS/QV Tavrisk"
wine "$DIR/Uninstall.exe" /S
# The uninstaller goes on in a copy of itself: done once its entry is gone too.
wait_until 60 refute test -e "$DIR"
wait_until 60 test "$(entries)" = 0
refute wine reg query 'HKLM\Software\Quorvane Softwares'

step "a 1.10 install whose folder was deleted is put back under one entry"
wine "$old/stock/QVTavrisk-$OLD_VERSION-win64.exe" /S
rm -rf "$DIR"
wine "$SETUP" /S
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
[ "$(entries)" = 1 ]
refute wine reg query 'HKLM\Software\Quorvane Softwares'
wine "$DIR/Uninstall.exe" /S
wait_until 60 refute test -e "$DIR"
wait_until 60 test "$(entries)" = 0

step "an install in a folder of the user's own is updated there"
wine "$OLD_SETUP" /S '/D=C:\Games\Tavrisk' # /D takes no quotes, so no space
CUSTOM="$WINEPREFIX/drive_c/Games/Tavrisk"
test -e "$CUSTOM/QVFreeTavrisk.exe"
wine "$SETUP" /S
[ "$(file_version "$CUSTOM/QVFreeTavrisk.exe")" = "$VERSION" ]
refute test -e "$DIR"
[ "$(entries)" = 1 ]
wine "$CUSTOM/Uninstall.exe" /S
wait_until 60 refute test -e "$CUSTOM"
wait_until 60 test "$(entries)" = 0

step "installed silently and running, with a reminder date stored"
wine "$OLD_SETUP" /S
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$OLD_VERSION" ]
for file in QVFreeTavrisk.exe Uninstall.exe Qt6Core.dll platforms/qwindows.dll; do signed "$DIR/$file"; done
start_shortcut "$PROGRAMS/QV Tavrisk.lnk"
wait_until 20 test -n "$(stored_duration)"
stored=$(stored_duration)

step "the new version installs silently over the running copy, which it ends"
wine "$SETUP" /S
wait_until 20 refute shown 530
refute running
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
[ "$(entries)" = 1 ]
[ "$(entry DisplayVersion)" = "REG_SZ $VERSION" ]
[ "$(stored_duration)" = "$stored" ]

step "the installed files: the program, its DLLs stripped, the licences and README"
expected="LICENSE.txt Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll QVFreeTavrisk.exe README.txt THIRD-PARTY-NOTICES.txt Uninstall.exe libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll"
for language in de fr es pt_BR ru ja ar; do expected+=" translations/qtbase_$language.qm"; done
[ "$(cd "$DIR" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | xargs)" = \
    "$(printf '%s\n' $expected | LC_ALL=C sort | xargs)" ]
for dll in "$DIR"/*.dll "$DIR"/platforms/*.dll; do
    refute grep -q '\.debug_' <(x86_64-w64-mingw32-objdump -h "$dll")
done
# Text for Windows: CRLF throughout; the bundled libraries' licences named.
for text in LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt; do
    [ "$(grep -c $'\r$' "$DIR/$text")" = "$(wc -l <"$DIR/$text")" ]
done
for notice in "GNU LESSER GENERAL PUBLIC LICENSE" "Version 3, 29 June 2007" "GCC RUNTIME LIBRARY EXCEPTION" \
    "libwinpthread-1.dll" "Lockless Inc." "https://download.qt.io/archive/qt/6.4/6.4.2/submodules/"; do
    grep -qF "$notice" "$DIR/THIRD-PARTY-NOTICES.txt"
done
size=$(du -sk "$DIR" | cut -f1)
echo "installed: $size KiB"
[ "$size" -lt 45000 ]

step "the Add/Remove entry is complete, with DWORDs where Windows has them"
[ "$(entry DisplayName)" = "REG_SZ QV Tavrisk" ]
[ "$(entry Publisher)" = "REG_SZ Quorvane Softwares" ]
[ "$(entry InstallLocation)" = 'REG_SZ C:\Program Files\QV Tavrisk' ]
[ "$(entry DisplayIcon)" = 'REG_SZ C:\Program Files\QV Tavrisk\QVFreeTavrisk.exe,0' ]
[ "$(entry HelpLink)" = "REG_SZ http://$SITE_HOST/qv-free-tavrisk/ssd.php?page=help" ]
[ "$(entry Contact)" = "REG_SZ support@quorvane.example" ]
for name in NoModify NoRepair DesktopShortcut; do [ "$(entry $name)" = "REG_DWORD 0x1" ]; done
estimated=$(entry EstimatedSize)
[[ $estimated == "REG_DWORD 0x"* ]]
estimated=$((${estimated#REG_DWORD }))
[ "$estimated" -gt $((size * 9 / 10)) ] && [ "$estimated" -le "$size" ]

step "the Start-menu entry and the desktop shortcut start the new program"
for link in "$PROGRAMS/QV Tavrisk.lnk" "$DESKTOP/QV Tavrisk.lnk"; do
    start_shortcut "$link"
    xdotool search --onlyvisible --name "^QV Tavrisk v$VERSION\$" >/dev/null
    exit_program
    # The shortcut's description, as Explorer's tooltip shows it.
    grep -qF "A personality test told as a desert story" <(strings -el "$link")
done

step "a file in use stops a silent update with code 2 and its name in the log"
cp "$DIR/QVFreeTavrisk.exe" "$DIR/Holder.exe"
WINEPATH="" wine "$DIR/Holder.exe" &
PIDS+=($!)
wait_until 60 shown 530
HOLDER='C:\Program Files\QV Tavrisk\Holder.exe'
setup_refuses "$HOLDER is in use: nothing was changed." "$SETUP" /S
# The uninstaller too (it goes on in a copy of itself: its word is awaited).
wine "$DIR/Uninstall.exe" /S
wait_until 60 logged "$HOLDER is in use: QV Tavrisk was not removed."
[ "$(entries)" = 1 ]
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
test -e "$DIR/Qt6Core.dll"

step "the wizard names the file in use: Retry asks again, Cancel changes nothing"
wine "$SETUP" &
SETUP_PID=$!
PIDS+=($SETUP_PID)
wait_until 60 setup_windows 1
next_page 3
wizard=$(setup_ids)
press_install
wait_until 20 box_after "$wizard"
question=$(box_after "$wizard")
shows -x "  $HOLDER is in use by another program. Please close that program, then click Retry."
focus_box "$question"
keys Return # Retry, with the file still held
wait_until 20 box_after "$wizard" "$question"
question=$(box_after "$wizard" "$question")
focus_box "$question"
keys Escape # Cancel
wait_until 20 box_after "$wizard" "$question"
failure=$(box_after "$wizard" "$question")
shows -x "  $HOLDER is in use: nothing was changed."
focus_box "$failure"
keys Return
wait_until 20 setup_windows 1
keys Escape
expect_exit "$SETUP_PID" 2 30
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
test -e "$DIR/Qt6Core.dll"
wine taskkill /F /IM Holder.exe >/dev/null 2>&1
wait_until 20 refute shown 530
rm -f "$DIR/Holder.exe"

step "the silent removal of a running copy ends it and leaves nothing"
start_shortcut "$PROGRAMS/QV Tavrisk.lnk"
wine "$DIR/Uninstall.exe" /S
wait_until 60 refute test -e "$DIR"
refute running
refute test -e "$PROGRAMS/QV Tavrisk.lnk"
refute test -e "$DESKTOP/QV Tavrisk.lnk"
[ "$(entries)" = 0 ]
refute wine reg query 'HKLM\Software\Quorvane Softwares'
[ "$(stored_duration)" = "$stored" ]

step "the wizard by keyboard, the desktop shortcut declined; Finish runs the program"
wine "$SETUP" &
PIDS+=($!)
wait_until 60 setup_windows 1
next_page 2
keys space # the only component, Desktop shortcut, unticked
next_page 2
wait_until 120 test -e "$DIR/Uninstall.exe"
# The details stay until Next; the last page offers the libraries' licences.
# Wine's desktop takes the focus as the shortcut appears on it: a click on
# the wizard's title bar brings it back, as it would for a user.
wait_until 60 shows -x "  Completed"
w=$(xdotool search --onlyvisible --name '^QV Tavrisk Setup' | head -1)
xdotool mousemove --window "$w" 60 8 click 1
next_page 1
# Alt+L ticks the notices' box; Finish then opens them in the program .txt
# files open with, and runs the program.
keys alt+l Return
wait_until 30 shows -x "THIRD-PARTY-NOTICES.txt - Notepad"
wine taskkill /F /IM notepad.exe >/dev/null 2>&1
wait_until 60 shown 530
wait_until 20 setup_windows 0
running
refute test -e "$DESKTOP/QV Tavrisk.lnk"
[ "$(entry DesktopShortcut)" = "REG_DWORD 0x0" ]

step "the wizard over a running copy asks to close it; Cancel changes nothing and fails"
wine "$SETUP" &
SETUP_PID=$!
PIDS+=($SETUP_PID)
wait_until 60 setup_windows 1
shows "QV Tavrisk $VERSION is already installed in C:\Program Files\QV Tavrisk. Install repairs it"
# One setup at a time: a second one says so and ends.
setup_refuses "Another QV Tavrisk setup is running." "$SETUP" /S
next_page 3
wizard=$(setup_ids)
press_install
wait_until 20 box_after "$wizard" # the question, above the wizard
question=$(box_after "$wizard")
focus_box "$question"
keys Escape
wait_until 20 box_after "$wizard" "$question" # what went wrong
failure=$(box_after "$wizard" "$question")
focus_box "$failure"
keys Return
wait_until 20 setup_windows 1
keys Escape # the wizard, stopped, can only be closed
expect_exit "$SETUP_PID" 2 30
running
test -e "$DIR/Uninstall.exe"
[ "$(entries)" = 1 ]
exit_program

step "an older version is refused silently, asked for in the wizard, and put in by /DOWNGRADE"
setup_refuses "QV Tavrisk $VERSION is installed, newer than this setup's $OLD_VERSION: nothing was changed." "$OLD_SETUP" /S
wine "$OLD_SETUP" &
SETUP_PID=$!
PIDS+=($SETUP_PID)
wait_until 60 setup_windows 1
shows -x "  QV Tavrisk $VERSION is installed, newer than this setup's $OLD_VERSION. Replace it with the older version?"
focus_box "$(setup_ids)"
keys Return # No, the default
expect_exit "$SETUP_PID" 1 30
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
wine "$OLD_SETUP" /S /DOWNGRADE
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$OLD_VERSION" ]
[ "$(entries)" = 1 ]
refute test -e "$DESKTOP/QV Tavrisk.lnk"

step "the program starts from the unpacked zip, which says what to run"
mkdir -p "$OUT/portable"
(cd "$OUT/portable" && unzip -q "$ZIP")
PORTABLE=$OUT/portable/QVTavrisk-$VERSION-win64
grep -q 'run QVFreeTavrisk.exe' "$PORTABLE/README.txt"
test -s "$PORTABLE/LICENSE.txt"
grep -qF "GCC RUNTIME LIBRARY EXCEPTION" "$PORTABLE/THIRD-PARTY-NOTICES.txt"
start_program "$PORTABLE"
wait_until 60 shown 530

step "a silent update leaves the zip's copy running and the shortcut declined"
wine "$SETUP" /S
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
shown 530
grep -qsF "$PORTABLE/QVFreeTavrisk.exe" /proc/[0-9]*/maps
refute test -e "$DESKTOP/QV Tavrisk.lnk"
[ "$(entry DesktopShortcut)" = "REG_DWORD 0x0" ]

step "an install whose folder was deleted is put back, under the one entry"
rm -rf "$DIR"
wine "$SETUP" &
SETUP_PID=$!
PIDS+=($SETUP_PID)
wait_until 60 setup_windows 1
shows "but its files are missing. Install puts QV Tavrisk $VERSION there afresh."
wizard=$(setup_ids)
keys Escape
wait_until 20 box_after "$wizard" # are you sure?
focus_box "$(box_after "$wizard")"
keys Return
wait_until 20 setup_windows 0
wine "$SETUP" /S
logged "The files of QV Tavrisk $VERSION are gone from C:\Program Files\QV Tavrisk"
[ "$(file_version "$DIR/QVFreeTavrisk.exe")" = "$VERSION" ]
test -e "$DIR/Uninstall.exe"
[ "$(entries)" = 1 ]

step "in each language's session the program, Qt's texts and the setup speak it"
exit_program
# Wine takes the session's language from the C library's locale, made here.
export LOCPATH=$OUT/locales
mkdir -p "$LOCPATH" "$OUT/screenshots"
# A Japanese Windows has a Japanese font in its Fonts folder.
cp /usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
while read -r locale welcome; do
    language=${locale%_*}
    [ "$locale" != pt_BR ] || language=pt_BR
    localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8"
    : >"$OUT/app.log"
    LANG=$locale.UTF-8 start_program "$DIR"
    wait_until 60 shown 530
    # (Wine's debug channel keeps the quotes escaped.)
    wait_until 20 grep -q "language .*$language.* Qt's texts .*$language" <(program_log)
    wait_until 20 painted
    import -window root "$OUT/screenshots/program-$language.png"
    end_all_copies
    LANG=$locale.UTF-8 wine "$SETUP" &
    PIDS+=($!)
    wait_until 60 shows "$welcome"
    import -window root "$OUT/screenshots/setup-$language.png"
    # Cancel, and Yes to "are you sure?", whatever their words.
    wizard=$(named_windows)
    focus_box "$wizard"
    keys Escape
    wait_until 20 test "$(named_windows)" != "$wizard"
    focus_box "$(named_windows | tr ' ' '\n' | grep -vx "$wizard")"
    keys Return
    wait_until 20 refute shows "$welcome"
done <<'LIST'
de_DE ein Persönlichkeitstest, erzählt als Wüstengeschichte
fr_FR un test de personnalité raconté comme une histoire
es_ES un test de personalidad contado como una historia
pt_BR um teste de personalidade contado como uma história
ru_RU тест личности в виде истории о пустыне
ja_JP 砂漠の物語で語られる性格テスト
ar_EG اختبار للشخصية في صورة حكاية صحراوية
LIST
