#!/usr/bin/env bash
# Every translation is whole: no text of the sources missing or unfinished in
# it, and none left over that the sources no longer have; and each language
# also names and describes the program in its desktop entry and metainfo.
set -euo pipefail
: "${LUPDATE:?}" "${SOURCE:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "$SOURCE"/translations/*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$LUPDATE" -silent -locations none "$SOURCE/src" -ts "$copy" >/dev/null
    if grep -n -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
        echo "$(basename "$ts"): the texts above are missing, unfinished or no longer used"
        failed=1
    fi
    language=$(basename "$ts" .ts)
    language=${language#tavrisk_}
    for needed in "GenericName[$language]=" "Comment[$language]="; do
        grep -qF "$needed" "$SOURCE"/assets/*.desktop.in || { echo "desktop entry lacks $needed"; failed=1; }
    done
    for needed in "<summary xml:lang=\"$language\">" "<p xml:lang=\"$language\">"; do
        grep -qF "$needed" "$SOURCE"/assets/*.metainfo.xml.in || { echo "metainfo lacks $needed"; failed=1; }
    done
done
exit "$failed"
