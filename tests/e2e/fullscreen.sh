#!/usr/bin/env bash
# Full-screen displays, and the message for a first word that is neither mode.
. "$(dirname "$0")/lib.sh"

# children_of PID: the command names of the process's children.
children_of() {
    local stat
    for stat in /proc/[0-9]*/stat; do
        awk -v parent="$1" '$4 == parent { gsub(/[()]/, "", $2); print $2 }' "$stat" 2> /dev/null
    done
}
start_xvfb

message="First parameter was not either lowercase 'fullscreen' or 'window' (no quotes), ignored."

# check_fullscreen ARGS: a full-screen 1024 by 768 display without a caption.
check_fullscreen() {
    local win
    # shellcheck disable=SC2086
    launch $1
    if win=$(find_window); then
        expect_eq "'$1' covers the 1024 by 768 screen" 1024x768+0+0 "$(geometry "$win")"
        expect_eq "'$1' sets no caption" "(has no name)" "$(window_name "$win")"
        shows_scene "'$1' shows the scene on white" 0 0 1024 768
    else
        fail "'$1' opens a display ($(stderr_text))"
    fi
    stop_program
    expect_eq "'$1' ends with status 0" 0 "$exit_status"
    expect_eq "'$1' writes nothing to standard error" "" "$(stderr_text)"
}

# The default; the other words and sizes that come to the same are the
# command line's, and the desktop's size asked for as 0 0 is the scaling's
# and the monitors' tests'.
check_fullscreen ""

# check_scaled_display WHAT: full-screen at 800 by 600 on the 1024 by 768
# screen: the picture fills the screen (the same shape, so no bars), with no
# caption, and the dot stands where the pointer is.
check_scaled_display() {
    local win
    if win=$(find_window); then
        expect_eq "$1: the display covers the screen" 1024x768+0+0 "$(geometry "$win")"
        expect_eq "$1: no caption" "(has no name)" "$(window_name "$win")"
        shows_scene "$1: the scene fills it, with no bars" 0 0 1024 768
        xdotool mousemove 700 500
        wait_more_frames 3
        measure 697 496 7 7
        if [ "$grey" -ge 9 ]; then
            ok "$1: the dot is at the pointer ($grey pixels)"
        else
            fail "$1: the dot is at the pointer: $grey grey pixels there"
        fi
    else
        fail "$1: a display opens ($(stderr_text))"
    fi
    stop_program
    expect_eq "$1: ends with status 0" 0 "$exit_status"
}

# With a dialog tool, the message waits for OK before any display opens.
launch Window 800 600
dialog=
if wait_until 30 eval 'dialog=$(xdotool search --onlyvisible --name "^Error$" 2> /dev/null | head -n 1); [ -n "$dialog" ]'; then
    ok "a dialog titled Error appears"
    # The program waits on the dialog, its child, and has opened nothing.
    expect_eq "no display opens while the dialog is up" "running, no window, no frame" \
        "$(running && echo running), $(xdotool search --onlyvisible --pid "$kronvale_pid" 2> /dev/null || echo no window), $([ "$(frames)" = 0 ] && echo no frame)"
    # The first of the desktop's dialog tools there is.
    tool=$(for tool in zenity kdialog xmessage; do command -v "$tool" > /dev/null && echo "$tool"; done)
    expect_eq "the dialog is the program's own child" "${tool%%$'\n'*}" "$(children_of "$kronvale_pid")"
    expect_eq "the message is one line on standard error already" "$message" "$(stderr_text)"
    focus "$dialog"
    xdotool key Return
    check_scaled_display "Window 800 600 after OK"
else
    fail "a dialog titled Error appears"
    stop_program
fi

finish
