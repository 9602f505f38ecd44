#!/usr/bin/env bash
# The Windows-only branches never compile on Linux, so they are checked here:
# every file of src/ compiled syntax-only by the MinGW-w64 cross-compiler
# against the Qt 6 headers. Qt's headers warn that dllimport is ignored on
# their inline functions; that warning alone is silenced.
set -euo pipefail
: "${CXX_WIN:?cross-compiler}" "${SRC:?source folder}"
: "${QT_INCLUDES:?Qt include folders, colon-separated}" "${DEFINES:?definitions, colon-separated}"
args=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -Wno-attributes "-I$SRC")
IFS=: read -ra dirs <<<"$QT_INCLUDES"
for d in "${dirs[@]}"; do
    # The host's own C headers and Linux mkspec are not the target's.
    case $d in /usr/include | */mkspecs/*) continue ;; esac
    args+=("-I$d")
done
IFS=: read -ra defs <<<"$DEFINES"
for d in "${defs[@]}"; do args+=("-D$d"); done
failed=0
while IFS= read -r -d '' file; do
    echo "${file#"$SRC"/}"
    "$CXX_WIN" "${args[@]}" "$file" || failed=1
done < <(find "$SRC" -name '*.cpp' -print0 | sort -z)
exit "$failed"
