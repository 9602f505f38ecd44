#!/usr/bin/env bash
# Runs a widget test as screen readers meet the program on Linux: on the X
# platform in an X server of its own, within a private D-Bus session whose
# accessibility bus is up before the test starts, so Qt's bridge is live.
#   OUT=folder atspi-session.sh COMMAND...
set -euo pipefail
: "${OUT:?folder for the test output}"
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/shell.sh"
source "$HERE/x11.sh"
rm -rf "$OUT" && mkdir -p "$OUT/home" "$OUT/run"
chmod 700 "$OUT/run"
export HOME="$OUT/home" XDG_CONFIG_HOME="$OUT/home/.config" XDG_RUNTIME_DIR="$OUT/run"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 TAVRISK_EXPECT_BRIDGE=1
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER
PIDS=()
trap 'kill_all "${PIDS[@]}"' EXIT
start_x
# Asking the bus for its address starts it; Qt only watches for it.
# shellcheck disable=SC2016
dbus-run-session -- bash -c '
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
    exec "$@"' _ "$@"
