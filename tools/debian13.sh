# A Debian 13 root beside the machine's own system, for the test command's
# debian13 pass: made with mmdebstrap from the archive the machine's apt
# sources name, kept between runs like installed packages, and made again
# when missing. Everything in it runs in a mount namespace of its own, so
# nothing it mounts reaches the machine. On a machine that is Debian 13, it
# is the machine itself. Needs root. Sourced.
#
#   debian13_root                 where it is (KRONVALE_DEBIAN13_ROOT, else
#                                 /var/cache/kronvale/debian13)
#   make_debian13_root            makes it, unless it is there, and keeps
#                                 its package lists fresh within a week
#   in_debian13 COMMAND...        runs the command in it, as root, in this
#                                 repository, which appears there at the same path
#
# With build_nice set, both run at that niceness.

debian13_repository=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

debian13_root() {
    echo "${KRONVALE_DEBIAN13_ROOT:-/var/cache/kronvale/debian13}"
}

# A machine that is Debian 13 itself needs no root: all runs on it.
debian13_here() {
    [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = trixie ]
}

# The first archive the machine's apt sources name for its own Debian release.
debian_mirror() {
    local release
    release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    {
        awk -v release="$release" 'BEGIN { RS = ""; FS = "\n" }
            /(^|\n)Types:[^\n]*deb([ \t]|\n|$)/ {
                uri = ""; suites = ""
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^URIs:/) uri = $i
                    if ($i ~ /^Suites:/) suites = $i
                }
                if (suites ~ "[ \t]" release "([ \t]|$)") { sub(/^URIs:[ \t]*/, "", uri); split(uri, u, /[ \t]+/); print u[1] }
            }' /etc/apt/sources.list.d/*.sources 2> /dev/null
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2> /dev/null |
            awk -v release="$release" '{ sub(/\[[^]]*\]/, "") } $1 == "deb" && $3 == release { print $2 }'
    } | head -n 1
}

make_debian13_root() {
    local root mirror
    root=$(debian13_root)
    ! debian13_here || return 0
    if [ -x "$root/usr/bin/apt-get" ]; then
        # Its package lists, which the tests install from, kept fresh within a week.
        [ -n "$(find "$root/var/lib/apt/updated" -mtime -7 2> /dev/null)" ] ||
            { in_debian13 apt-get update -qq && touch "$root/var/lib/apt/updated"; }
        return
    fi
    mirror=$(debian_mirror)
    if [ -z "$mirror" ]; then
        echo "debian13: no Debian archive found in the machine's apt sources" >&2
        return 1
    fi
    echo "== a Debian 13 root in $root, from $mirror (once)"
    rm -rf --one-file-system "$root.new"
    mkdir -p "$(dirname "$root")"
    # Everything the pass needs in it at once, arm64's beside amd64's, written
    # without syncing and without documentation: the root is the tests' alone.
    ${build_nice:+nice -n "$build_nice"} mmdebstrap --quiet --variant=apt --architectures=amd64,arm64 \
        --skip=cleanup/apt/lists \
        --dpkgopt=force-unsafe-io --dpkgopt='path-exclude=/usr/share/doc/*' \
        --dpkgopt='path-exclude=/usr/share/man/*' --dpkgopt='path-exclude=/usr/share/locale/*' \
        --include="ca-certificates,libsdl1.2-compat-dev,$("$debian13_repository/scripts/setup" --list debian13-root | tr ' ' ',')" \
        trixie "$root.new" "deb $mirror trixie main" "deb $mirror trixie-updates main" &&
        touch "$root.new/var/lib/apt/updated" && mv "$root.new" "$root"
}

in_debian13() {
    local root
    if debian13_here; then
        (cd "$debian13_repository" && "$@")
        return
    fi
    root=$(debian13_root)
    # The root made a mount point of its own, so that inside it a namespace
    # can be private too; the machine's name server; a fresh /tmp and /run.
    ${build_nice:+nice -n "$build_nice"} unshare --mount --propagation private -- bash -c '
        set -e
        root=$1 repository=$2
        shift 2
        mount --bind "$root" "$root"
        mount -t proc proc "$root/proc"
        mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
        mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
        mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
        mount -t tmpfs tmpfs "$root/run"
        mkdir -p "$root$repository"
        mount --bind "$repository" "$root$repository"
        # The machine'"'"'s arm64 emulator, a program of its own needing nothing of the root.
        touch "$root/usr/local/bin/qemu-aarch64-static"
        mount --bind "$(command -v qemu-aarch64-static)" "$root/usr/local/bin/qemu-aarch64-static"
        cp /etc/resolv.conf "$root/etc/resolv.conf"
        cd "$repository"
        exec chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            LANG=C.UTF-8 CI="${CI:-}" sh -c "cd \"\$0\" && exec \"\$@\"" "$repository" "$@"
    ' in_debian13 "$root" "$debian13_repository" "$@"
}

# debian13_tests BUILD ARM64-PACKAGE ARM64-PROBE, in the root: the tests
# labelled debian13 on a private X server; those labelled sdl3 again with SDL
# 3 under the compatibility layer, as Debian's next release, Fedora and Arch
# run every SDL 2 program; the amd64 package made here checked by lintian; and
# the arm64 package, built on Debian 12, installed and run under qemu.
debian13_tests() {
    local build=$1 package=$2 arm64_probe=$3 status=0 sdl3 amd64 lint
    . tools/xserver.sh
    export XDG_RUNTIME_DIR=/run/user/0
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    start_private_x 1024x768 || return 1
    ctest --test-dir "$build" --output-on-failure -j 2 --timeout 300 -L debian13 || status=1
    sdl3=$(dirname "$(ls /usr/lib/*/sdl2-compat/libSDL2-2.0.so.0 | head -n 1)")
    echo "== with SDL 3 under the compatibility layer ($sdl3)"
    LD_LIBRARY_PATH=$sdl3 ctest --test-dir "$build" --output-on-failure -j 2 --timeout 300 -L sdl3 ||
        status=1
    stop_private_x
    echo "== the amd64 package, made here, and lintian"
    if amd64=$(KRONVALE_BUILD_DIR=$build scripts/deb | tail -n 1) &&
        lint=$(lintian --tag-display-limit 0 "$amd64" 2>&1 | grep '^[EW]:'); then
        echo "FAIL - lintian on $(basename "$amd64"): $lint"
        status=1
    elif [ -n "$amd64" ]; then
        echo "ok - lintian reports neither errors nor warnings on $(basename "$amd64")"
    else
        status=1
    fi
    echo "== the arm64 package, as on Raspberry Pi OS"
    bash tests/e2e/arm64.sh "$package" "$build/tests" "$build/libkronvale_frame_probe.so" \
        "$arm64_probe" || status=1
    return $status
}
