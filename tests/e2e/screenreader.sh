#!/usr/bin/env bash
# What a blind user hears: Orca, as Debian ships it, runs against the real
# program in a session of its own, with what it speaks written to a file
# line by line. A whole test, the result, Back, the exit window's form with
# a refusal, links, and the end, by keyboard alone.
source "$(dirname "$0")/lib.sh"
SPEECH="$OUT/speech.txt"
: >"$SPEECH"

# speech-dispatcher's output module writes each utterance instead of playing
# it; ALSA gets its null device, as no sound card is needed.
speech_to_file() {
    local conf="$XDG_CONFIG_HOME/speech-dispatcher"
    mkdir -p "$conf/modules"
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
    cat >"$conf/speechd.conf" <<EOF
LogDir "$OUT"
AudioOutputMethod "alsa"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "en"
SymbolsPreproc "char"
SymbolsPreprocFile "orca.dic"
SymbolsPreprocFile "symbols.dic"
EOF
    cat >"$conf/modules/file.conf" <<EOF
GenericExecuteSynth "echo \\'\$DATA\\' >> $SPEECH"
AddVoice "en" "MALE1" "file"
DefaultVoice "file"
GenericLanguage "en" "english" "utf-8"
EOF
}

# hear TEXT...: each text spoken, in order, since what was last heard (20 s
# each). Reads the speech file as it grows, so nothing waits longer than the
# words take.
HEARD=0
hear() {
    local text n
    for text in "$@"; do
        coproc SPOKEN { exec timeout 20 tail -n +$((HEARD + 1)) -f "$SPEECH"; }
        # A command substitution does not get the coprocess's descriptors.
        exec 8<&"${SPOKEN[0]}"
        n=$(grep -n -m1 -F -- "$text" <&8 | cut -d: -f1) || true
        exec 8<&-
        kill "$SPOKEN_PID" 2>/dev/null || true
        wait "$SPOKEN_PID" 2>/dev/null || true
        if [ -z "$n" ]; then
            echo "not heard: \"$text\"; heard since:" >&2
            tail -n +$((HEARD + 1)) "$SPEECH" >&2
            return 1
        fi
        HEARD=$((HEARD + n))
    done
}

# The session: X, a window manager, a D-Bus of its own (Orca starts the
# accessibility bus on it), speech to the file.
stop_speech() {
    local pidfile="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
    [ ! -s "$pidfile" ] || kill "$(cat "$pidfile")" 2>/dev/null || true
}
trap 'rc=$?; set +e; stop_speech; (exit $rc); cleanup' EXIT
start_x
start_wm
speech_to_file
{
    read -r DBUS_SESSION_BUS_ADDRESS
    read -r bus_pid
} < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
PIDS+=("$bus_pid")

step "Orca starts and speaks"
# Orca refuses to start beside another of the same user, and ending that one
# is not the test's to do.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "an Orca of this user is running: close it to run this test" >&2
    exit 1
fi
orca --debug-file="$OUT/orca-debug.txt" >"$OUT/orca.log" 2>&1 &
PIDS+=($!)
hear "Screen reader on."

step "the question window opens on Exit"
start_app
hear "Exit push button"
wait_until 20 mapped questionWindow

step "Tab: the animals, Next, then the links in reading order"
keys Tab
hear "Animals panel." "Monkey." "selected radio button"
keys Tab
hear "Next push button"
keys Tab
hear "The Most Popular Online Quorvane Discussion Board" "Now link."
keys Tab
hear "QV Tavrisk is a fun game and tells you more" "have fun! link."
keys Tab
hear "link."
keys Tab
hear "Exit push button"

step "a link opened by Enter"
keys shift+Tab
hear "link"
keys Return
expect_opened "page="
expect_opened_count 1

step "after each Next, the option the user is on by its new name, then the question"
keys Tab Tab
hear "Monkey." "selected radio button"
keys alt+n # Monkey goes: the option the user is on now reads Lion
hear "Lion." "selected radio button" "Now you have four animals left with you."
keys alt+n
hear "Cow." "selected radio button" "You have three animals with you now."
keys Down
# Alt comes once Orca has spoken the arrow's news: pressed while it still
# spoke, Alt once opened the menu bar instead (CI, one run in three).
hear "Sheep."
keys alt+n
hear "Cow." "selected radio button" "You have two animals with you now."
keys alt+n
hear "Horse." "selected radio button"
gave_up 4
keys Tab
hear "Show Result push button"

step "the result window: each heading, then its lines"
# Given up: Monkey, Lion, Sheep, Cow; Horse kept. Orca reads a list's lines
# in one breath, top to bottom; the legend's five on one line of the file.
keys alt+r
hear "Each Animal Represents the Following"
hear "Your Offspring Lion"
for pair in "Dignity Cow" "Simple Wants Sheep" "Friendship Horse" "Obsession."; do
    sed -n "${HEARD}p" "$SPEECH" | grep -qF "$pair"
done
hear "You chose the animals in the following order" " Monkey 2." " Lion 3." " Sheep 4." " Cow 5." " Horse."
hear "You value the different characteristics in the following order" "Offspring 2." \
    "Dignity 3." "Friendship 4." "Wants 5." "Obsession."
hear "Back push button"

step "Back, then the exit window from the question window"
keys Return
hear "Exit push button"
wait_until 20 mapped questionWindow
keys Escape
wait_until 20 mapped exitWindow
hear "Exit push button"

step "the exit window's stops, each named"
keys Tab
hear "check box"
keys Tab
hear "QV Tavrisk v1 .10 image"
keys Tab
hear "Refer A Friend panel" "Your Name text"
xdotool type --delay 30 "Ann"
keys Tab
hear "Refer A Friend Now push button"
keys Tab
hear "Your Email Address text"

step "a refused space: the box is read, and the field again after it"
keys space
hear "Email Address Cannot Contain Space"
keys Return
hear "Your Email Address text"
xdotool type --delay 30 "ann@mail.example"
keys Tab
hear "Friend's Email Address text"
xdotool type --delay 30 "bob@mail.example"
keys Tab
hear "Friend's Name text"
xdotool type --delay 30 "Bob"
keys Tab
hear "Your Message"
keys Tab
hear "Download Quorvane Softwares panel" "Click Here To Visit Quorvane Softwares link"
keys Return
expect_opened "page=quorvanesoftwares"

step "the form sent from the keyboard"
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
hear "Refer A Friend Now push button"
keys space
expect_opened "page=qvqs-refer-a-friend&taf1=Ann&taf2=ann%40mail.example"

step "only the offer in front was ever read"
front=0
for offer in "brand this software for your site" "Home Business Opportunity"; do
    ! grep -qF "$offer" "$SPEECH" || front=$((front + 1))
done
[ "$front" = 1 ]

step "Exit ends the program"
keys shift+Tab shift+Tab shift+Tab shift+Tab
hear "Exit push button"
keys space
expect_exit "$APP_PID" 0
