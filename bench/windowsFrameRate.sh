#!/usr/bin/env bash
# Frames per second of kronvale.exe under Wine beside the Linux build, the
# same 640 by 480 window on the same private Xvfb, one after the other.
# Mesa, which both draw with, counts the frames (tests/windows/lib.sh); the
# programs are not changed. Prints the two rates. After make test:
#
#   bench/windowsFrameRate.sh build-windows/kronvale-windows-x86_64.zip build \
#       build-windows/build/tests/kronvale_windows_helper.exe
. "$(dirname "$0")/../tests/windows/lib.sh"

start_xvfb

# rate: the mean frame rate over two seconds, after the first second.
rate() {
    wait_until 30 eval '[ "$(wc -l 2> /dev/null < "$work/hud/fps" || echo 0)" -ge 30 ] || ended'
    awk 'NR > 10 && NR <= 30 { sum += $1; n++ } END { if (n == 20) printf "%.1f\n", sum / n }' \
        "$work/hud/fps" 2> /dev/null
}

launch_windows kronvale.exe window 640 480
wine_rate=$(rate)
stop_program

KRONVALE=$linux_build/kronvale
count_frames
launch window 640 480
linux_rate=$(rate)
stop_program

echo "frames per second, 640 by 480 window: Wine ${wine_rate:-none}, Linux ${linux_rate:-none}"
[ -n "$wine_rate" ] && [ -n "$linux_rate" ]
