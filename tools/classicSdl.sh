# Classic SDL 1.2.15, as Debian 12 has it (Debian 13 has only the
# compatibility layer, so there it is Debian 12's, asked for by name on the
# same mirrors), in a folder of ours and kept for the machine, never
# installed: the system's SDL stays as it is. Sourced.
#
#   unpack_classic_sdl PREFIX                    Debian's own build for this machine,
#                                                its runtime and development packages
#   build_classic_sdl HOST PREFIX [CONFIGURE-OPTIONS...]
#                                                built from Debian's source package libsdl1.2
#                                                (for Windows), fetched once into build-sdl-source/
#
# With build_nice set, the build runs at that niceness. PREFIX/version,
# written last, names the package's version.

classic_sdl_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# apt's sources, binary and source entries alike, in a private apt state
# under $1: the machine's own configuration stays as it is, and no root is
# needed. Where the machine's release has no libsdl1.2, Debian 12's instead.
# Sets private_apt to apt's options for it.
private_apt_state() {
    local dir=$1 file release
    mkdir -p "$dir/sources.list.d" "$dir/lists/partial" "$dir/cache/archives/partial"
    rm -f "$dir/sources.list.d/"*
    : > "$dir/sources.list.d/private.sources"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -r "$file" ] || continue
        # deb822 stanzas: each one that carries binary packages, with its sources.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
            /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ {
                sub(/Types:[^\n]*/, "Types: deb deb-src"); print }' "$file" \
            >> "$dir/sources.list.d/private.sources"
    done
    : > "$dir/sources.list"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -r "$file" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/&/p; s/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" \
            >> "$dir/sources.list"
    done
    # Nothing installed counts, or the compatibility layer, which provides
    # the same names, would be the version asked for.
    : > "$dir/status"
    private_apt=(-o "Dir::Etc::SourceList=$dir/sources.list"
        -o "Dir::Etc::SourceParts=$dir/sources.list.d" -o "Dir::State::status=$dir/status"
        -o "Dir::State::Lists=$dir/lists" -o "Dir::Cache=$dir/cache"
        -o "APT::Sandbox::User=$(id -un)" -o Debug::NoLocking=1)
    release=$(. /etc/os-release 2> /dev/null && echo "${VERSION_CODENAME:-}")
    if apt-get "${private_apt[@]}" -qq update && [ -n "$release" ] && [ "$release" != bookworm ] &&
        [ -z "$(apt-cache "${private_apt[@]}" showsrc libsdl1.2 2> /dev/null)" ]; then
        sed -i "s/\b$release\b/bookworm/g" "$dir/sources.list" "$dir/sources.list.d/private.sources"
    fi
    apt-get "${private_apt[@]}" -qq update
}

# fetch_sdl PACKAGE-ARGUMENTS...: apt-get's files for them (source libsdl1.2,
# or download PACKAGES) in build-sdl-source/files, fetched once.
fetch_sdl() {
    local cache=$classic_sdl_root/build-sdl-source private_apt=()
    mkdir -p "$cache/files"
    # Two builds may ask at once: one fetches, the other waits for it.
    (
        flock 9
        [ -f "$cache/fetched-$*" ] && exit 0
        private_apt_state "$cache/apt" &&
            (cd "$cache/files" && apt-get "${private_apt[@]}" -qq --download-only "$@" \
                > ../fetch.log 2>&1) && touch "$cache/fetched-$*"
    ) 9> "$classic_sdl_root/build-sdl-source.lock" && return 0
    echo "Could not fetch Debian's $* through apt's entries, derived from /etc/apt's 'deb' ones;" >&2
    echo "check that apt-get update works and that dpkg-dev is installed." >&2
    return 1
}

# SDLs kept for the machine, like its installed packages, by host and
# options: a fresh clone takes a copy instead of making it again.
classic_sdl_kept() {
    local cache
    if [ "$(id -u)" -eq 0 ]; then cache=/var/cache/kronvale; else cache=${XDG_CACHE_HOME:-$HOME/.cache}/kronvale; fi
    echo "${KRONVALE_CACHE_DIR:-$cache}/sdl/$1-$(echo "$*" | cksum | cut -d' ' -f1)"
}

# take_kept KEPT PREFIX: the kept copy, if there is one, into PREFIX.
take_kept() {
    [ -s "$1/version" ] || return 1
    rm -rf "$2"
    mkdir -p "$2"
    cp -a "$1/." "$2/"
}

# keep PREFIX KEPT: PREFIX kept whole, or not at all.
keep() {
    mkdir -p "$(dirname "$2")"
    rm -rf "$2.$$"
    mkdir -p "$2.$$" && cp -a "$1/." "$2.$$/" && mv -T "$2.$$" "$2" 2> /dev/null || rm -rf "$2.$$"
}

unpack_classic_sdl() {
    local prefix=$1 kept multiarch deb
    [ ! -s "$prefix/version" ] || return 0
    kept=$(classic_sdl_kept "$(dpkg --print-architecture)" debian)
    take_kept "$kept" "$prefix" && return 0
    fetch_sdl download libsdl1.2debian libsdl1.2-dev || return 1
    echo "== classic SDL 1.2, Debian's own packages libsdl1.2debian and libsdl1.2-dev, unpacked (once)"
    rm -rf "$prefix"
    mkdir -p "$prefix"
    for deb in "$classic_sdl_root"/build-sdl-source/files/libsdl1.2*.deb; do
        dpkg-deb -x "$deb" "$prefix" || return 1
    done
    # Where a build looks for a library and its headers.
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
    ln -s "usr/lib/$multiarch" "$prefix/lib"
    ln -s usr/include "$prefix/include"
    cp "$prefix/usr/share/doc/libsdl1.2debian/copyright" "$prefix/COPYING"
    dpkg-deb -f "$(ls "$classic_sdl_root"/build-sdl-source/files/libsdl1.2debian_*.deb)" Version \
        > "$prefix/version"
    keep "$prefix" "$kept"
}

build_classic_sdl() {
    local host=$1 prefix=$2 kept
    shift 2
    [ ! -s "$prefix/version" ] || return 0
    kept=$(classic_sdl_kept "$host" "$@")
    take_kept "$kept" "$prefix" && return 0
    fetch_sdl source libsdl1.2 || return 1
    echo "== classic SDL 1.2 for $host, from Debian's source package libsdl1.2 (once)"
    local dsc work=$prefix-source
    dsc=$(ls "$classic_sdl_root"/build-sdl-source/files/libsdl1.2_*.dsc | head -n 1)
    rm -rf "$prefix" "$work"
    mkdir -p "$work"
    dpkg-source --no-check -x "$dsc" "$work/src" > "$work/unpack.log" 2>&1 ||
        { tail -n 30 "$work/unpack.log"; return 1; }
    (
        cd "$work/src"
        ${build_nice:+nice -n "$build_nice"} ./configure --host="$host" --prefix="$prefix" "$@" \
            > "$work/configure.log" 2>&1 || { tail -n 30 "$work/configure.log"; exit 1; }
        ${build_nice:+nice -n "$build_nice"} make -j"$(nproc)" > "$work/make.log" 2>&1 ||
            { tail -n 30 "$work/make.log"; exit 1; }
        make install > "$work/install.log" 2>&1 || { tail -n 30 "$work/install.log"; exit 1; }
    ) || return 1
    cp "$work/src/COPYING" "$prefix/COPYING"
    basename "$dsc" .dsc | sed 's/^libsdl1.2_//' > "$prefix/version"
    keep "$prefix" "$kept"
}
