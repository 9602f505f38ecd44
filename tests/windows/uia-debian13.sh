#!/usr/bin/env bash
# Inside the Debian 13 chroot (scripts/test uia): builds the UI Automation
# client with Debian 13's MinGW and runs uia.sh against the Windows build
# copied in as /work/with, under Wine 10.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
ensure_packages g++-mingw-w64-x86-64-posix wine64 xvfb xdotool x11-utils imagemagick
out=$ROOT/build-uia
mkdir -p "$out"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -static \
    -o "$out/uiaclient.exe" "$ROOT/tests/windows/uiaclient.cpp" -lole32 -loleaut32 -luuid
BUILD=/work/with CLIENT=$out/uiaclient.exe OUT=$out/test \
    bash "$ROOT/tests/windows/uia.sh"
