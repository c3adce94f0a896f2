#!/usr/bin/env bash
# The arm64 package, for a Raspberry Pi: installed with apt beside the
# machine's own architecture, its dependencies resolved among arm64's, and
# its program run under qemu's user emulation with arm64 Mesa on a private X
# server: a window that draws the scene, the labels of a fixed time, and
# Escape ending it with status 0; then removed. Its arguments are the
# package, the test helpers' folder, the machine's frame probe and the arm64
# one, which qemu hands to the program.
. "$(dirname "$0")/lib.sh"
package=$(readlink -f "$KRONVALE")
arm64_probe=${4:?usage: $0 PACKAGE TEST-HELPERS-FOLDER FRAME-PROBE ARM64-FRAME-PROBE}
need qemu-aarch64-static dpkg-deb lintian
expect_eq "the package is for arm64" arm64 "$(dpkg-deb -f "$package" Architecture)"
if out=$(lintian --tag-display-limit 0 "$package" 2>&1 | grep '^[EW]:'); then
    fail "lintian reports neither errors nor warnings: $out"
else
    ok "lintian reports neither errors nor warnings"
fi

# Preloaded by qemu into the program, not into qemu itself: the machine's
# own libraries cannot be, and arm64's could not be into qemu.
arm64_faketime=/usr/lib/aarch64-linux-gnu/faketime/libfaketime.so.1
[ -f "$arm64_faketime" ] || fail "arm64's libfaketime is installed"
cat > "$work/kronvale-arm64" << EOF
#!/bin/sh
exec qemu-aarch64-static -L / -E LD_PRELOAD="$arm64_probe $arm64_faketime" /usr/bin/kronvale "\$@"
EOF
chmod +x "$work/kronvale-arm64"
# Emulated, the program takes longer to wind down.
exit_deadline=30

install_run_remove() {
    apt_get "apt-get install ./$(basename "$package"), its dependencies arm64's" install "$package" ||
        return
    expect_eq "installed for arm64" arm64 "$(dpkg-query -W -f='${Architecture}' kronvale)"

    start_xvfb
    KRONVALE=$work/kronvale-arm64
    # The clock stands still, so the labels are known.
    launch_env=(FAKETIME="2026-12-08 14:05:03")
    launch window 320 240
    if win=$(find_window); then
        expect_eq "under qemu, it opens 320 by 240" 320x240 "$(geometry "$win" | cut -d+ -f1)"
        read -r w h x y < <(geometry "$win" | tr 'x+' '  ')
        shows_scene "under qemu, it draws the scene" "$x" "$y" "$w" "$h"
        expect_eq "the labels of the time it is" "|14:05:03" "$(probe_label 9)"
        xdotool mousemove $((x + 10)) $((y + 10))
        quits_on_escape "under qemu" "$win"
    else
        fail "under qemu, it opens a window ($(stderr_text))"
    fi
    stop_private_x

    apt_get "and removed again" purge kronvale:arm64
}
with_packages_held install_run_remove

finish
