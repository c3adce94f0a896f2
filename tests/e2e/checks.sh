# Checks for the shell tests: each prints "ok - ..." or "FAIL - ...", a part
# passed over "skip - ..." with why, and finish ends the script with the
# count and a status to match: 1 if anything failed, else 77 (CTest's
# skipped) if anything was passed over, else 0. Sourced.

failures=0
checks=0
skips=0

ok() {
    checks=$((checks + 1))
    echo "ok - $*"
}

fail() {
    checks=$((checks + 1))
    failures=$((failures + 1))
    echo "FAIL - $*"
}

# check WHAT COMMAND...: the command succeeds.
check() {
    local what=$1
    shift
    if "$@"; then ok "$what"; else fail "$what"; fi
}

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() {
    if [ "$2" = "$3" ]; then
        ok "$1"
    else
        fail "$1: expected '$2', got '$3'"
    fi
}

# skip WHY: a part of the test passed over.
skip() {
    skips=$((skips + 1))
    echo "skip - $*"
}

finish() {
    echo "$((checks - failures)) passed, $failures failed, $skips skipped"
    [ "$failures" -eq 0 ] || exit 1
    [ "$skips" -eq 0 ] || exit 77
    exit 0
}
