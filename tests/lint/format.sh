#!/usr/bin/env bash
# Every C++ file of the project as the repository's .clang-format lays it out.
set -euo pipefail
: "${CLANG_FORMAT:?clang-format}" "${ROOT:?source tree}"
cd "$ROOT"
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 "$CLANG_FORMAT" --dry-run -Werror
