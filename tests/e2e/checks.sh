# Checks for the shell tests: each prints "ok - ..." or "FAIL - ...", and
# finish ends the script with the count and a status to match. Sourced.

failures=0
checks=0

ok() {
    checks=$((checks + 1))
    echo "ok - $*"
}

fail() {
    checks=$((checks + 1))
    failures=$((failures + 1))
    echo "FAIL - $*"
}

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() {
    if [ "$2" = "$3" ]; then
        ok "$1"
    else
        fail "$1: expected '$2', got '$3'"
    fi
}

finish() {
    echo "$((checks - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
    exit
}
