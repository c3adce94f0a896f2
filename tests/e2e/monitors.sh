#!/usr/bin/env bash
# Two 1280 by 1024 monitors side by side: full-screen covers the primary one,
# at its size, and leaves the other as it was; SDL_VIDEO_FULLSCREEN_DISPLAY=1
# puts it on the other instead.
. "$(dirname "$0")/lib.sh"
start_monitors

# covers WHAT BAR ARGS...: full-screen on the monitor at x = $on, the
# picture between black bars of BAR rows, the other monitor untouched.
covers() {
    local what=$1 bar=$2 win other
    shift 2
    launch "$@"
    if win=$(find_window); then
        expect_eq "$what: the display covers that monitor" "1280x1024+$on+0" "$(geometry "$win")"
        shows_scene "$what: showing the scene" "$on" "$bar" 1280 $((1024 - 2 * bar))
        other=$((1280 - on))
        expect_eq "$what: the other monitor is left as it was" "$untouched" \
            "$(colours "$other" 0 1280 1024)"
    else
        fail "$what: a display opens ($(stderr_text))"
    fi
    stop_program
    expect_eq "$what: ends with status 0" 0 "$exit_status"
}

on=0
covers "full-screen" 0 fullscreen 0 0
covers "full-screen at the default size, letterboxed" 32 fullscreen
launch_env=(SDL_VIDEO_FULLSCREEN_DISPLAY=1)
on=1280
covers "SDL_VIDEO_FULLSCREEN_DISPLAY=1" 0 fullscreen 0 0
finish
