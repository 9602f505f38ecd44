#!/usr/bin/env bash
# Start-up benchmark: the program beside a bare Qt window and a raw Xlib
# window of the same size, interleaved round by round in a private X server;
# then instruction counts under callgrind and 1,000 Show Result / Back trips.
# ROUNDS (default 20) and IDLE seconds (default 5) can be set in the environment.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
if [ -z "${B:-}" ]; then
    # Run again by the bench build's benchmark target, which names its folder.
    ensure_packages "${BUILD_PACKAGES[@]}" libx11-dev libxdamage-dev libxtst-dev xvfb valgrind
    cmake --workflow --preset bench >/dev/null
    exec cmake --build --preset bench --target benchmark
fi
ROUNDS=${ROUNDS:-20}
IDLE=${IDLE:-5}
OUT="$B/results"
rm -rf "$OUT" && mkdir -p "$OUT/run"
chmod 700 "$OUT/run"

exec 5>"$OUT/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$OUT/xvfb.log" 2>&1 &
XVFB=$!
trap 'kill $XVFB 2>/dev/null' EXIT
for _ in $(seq 100); do [ -s "$OUT/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$OUT/display")" XDG_RUNTIME_DIR="$OUT/run" LANG=C LC_ALL=C

# bare_qt_text also shows one line of text, so it loads fonts as any window with text must.
# qt_form is a plain Qt form with the program's controls: the one to beat.
APPS=(program qt_form bare_qt bare_qt_text bare_xlib)
declare -A CMD=([program]="$B/src/app/QVFreeTavrisk" [qt_form]="$B/bench/bench_qt_form"
    [bare_qt]="$B/bench/bench_bare_qt" [bare_qt_text]="$B/bench/bench_bare_qt text"
    [bare_xlib]="$B/bench/bench_bare_xlib")
# A radio button of the question window (Lion), relative to the window.
declare -A CLICK=([program]="--click 40,262" [qt_form]="" [bare_qt]="" [bare_qt_text]=""
    [bare_xlib]="")

echo "Rounds: $ROUNDS, idle: ${IDLE}s, $(nproc) cores, $(uname -m), $(date -u +%Y-%m-%d)"
for round in $(seq "$ROUNDS"); do
    # Each round starts with the next program, so none is always first after an idle pause.
    shift_by=$(((round - 1) % ${#APPS[@]}))
    for app in "${APPS[@]:shift_by}" "${APPS[@]:0:shift_by}"; do
        export XDG_CONFIG_HOME="$OUT/config-$app-$round"
        # shellcheck disable=SC2086
        "$B/bench/bench_measure" --idle "$IDLE" ${CLICK[$app]} -- ${CMD[$app]} >>"$OUT/$app.txt"
    done
    printf '.'
done
echo

summary() { # column name
    sort -n | awk -v name="$1" '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%-24s median %10.2f   range %10.2f .. %10.2f\n", name, m, v[1], v[NR] }'
}
col() { awk -v c="$2" '{ print $c }' "$OUT/$1.txt"; }
ratio() { paste <(col program "$1") <(col "$2" "$1") | awk '{ if ($2 > 0) print $1 / $2 }'; }
for app in "${APPS[@]}"; do
    echo "== $app"
    col "$app" 1 | summary "first paint (ms)"
    col "$app" 2 | summary "peak RSS (kB)"
    col "$app" 3 | summary "idle CPU (ticks/${IDLE}s)"
    col "$app" 4 | summary "idle ctx switches"
done
col program 5 | summary "program: click to last repaint (ms)"
for anchor in qt_form bare_qt bare_qt_text; do
    echo "== paired ratios, program / $anchor"
    ratio 1 "$anchor" | summary "first paint"
    ratio 2 "$anchor" | summary "peak RSS"
done

echo "== instructions until painted and quiet (callgrind)"
for app in "${APPS[@]}"; do
    export XDG_CONFIG_HOME="$OUT/config-$app-cg"
    # shellcheck disable=SC2086
    "$B/bench/bench_measure" --idle 0 -- valgrind --tool=callgrind \
        --callgrind-out-file="$OUT/callgrind.$app" ${CMD[$app]} >/dev/null 2>&1 || true
    printf '%-10s %15s\n' "$app" "$(sed -n 's/^summary: //p' "$OUT/callgrind.$app")"
done

# In another language the program also loads its translation and Qt's.
for locale in de_DE ja_JP ar_EG; do
    export XDG_CONFIG_HOME="$OUT/config-$locale-cg"
    env -u LC_ALL LANG="$locale.UTF-8" "$B/bench/bench_measure" --idle 0 -- valgrind --tool=callgrind \
        --callgrind-out-file="$OUT/callgrind.program-$locale" "${CMD[program]}" >/dev/null 2>&1 || true
    printf '%-10s %15s\n' "$locale" "$(sed -n 's/^summary: //p' "$OUT/callgrind.program-$locale")"
done

echo "== 1,000 Show Result / Back round trips in one process"
"$B/bench/bench_roundtrips"
