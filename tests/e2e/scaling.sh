#!/usr/bin/env bash
# The SDL 1.2 compatibility layer's OpenGL scaling: off where it would show
# nothing (a window, full-screen at the desktop's size), kept where it
# letterboxes, and the user's own setting always wins. The frame probe tells
# which framebuffer the first frame was drawn into (0: straight to the
# display). Full-screen at another size, the picture is whole, centred and
# letterboxed, with a window manager or without, on either SDL.
. "$(dirname "$0")/lib.sh"
start_xvfb

# scaled ARGS...: "scaled" or "direct", from the first frame drawn with those arguments.
scaled() {
    launch_env=(${extra_env[@]+"${extra_env[@]}"})
    launch "$@"
    wait_frames 2
    stop_program
    if [ "$exit_status" != 0 ]; then
        echo "status $exit_status: $(stderr_text)"
    elif [ "$(probe_value written)" != 1 ]; then
        echo "no frame"
    elif [ "$(probe_value framebuffer)" = 0 ]; then
        echo direct
    else
        echo scaled
    fi
    launch_env=()
}

extra_env=()
# Classic SDL 1.2 has no scaling to switch: it always draws straight to the display.
if sdl_is_compat; then
    expect_eq "a window draws straight to the display" direct "$(scaled window 800 600)"
    expect_eq "full-screen at the desktop's size draws straight to it" direct "$(scaled fullscreen 1024 768)"
    expect_eq "full-screen with the desktop's size asked for as 0 0 too" direct "$(scaled fullscreen 0 0)"
    expect_eq "full-screen at another size keeps the scaling that letterboxes it" scaled \
        "$(scaled fullscreen 800 600)"
    extra_env=(SDL12COMPAT_OPENGL_SCALING=1)
    expect_eq "the user's SDL12COMPAT_OPENGL_SCALING=1 stands in a window" scaled \
        "$(scaled window 800 600)"
    expect_eq "and full-screen at the desktop's size" scaled "$(scaled fullscreen 1024 768)"
    extra_env=()
else
    expect_eq "classic SDL: full-screen at another size draws straight to the display" direct \
        "$(scaled fullscreen 800 600)"
fi

# letterboxed WHAT: full-screen at 1024 by 768 on a 1280 by 1024 screen: the
# window covers the screen, the picture keeps its shape between two bars of
# 32 rows, with the root of the bundle in the middle.
letterboxed() {
    launch fullscreen 1024 768
    if win=$(find_window); then
        expect_eq "$1: the display covers the screen" 1280x1024+0+0 "$(covering 1280x1024+0+0)"
        measure 0 0 1280 32
        expect_eq "$1: a black bar above" 40960 "$black"
        measure 0 992 1280 32
        expect_eq "$1: and one below" 40960 "$black"
        shows_scene "$1: the picture between them, the root on the middle column" 0 32 1280 960
        if awk -v y="$cyany" 'BEGIN { exit !(y > 512 && y < 700) }'; then
            ok "$1: the root a little below the middle ($cyany)"
        else
            fail "$1: the root a little below the middle: at $cyany"
        fi
    else
        fail "$1: a display opens ($(stderr_text))"
    fi
    stop_program
}

stop_private_x
start_xvfb 1280x1024
letterboxed "without a window manager"
start_window_manager
letterboxed "with a window manager"
finish
