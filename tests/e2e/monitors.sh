#!/usr/bin/env bash
# Two 1280 by 1024 monitors side by side: full-screen covers the primary one,
# at its size, and leaves the other as it was; SDL_VIDEO_FULLSCREEN_DISPLAY=1
# puts it on the other instead.
. "$(dirname "$0")/lib.sh"
start_monitors

# covers WHAT ARGS...: full-screen on the monitor at x = $on, the other untouched.
covers() {
    local what=$1 win other
    shift
    launch "$@"
    if win=$(find_window); then
        wait_frames 20
        expect_eq "$what: the display covers that monitor" "1280x1024+$on+0" "$(geometry "$win")"
        mostly_white "$what: showing the scene" "$on" 0 1280 1024
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
covers "full-screen" fullscreen 0 0
covers "full-screen at the default size" fullscreen
launch_env=(SDL_VIDEO_FULLSCREEN_DISPLAY=1)
on=1280
covers "SDL_VIDEO_FULLSCREEN_DISPLAY=1" fullscreen 0 0
finish
