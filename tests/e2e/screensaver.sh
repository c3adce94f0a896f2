#!/usr/bin/env bash
# kronvale-screensaver: Kronvale drawn inside a window it is given, at that
# window's size and nowhere else, by -window-id or XSCREENSAVER_WINDOW; ended
# with the launcher by SIGTERM; and a clear error for a window that does not
# exist. With a fourth argument "tour", instead the tour a screensaver makes
# when left alone, which is the same on either library and long to watch.
. "$(dirname "$0")/lib.sh"
part=${4:-window}
start_xvfb

LAUNCHER=$(dirname "$KRONVALE")/kronvale-screensaver
MAKE_WINDOW=$HELPERS/kronvale_make_window
for program in "$LAUNCHER" "$MAKE_WINDOW"; do
    [ -x "$program" ] || { echo "FAIL: $program is not built"; exit 1; }
done
# Everything below runs the launcher, which becomes Kronvale.
KRONVALE=$LAUNCHER

setpriv --pdeathsig KILL -- "$MAKE_WINDOW" 640 400 > "$work/window-id" &
maker=$!
launched+=("$maker")
wait_until 30 test -s "$work/window-id"
id=$(head -n 1 "$work/window-id")
[ -n "$id" ] || { echo "FAIL: no window to embed into"; exit 1; }

# Pixels outside the window that are not black (the bare X screen is), of
# one screenshot: all of the screen's but the window's.
outside_not_black() {
    local inside
    measure 100 100 640 400 && inside=$((pixels - black)) &&
        eval "$("$HELPERS/kronvale_pixel_stats" "$work/screen.ppm" 0 0 1024 768)" &&
        echo $((pixels - black - inside))
}

check_embedded() {
    local how=$1
    if ! running; then
        fail "$how: it keeps running ($(stderr_text))"
        return
    fi
    expect_eq "$how: the running program is Kronvale in a window of that size" \
        "kronvale window 640 400" "$(tr '\0' ' ' < "/proc/$kronvale_pid/cmdline" | sed 's/ $//')"
    shows_scene "$how: the scene fills the window" 100 100 640 400
    expect_eq "$how: nothing drawn outside the window" 0 "$(outside_not_black)"
    expect_eq "$how: the window keeps its size" 640x400 "$(geometry "$id" | cut -d+ -f1)"
}

# ends_on_sigterm WHAT: SIGTERM to the launcher ends Kronvale with status 0,
# and nothing is left running.
ends_on_sigterm() {
    stop_program
    expect_eq "$1: SIGTERM ends it with status 0" 0 "$exit_status"
    check "$1: nothing is left running" nothing_left
}

if [ "$part" = tour ]; then
    # Left alone, a screensaver tours the bundle. Far out, the eye swings
    # round it: pixels of the floor square turn white, or white ones cyan (the
    # labels swaying over it never do that, nor the label at the root while
    # the clock stands still). Within a minute it comes in until the labels
    # stand large and fill the picture with ink (more than a sixteenth of it:
    # one-pixel strokes never cover it; far out they ink a fiftieth), then
    # goes back out.
    use_faketime "2026-12-08 14:05:03"
    launch -window-id "$id"
    wait_frames 150
    measure 100 100 640 400
    floor=$((cyanright - cyanleft))
    wait_frames 400
    moved_since 100 100 640 400
    if [ "$moved" -gt 100 ]; then
        ok "far out, the eye swings round the bundle ($moved pixels of the floor moved)"
    else
        fail "far out, the eye swings round the bundle: $moved pixels of the floor moved"
    fi
    close() {
        measure 100 100 640 400 && [ "$nonwhite" -gt $((pixels / 16)) ]
    }
    if sees 120 20 close; then
        ok "within a minute it comes in close ($nonwhite of $pixels pixels ink)"
    else
        fail "within a minute it comes in close: ${nonwhite:-?} of ${pixels:-?} pixels ink"
    fi
    # Out again: the floor square whole, and as small as it was.
    far() {
        measure 100 100 640 400 && [ "$white" -gt $((pixels * 9 / 10)) ] && [ "$cyan" -gt 0 ] &&
            [ $((cyanright - cyanleft)) -lt $((floor * 13 / 10)) ]
    }
    if sees 60 20 far; then
        ok "then back out, mostly white ($white of $pixels pixels, the floor $((cyanright - cyanleft)) wide, $floor at first)"
    else
        fail "then back out, mostly white: ${white:-?} of ${pixels:-?} pixels, the floor $((cyanright - cyanleft)) wide, $floor at first"
    fi
    stop_program
    finish
fi

