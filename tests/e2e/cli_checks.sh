# The checks the korvan7x-cli end-to-end scripts share; sourced after $cli is set.
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Runs the CLI and checks its exit status; stdout and stderr land in out.txt and err.txt.
expect_exit() {
    local want=$1; shift
    "$cli" "$@" >out.txt 2>err.txt
    local got=$?
    [ "$got" -eq "$want" ] || fail "korvan7x-cli $* exited $got, expected $want ($(head -c 300 err.txt))"
}
