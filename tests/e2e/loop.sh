#!/usr/bin/env bash
# The main loop as the running program shows it: a 5 ms pause after every
# frame; the labels following the local clock, and the system's time zone
# as it changes, unless the user set TZ; and while the window is
# minimised, on another desktop or its monitor switched off, no frames and
# next to no CPU, drawing again once it is seen, though a window that is
# only covered keeps drawing.
. "$(dirname "$0")/lib.sh"

# system_zone ZONE: the system's time zone (/etc/localtime) becomes ZONE, as
# timedatectl set-timezone changes it, for the next launches and for those
# running: only in a mount namespace of the test's own, which the first call
# makes (it needs root), so that the machine's zone stays as it is.
system_zone() {
    if [ -z "${zone_holder:-}" ]; then
        setpriv --pdeathsig KILL -- unshare --mount --propagation private sleep infinity &
        zone_holder=$!
        launched+=("$zone_holder")
        wait_until 10 eval '[ "$(readlink /proc/$zone_holder/ns/mnt)" != "$(readlink /proc/self/ns/mnt)" ]' ||
            fail "a mount namespace of the test's own"
        launch_in=(nsenter --target "$zone_holder" --mount --)
    fi
    "${launch_in[@]}" mount --bind "/usr/share/zoneinfo/$1" "$(readlink -f /etc/localtime)"
}
start_xvfb

# The clock runs on from a set time; the frames tell how far the program got.
# The first frames show that time, or a second or two later where starting
# took that long.
use_faketime "@2026-12-07 14:05:03"
zones=
if [ "$(id -u)" -ne 0 ]; then
    skip "changing the time zone in a mount namespace of the test's own needs root"
elif ! unshare --mount --propagation private true 2> /dev/null; then
    skip "changing the time zone: this system's root is no mount point (a chroot), so no mount namespace can keep the change to itself"
else
    zones=yes
    system_zone Etc/UTC
fi
started=$SECONDS
launch window 320 240
if find_window > /dev/null; then
    first=$(probe_label 9)
    seconds=-1
    case $first in "|14:05:"[0-5][0-9]) seconds=$((10#${first##*:} - 3)) ;; esac
    if [ "$seconds" -ge 0 ] && [ "$seconds" -le $((SECONDS - started + 1)) ]; then
        ok "the first frames show the start time ($first, $((SECONDS - started)) s after the start)"
    else
        fail "the first frames show the start time: $first, $((SECONDS - started)) s after the start"
    fi
    # However fast the frames come, a second later the labels must have moved on.
    if wait_until 10 eval '[ "$(probe_label 9)" != "$first" ]'; then
        ok "the labels follow the clock ($first, then $(probe_label 9))"
    else
        fail "the labels follow the clock: still $first after $(frames) frames"
    fi
    if [ -n "$zones" ]; then
        system_zone Asia/Tokyo
        if wait_until 5 eval '[ "$(probe_label 9 | cut -c1-3)" = "|23" ]'; then
            ok "the system's zone changed to Tokyo, the labels show its time at once ($(probe_label 9))"
        else
            fail "the system's zone changed to Tokyo, the labels show its time at once: $(probe_label 9)"
        fi
    fi
    wait_frames 30
else
    fail "a window opens ($(stderr_text))"
fi
stop_program
# The pass in hand when the signal came is finished first, pause and all.
expect_eq "a 5 ms pause after every frame, no other pause" "$(frames) 0" \
    "$(probe_value pauses) $(probe_value delays)"
if [ -n "$zones" ]; then
    # The user's TZ stands, whatever the system's zone does.
    launch_env+=(TZ=UTC0)
    launch window 320 240
    if find_window > /dev/null; then
        system_zone America/New_York
        wait_more_frames 30
        expect_eq "TZ set, the system's zone plays no part" "|14:05" "$(probe_label 9 | cut -c1-6)"
    else
        fail "a window opens with TZ set ($(stderr_text))"
    fi
    stop_program
fi
launch_env=()
launch_preload=
launch_in=()

# Minimising takes a window manager. The monitor's power is a stand-in's.
start_window_manager

launch_preload=$HELPERS/libkronvale_dpms_stand_in.so
launch_env=(KRONVALE_DPMS_FILE="$work/dpms")
launch window 320 240
launch_env=()
start_yardstick window 200 200
if win=$(find_window) && wait_until 30 eval '[ "$(yardstick_frames)" -ge 2 ]'; then
    # Covered by another window, it goes on drawing.
    yardstick=$(xdotool search --onlyvisible --pid "$yardstick_pid" | head -n 1)
    read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
    xdotool windowsize "$yardstick" $((w + 40)) $((h + 40)) windowmove "$yardstick" $((x - 20)) $((y - 20)) \
        windowraise "$yardstick"
    check "covered by another window, it keeps drawing" wait_more_frames 30

    xdotool windowminimize --sync "$win"
    sleeps "minimised"

    xdotool windowactivate --sync "$win" 2> /dev/null || xdotool windowmap --sync "$win"
    check "restored, it draws again" wait_more_frames 10
    # Its monitor switched off by the server, it sleeps too.
    echo off > "$work/dpms"
    sleeps "the monitor switched off"
    echo on > "$work/dpms"
    check "switched on, it draws" wait_more_frames 10
    # On another desktop, where only the other program is, it sleeps too.
    wmctrl -i -r "$yardstick" -t 1
    wmctrl -s 1
    sleeps "on another desktop"
    wmctrl -s 0
    check "back on its desktop, it draws" wait_more_frames 10
    stop_program
    expect_eq "it still quits with status 0" 0 "$exit_status"
else
    fail "the windows open under a window manager ($(stderr_text))"
fi

finish
