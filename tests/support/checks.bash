# What the test scripts share: one PASS or FAIL line per check, counted for the closing
# "N passed, N failed" line.
passed=0
failed=0
check() {  # description, then a command that succeeds when the check holds
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1)); echo "PASS $what"
    else
        failed=$((failed + 1)); echo "FAIL $what"
    fi
}
