#!/bin/sh
# Runs Qt tests of a build under Valgrind's memcheck: any memory error or
# definite leak fails. Usage: valgrind.sh <build folder> [test...]; every
# test of the build when none is named.
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v valgrind >/dev/null; then
    echo "SKIP: valgrind is not installed"
    exit 77
fi
status=0
# Valgrind runs the code some fifty times slower: Qt Test's watchdog would
# end a long case (the results window reads 100,000 lines) after 300 s.
export QTEST_FUNCTION_TIMEOUT=1800000
shift
tests=""
for name in "$@"; do tests="$tests $build/tests/$name"; done
[ -n "$tests" ] || tests=$(ls "$build"/tests/tst_*)
for test in $tests; do
    [ -f "$test" ] && [ -x "$test" ] || continue
    name=$(basename "$test")
    log=$build/valgrind-$name.log
    if QT_QPA_PLATFORM=offscreen valgrind --error-exitcode=1 --leak-check=full --child-silent-after-fork=yes \
        --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=40 \
        --suppressions="$here/valgrind.supp" --gen-suppressions=all \
        "$test" >"$log" 2>&1; then
        echo "PASS: $name ($(grep -c '^PASS' "$log") cases)"
    else
        echo "FAIL: $name, see $log"
        status=1
    fi
done
exit $status
