# The one way the commands configure and build: the project's own defaults
# (the program, its launcher and the tools the tests use, and the tests and
# benchmarks wherever GoogleTest and Google Benchmark are installed), so that
# no command changes what the next one builds; through ccache where it is
# installed. Sourced.
#
#   configure_build [FOLDER [CMAKE-OPTIONS...]]   build/ (KRONVALE_BUILD_DIR) by default
#   build_targets FOLDER [TARGET...]              all targets unless given
#   kronvale_version                              the version, as CMakeLists.txt gives it
#
# With build_nice set, both run at that niceness.

kronvale_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kronvale_build=${KRONVALE_BUILD_DIR:-$kronvale_root/build}
# ccache's key for a compile leaves out where the clone is.
export CCACHE_BASEDIR=$kronvale_root CCACHE_NOHASHDIR=1

configure_build() {
    local folder=${1:-$kronvale_build} launcher=()
    [ $# -eq 0 ] || shift
    mkdir -p "$folder"
    # Compiled once for the machine: a fresh clone, wherever it is, builds
    # what an earlier one did from ccache's.
    if command -v ccache > /dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    fi
    ${build_nice:+nice -n "$build_nice"} cmake -S "$kronvale_root" -B "$folder" \
        ${launcher[@]+"${launcher[@]}"} "$@" > "$folder/configure.log" 2>&1 ||
        { cat "$folder/configure.log" >&2; return 1; }
}

build_targets() {
    local folder=$1
    shift
    ${build_nice:+nice -n "$build_nice"} cmake --build "$folder" -j "$(nproc)" ${1:+--target "$@"}
}

kronvale_version() {
    sed -n 's/^project(Kronvale VERSION \([0-9.]*\).*/\1/p' "$kronvale_root/CMakeLists.txt"
}
