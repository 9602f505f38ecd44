#!/usr/bin/env bash
# The Windows build as a Windows screen reader finds it, through UI
# Automation under Wine 10: every window's controls named and typed, groups
# named, only the offer in front, and one focus event per Tab, links
# included, in each window. UIA is our own client (uiaclient.cpp, in $CLIENT).
source "$(dirname "$0")/lib.sh"
: "${CLIENT:?the UI Automation client}"

# The client answers "tree" with the program's windows, and reports every
# focus change as it comes: those go to $OUT/focus, in order, as they are read.
start_client() {
    : >"$OUT/focus"
    coproc UIA { wine "$CLIENT" 2>>"$OUT/client.log"; }
    PIDS+=("$UIA_PID")
    client_line && [ "$LINE" = ready ]
}
# The client's next line other than a focus change, into $LINE.
client_line() {
    while IFS= read -r -t 30 LINE <&"${UIA[0]}"; do
        LINE=${LINE%$'\r'}
        [[ $LINE == focus\ * ]] || return 0
        echo "${LINE#focus }" >>"$OUT/focus"
    done
    return 1
}
# The program's windows, one element a line, into $OUT/tree.
tree() {
    echo tree >&"${UIA[1]}"
    : >"$OUT/tree"
    while client_line; do
        [ "$LINE" != end ] || return 0
        echo "$LINE" >>"$OUT/tree"
    done
    return 1
}
# The tree's elements without their indent.
elements() { sed 's/^ *//' "$OUT/tree"; }
# Lines of the tree, exactly (in any order).
tree_has() {
    local want
    for want in "$@"; do
        grep -qxF -- "$want" <(elements) || { echo "not in the tree: $want" >&2; return 1; }
    done
}
# Groups have names; what only lays out is a pane.
groups_named() { refute grep -qx 'Group ""' <(elements); }
# The focus changes heard after the first $1, leaving out the windows': Wine
# reports a window's own focus, after its control's, when it is activated.
focus_after() { tail -n +$(($1 + 1)) "$OUT/focus" | grep -v '^Window '; }
heard() { grep -c . "$OUT/focus" || true; }
# awaits_focus N: waits, up to 20 seconds, until the client has heard N focus changes.
awaits_focus() {
    echo "wait $1" >&"${UIA[1]}"
    client_line && [ "${LINE%% *}" = count ] && [ "${LINE#count }" -ge "$1" ]
}
# hear_until COMMAND...: focus changes are heard, one at a time, until the
# command succeeds; fails once 20 seconds pass without one.
hear_until() {
    until "$@"; do
        awaits_focus $(($(heard) + 1)) || return 1
    done
}
came_since() { focus_after "$SINCE" | grep -qxF -- "$1"; }
heard_after() { [ -n "$(focus_after "$1")" ]; }
# focus_comes NAME: the focus comes to that element, now or already, since
# the count $SINCE.
focus_comes() { hear_until came_since "$1" || { echo "the focus never came to: $1" >&2; return 1; }; }
# tabs_reach NAME...: one Tab a name, each answered by one focus change, for
# the element of that name (type and name, as the tree shows it).
tabs_reach() {
    local want before got
    for want in "$@"; do
        before=$(heard)
        keys Tab
        hear_until heard_after "$before" ||
            { echo "Tab: no focus change, wanted '$want'" >&2; return 1; }
        got=$(focus_after "$before")
        [ "$got" = "$want" ] || { echo "Tab: got '$got', wanted '$want'" >&2; return 1; }
    done
}

BANNER='Hyperlink "The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit quorvane.example Now" focusable'
TITLE='Hyperlink "QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!" focusable'
FULL_BRAND='Hyperlink "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details." focusable'
CO_BRAND='Hyperlink "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site'"'"'s name &  link here. See "Help" for details.    Click Here for more info on co-branding." focusable'

step "the client reads UI Automation, and the program starts"
start_program "$BUILD"
wait_until 60 shown 530
start_client

step "the question window: named controls, the Animals group, one offer"
tree
tree_has 'Window "QV Tavrisk v1.10" focusable' 'Group "Animals"' \
    'RadioButton "Monkey" focusable' 'RadioButton "Lion" focusable' 'RadioButton "Cow" focusable' \
    'RadioButton "Sheep" focusable' 'RadioButton "Horse" focusable' \
    'Button "Next" focusable' 'Button "Exit" focusable' "$BANNER" "$TITLE"
groups_named
# Of the two offers in one place, the one in front alone.
OFFER=$(grep -xF -e "$FULL_BRAND" -e "$CO_BRAND" <(elements))
[ "$(grep -c . <<<"$OFFER")" = 1 ]

step "Tab from Exit: the options, Next, then the links in reading order"
tabs_reach 'RadioButton "Monkey" focusable' 'Button "Next" focusable' "$BANNER" "$TITLE" "$OFFER" \
    'Button "Exit" focusable'

step "the result window: each list a group named by its heading, its lines in order"
SINCE=$(heard)
whole_test_by_keyboard
tree
tree_has 'Group "QV Tavrisk Result"' 'Group "Each Animal Represents the Following:"' \
    'Group "You chose the animals in the following order:"' \
    'Group "You value the different characteristics in the following order:"' \
    'Button "Back" focusable' 'Button "Exit" focusable' "$BANNER"
groups_named
grep -A5 -xF '      Group "You chose the animals in the following order:"' "$OUT/tree" | sed 1d |
    diff - <(printf '        Text "%s"\n' "1. Horse" "2. Cow" "3. Sheep" "4. Lion" "5. Monkey")

step "Tab from Back: Exit, then the links in reading order"
focus_comes 'Button "Back" focusable'
tabs_reach 'Button "Exit" focusable' "$BANNER" "$CO_BRAND" 'Button "Back" focusable'

step "the exit window: fields named by their labels, the panels by their titles"
# Each window's first focus is heard before the next window opens, so that
# the two Exit buttons' are not taken for each other.
SINCE=$(heard)
keys Return
wait_until 20 shown 530
focus_comes 'Button "Exit" focusable'
SINCE=$(heard)
keys Escape
wait_until 20 shown 747
tree
tree_has 'Group "Refer A Friend"' 'Group "Download Quorvane Softwares"' \
    'Edit "Your Name" focusable' 'Edit "Your Email Address" focusable' \
    'Edit "Friend'"'"'s Email Address" focusable' 'Edit "Friend'"'"'s Name" focusable' \
    'Button "Refer A Friend Now" focusable' 'Button "Exit" focusable' \
    'Image "QV Tavrisk v1.10" focusable' 'Hyperlink "Click Here To Visit Quorvane Softwares" focusable'
groups_named

step "Tab from Exit: the window's own stops, each field by its label, then the link"
focus_comes 'Button "Exit" focusable'
tabs_reach 'CheckBox "Click Here To Visit quorvane.example Now" focusable' 'Image "QV Tavrisk v1.10" focusable' \
    'Edit "Your Name" focusable' 'Button "Refer A Friend Now" focusable' \
    'Edit "Your Email Address" focusable' 'Edit "Friend'"'"'s Email Address" focusable' \
    'Edit "Friend'"'"'s Name" focusable' 'Edit "Your Message" focusable' \
    'Hyperlink "Click Here To Visit Quorvane Softwares" focusable' 'Button "Exit" focusable'
keys alt+x
expect_exit "$APP_PID" 0 30
