# A private X server (Xvfb) on a free display number, for the tests and the
# scripts that must neither need a desktop nor touch one. Sourced.
#
#   start_private_x [WIDTHxHEIGHT]   starts it (1024x768 by default) and exports DISPLAY
#   start_two_monitors               instead, Xorg with two 1280x1024 monitors side by
#                                    side, the left one primary (needs root and Xorg's
#                                    dummy driver)
#   stop_private_x                   stops it; it also dies with the shell that started it

private_x_pid=
private_x_dir=

start_private_x() {
    local size=${1:-1024x768}
    private_x_dir=$(mktemp -d "${TMPDIR:-/tmp}/kronvale-x.XXXXXX")
    # Bound to this shell's life, so that not even a killed test leaves a server
    # behind; and it must not reset when its last client leaves, or the next
    # start could find it gone.
    setpriv --pdeathsig KILL -- Xvfb -displayfd 9 -screen 0 "${size}x24" -nolisten tcp -noreset \
        9> "$private_x_dir/display" 2> "$private_x_dir/log" &
    private_x_pid=$!
    wait_for_private_x
}

start_two_monitors() {
    private_x_dir=$(mktemp -d "${TMPDIR:-/tmp}/kronvale-x.XXXXXX")
    # One virtual screen whose outputs the dummy driver makes up; the monitors
    # are two of them, given a mode and placed.
    cat > "$private_x_dir/xorg.conf" << 'CONFIG'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 4096 2048
    EndSubSection
EndSection
CONFIG
    setpriv --pdeathsig KILL -- Xorg -displayfd 9 -config "$private_x_dir/xorg.conf" -noreset \
        -nolisten tcp -logfile "$private_x_dir/xorg.log" 9> "$private_x_dir/display" \
        > "$private_x_dir/log" 2>&1 &
    private_x_pid=$!
    wait_for_private_x || return 1
    # Listed once at the end: Wine, for one, sees only the first monitor otherwise.
    xrandr --newmode kronvale1280 108.00 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync &&
        xrandr --addmode DUMMY0 kronvale1280 && xrandr --addmode DUMMY1 kronvale1280 &&
        xrandr --output DUMMY0 --mode kronvale1280 --pos 0x0 --primary \
            --output DUMMY1 --mode kronvale1280 --right-of DUMMY0 &&
        xrandr --listmonitors
}

wait_for_private_x() {
    local _
    for _ in $(seq 400); do
        if [ -s "$private_x_dir/display" ]; then
            export DISPLAY=":$(head -n 1 "$private_x_dir/display")"
            return 0
        fi
        kill -0 "$private_x_pid" 2> /dev/null || break
        sleep 0.05
    done
    echo "The X server did not start:" >&2
    cat "$private_x_dir/log" >&2
    return 1
}

stop_private_x() {
    if [ -n "$private_x_pid" ]; then
        kill -TERM "$private_x_pid" 2> /dev/null
        wait "$private_x_pid" 2> /dev/null
        private_x_pid=
    fi
    [ -z "$private_x_dir" ] || rm -rf "$private_x_dir"
    private_x_dir=
}
