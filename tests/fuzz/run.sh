#!/bin/sh
# Runs each fuzz target for a bounded time (seconds, default 60), starting from
# the committed seeds. A crashing input is left in build/fuzz/findings/: keep
# it as a regression case in the tests.
set -eu
cd "$(dirname "$0")/../.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
mkdir -p build/fuzz/findings
status=0
for target in val format records service; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "== fuzz_$target for $seconds s"
    build/fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$target-" "$corpus" "tests/fuzz/seeds/$target" \
        2>&1 | grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|Done)" || status=1
done
ls build/fuzz/findings | grep . && status=1
exit $status