# The pointer nobody moved has no dot in the corner, where a window's shows
# in its first frames.
launch -window-id "$id"
wait_frames 20
measure 100 100 3 3
expect_eq "no dot in the corner" 0 "$grey"
check_embedded "-window-id"
# The screensaver's window grows (a settings dialog's preview, a monitor's
# new mode): the picture fills it, framed as if started at that size.
xdotool windowsize "$id" 800 600
shows_scene "-window-id: the window grown, the picture fills it" 100 100 800 600
expect_eq "-window-id: the window keeps the size its owner gave it" 800x600 "$(geometry "$id" | cut -d+ -f1)"
xdotool windowsize "$id" 520 340
shows_scene "-window-id: and shrunk again, still" 100 100 520 340
ends_on_sigterm "-window-id"

# With --root, the whole screen, once the window above is gone; Kronvale's
# options, as the settings dialog adds them, passed on.
kill "$maker"
wait "$maker" 2> /dev/null
launch --root --12-hour --night 22-7 --drift
wait_frames 2
expect_eq "--root: Kronvale at the root window's size, with its options" \
    "kronvale window 1024 768 --12-hour --night 22-7 --drift" \
    "$(tr '\0' ' ' < "/proc/$kronvale_pid/cmdline" | sed 's/ $//')"
shows_scene "--root: the scene covers the screen" 0 0 1024 768
stop_program

# Without any window: a window of Kronvale's own.
launch
if win=$(find_window); then
    expect_eq "without a window: Kronvale's own" '"Kronvale"' "$(window_name "$win")"
    expect_eq "at its own size" 1024x768 "$(geometry "$win" | cut -d+ -f1)"
else
    fail "without a window, Kronvale opens its own ($(stderr_text))"
fi
stop_program

# For an idle daemon: --fullscreen covers the screen at its size, touring
# with no dot; a shake of the pointer, wherever the library put it, leaves it
# be, and the pointer moving, a button or SIGTERM ends it with status 0.
xdotool mousemove 300 300
launch --fullscreen
if wait_until 30 eval '[ -n "$(covering 1024x768+0+0)" ] || ended' && running; then
    ok "--fullscreen: the whole screen"
    shows_scene "--fullscreen: the scene, with no dot" 0 0 1024 768
    xdotool mousemove_relative 2 1
    wait_more_frames 10
    check "--fullscreen: a shake of the pointer leaves it be" running
    xdotool mousemove_relative 200 100
    wait_exit
    expect_eq "--fullscreen: the pointer moving ends it with status 0" "0 " "$exit_status $(stderr_text)"
else
    fail "--fullscreen: the whole screen ($(stderr_text))"
fi
for way in button SIGTERM; do
    launch --fullscreen
    wait_until 30 eval '[ -n "$(covering 1024x768+0+0)" ] || ended'
    wait_frames 10
    if [ "$way" = button ]; then
        xdotool click 1
        wait_exit
    else
        stop_program
    fi
    expect_eq "--fullscreen: $way ends it with status 0" 0 "$exit_status"
done

# The other ways of naming the window, told apart by one that does not exist:
# XSCREENSAVER_WINDOW over --root, and an id in decimal.
launch_env=(XSCREENSAVER_WINDOW=0x7fffff0)
launch --root
wait_exit
expect_eq "XSCREENSAVER_WINDOW is the window, before the root" \
    "1 kronvale-screensaver: no such window: 0x7fffff0" "$exit_status $(stderr_text)"
launch_env=()
launch --window-id "$((0x7fffff0))"
wait_exit
expect_eq "an id in decimal" "1 kronvale-screensaver: no such window: 0x7fffff0" \
    "$exit_status $(stderr_text)"

launch --window-id 0x7fffff0
wait_exit
expect_eq "a window that does not exist: status 1" 1 "$exit_status"
expect_eq "with one clear line on standard error" \
    "kronvale-screensaver: no such window: 0x7fffff0" "$(stderr_text)"

launch -window-id not-a-window
wait_exit
expect_eq "an id that is no number: status 2" 2 "$exit_status"
expect_eq "with one line on standard error" "kronvale-screensaver: not a window id: not-a-window" \
    "$(stderr_text)"
launch --window-id
wait_exit
expect_eq "a window option without its id: status 2, one line" \
    "2 kronvale-screensaver: --window-id needs a window id" "$exit_status $(stderr_text)"

# Alone, with no kronvale beside it or on the PATH.
mkdir "$work/alone" && cp "$LAUNCHER" "$work/alone/" && KRONVALE=$work/alone/kronvale-screensaver
launch_env=(PATH=/nonexistent)
launch
wait_exit
expect_eq "kronvale cannot be run: status 127, one line" \
    "127 kronvale-screensaver: cannot run kronvale: No such file or directory" "$exit_status $(stderr_text)"

finish
