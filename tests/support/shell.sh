# Shared by the shell tests (Linux end to end, Windows under Wine, install).

# Waits up to $1 seconds for the command to succeed.
wait_until() {
    local limit=$1
    shift
    local tries=$((limit * 10))
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# `! cmd` does not stop a script under set -e; this does.
refute() {
    if "$@"; then
        echo "unexpectedly true: $*" >&2
        return 1
    fi
}

# The settings store's scrambling, for seeding the file the way the program writes it.
scramble() {
    local s=$1 out="" i c
    for ((i = 0; i < ${#s}; i++)); do
        printf -v c '%d' "'${s:i:1}"
        printf -v c "\\$(printf '%03o' $((c + 7)))"
        out+=$c
    done
    printf '%s' "$out"
}
