# Classic SDL 1.2.15 with Debian's patches, from Debian's own source package
# libsdl1.2 (Debian 12's where the machine's release has none), built once
# into a folder and reused after that: for Windows (the zip) and for Linux
# (the tests' second SDL), and kept for the machine (classic_sdl_kept). The
# source package is fetched once into build-sdl-source/. Sourced.
#
#   build_classic_sdl HOST PREFIX [CONFIGURE-OPTIONS...]
#
# With build_nice set, the build runs at that niceness.
# PREFIX/version, written last, names the source package's version.

classic_sdl_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# apt's sources as source entries, in a private apt state under $1: the
# machine's own configuration stays as it is, and no root is needed.
private_source_entries() {
    local dir=$1 file
    mkdir -p "$dir/sources.list.d" "$dir/lists/partial" "$dir/cache/archives/partial"
    : > "$dir/sources.list.d/deb-src.sources"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -r "$file" ] || continue
        # deb822 stanzas: each one that carries binary packages, as a source one.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
            /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ {
                sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file" \
            >> "$dir/sources.list.d/deb-src.sources"
    done
    : > "$dir/sources.list"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -r "$file" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >> "$dir/sources.list"
    done
}

# The source package's files, fetched once: from the machine's own release,
# or, where that has only the compatibility layer (Debian 13 on), by name from
# Debian 12's on the same mirrors.
fetch_sdl_source() {
    local cache=$classic_sdl_root/build-sdl-source
    local apt=$cache/apt options release
    if [ -f "$cache/fetched" ]; then
        return 0
    fi
    rm -rf "$cache"
    mkdir -p "$cache/files"
    private_source_entries "$apt"
    options=(-o "Dir::Etc::SourceList=$apt/sources.list"
        -o "Dir::Etc::SourceParts=$apt/sources.list.d"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
        -o "APT::Sandbox::User=$(id -un)" -o Debug::NoLocking=1)
    release=$(. /etc/os-release 2> /dev/null && echo "${VERSION_CODENAME:-}")
    if apt-get "${options[@]}" -qq update && [ -n "$release" ] && [ "$release" != bookworm ] &&
        [ -z "$(apt-cache "${options[@]}" showsrc libsdl1.2 2> /dev/null)" ]; then
        sed -i "s/\b$release\b/bookworm/g" "$apt/sources.list" "$apt/sources.list.d/deb-src.sources"
    fi
    if ! apt-get "${options[@]}" -qq update ||
        ! (cd "$cache/files" && apt-get "${options[@]}" -qq --download-only source libsdl1.2 \
            > ../fetch.log 2>&1); then
        echo "Could not fetch Debian's source package libsdl1.2." >&2
        echo "It comes through apt's source entries, derived from /etc/apt's 'deb' ones;" >&2
        echo "check that apt-get update works and that dpkg-dev is installed." >&2
        return 1
    fi
    touch "$cache/fetched"
}

# Built SDLs kept for the machine, like its installed packages, by host and
# options: a fresh clone takes a copy instead of building it again.
classic_sdl_kept() {
    local cache
    if [ "$(id -u)" -eq 0 ]; then cache=/var/cache/kronvale; else cache=${XDG_CACHE_HOME:-$HOME/.cache}/kronvale; fi
    echo "${KRONVALE_CACHE_DIR:-$cache}/sdl/$1-$(echo "$*" | cksum | cut -d' ' -f1)"
}

build_classic_sdl() {
    local host=$1 prefix=$2 kept
    shift 2
    if [ -s "$prefix/version" ]; then
        return 0
    fi
    kept=$(classic_sdl_kept "$host" "$@")
    if [ -s "$kept/version" ]; then
        rm -rf "$prefix"
        mkdir -p "$prefix"
        cp -a "$kept/." "$prefix/"
        return 0
    fi
    # Two builds may ask at once: one fetches, the other waits for it.
    (
        flock 9
        fetch_sdl_source
    ) 9> "$classic_sdl_root/build-sdl-source.lock" || return 1
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
    # Kept whole or not at all.
    mkdir -p "$(dirname "$kept")"
    rm -rf "$kept.$$"
    mkdir -p "$kept.$$" && cp -a "$prefix/." "$kept.$$/" && mv -T "$kept.$$" "$kept" 2> /dev/null ||
        rm -rf "$kept.$$"
}
