#!/usr/bin/env bash
# Every C++ file of the project as the repository's .clang-format lays it out,
# by clang-format $VERSION alone: another version may lay out the same code
# otherwise, so it is never asked.
set -euo pipefail
: "${VERSION:?clang-format version}" "${ROOT:?source tree}"
if [ -z "${CLANG_FORMAT:-}" ] || [ "$CLANG_FORMAT" = CLANG_FORMAT-NOTFOUND ] ||
    ! "$CLANG_FORMAT" --version | grep -q "version $VERSION\."; then
    echo "clang-format-$VERSION not found: formatting is checked with clang-format $VERSION only (skipped)"
    exit 77
fi
"$CLANG_FORMAT" --version
cd "$ROOT"
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 "$CLANG_FORMAT" --dry-run -Werror
