#!/usr/bin/env bash
# The SDL 1.2 compatibility layer's OpenGL scaling: off where it would show
# nothing (a window, full-screen at the desktop's size), kept where it
# letterboxes, and the user's own setting always wins. The frame probe tells
# which framebuffer the first frame was drawn into (0: straight to the display).
. "$(dirname "$0")/lib.sh"
start_xvfb

if ! sdl_is_compat; then
    echo "classic SDL 1.2 has no OpenGL scaling to switch"
    finish
fi

# scaled ARGS...: "scaled" or "direct", from the first frame drawn with those arguments.
scaled() {
    rm -f "$work/probe"
    launch_env=(KRONVALE_PROBE_FILE="$work/probe" LD_PRELOAD="$FRAME_PROBE${LD_PRELOAD:+ $LD_PRELOAD}" ${extra_env[@]+"${extra_env[@]}"})
    launch "$@"
    local n
    for n in $(seq 100); do
        [ "$(probe_value sdl)" -ge 2 ] 2> /dev/null && break
        sleep 0.05
    done
    kill -TERM "$kronvale_pid"
    wait_exit 2
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
expect_eq "a window draws straight to the display" direct "$(scaled window 800 600)"
expect_eq "full-screen at the desktop's size draws straight to it" direct "$(scaled fullscreen 1024 768)"
expect_eq "full-screen with the desktop's size asked for as 0 0 too" direct "$(scaled fullscreen 0 0)"
expect_eq "full-screen at another size keeps the scaling that letterboxes it" scaled \
    "$(scaled fullscreen 800 600)"
expect_eq "full-screen at the default size on this desktop" direct "$(scaled)"
extra_env=(SDL12COMPAT_OPENGL_SCALING=1)
expect_eq "the user's SDL12COMPAT_OPENGL_SCALING=1 stands in a window" scaled "$(scaled window 800 600)"
expect_eq "and full-screen" scaled "$(scaled fullscreen 1024 768)"
extra_env=(SDL12COMPAT_OPENGL_SCALING=0)
expect_eq "the user's SDL12COMPAT_OPENGL_SCALING=0 stands full-screen at another size" direct \
    "$(scaled fullscreen 800 600)"
finish
