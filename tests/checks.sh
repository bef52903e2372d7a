# Sourced by the test scripts: named checks that are counted, and a bounded wait.
passes=0 failures=0
check() {  # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then passes=$((passes + 1)); else echo "FAIL: $what" >&2; failures=$((failures + 1)); fi
}
wait_for() {  # seconds, command
    local end=$((SECONDS + $1))
    shift
    until "$@"; do ((SECONDS < end)) || return 1; sleep 0.1; done
}
