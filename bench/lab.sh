#!/bin/bash
# A lab's costs, side by side: a contest's end on a computer with no school
# folder, and on one with it while its share is healthy (a publication after
# every contest, as the path unit runs them) and while it is frozen (sshd
# stopped with SIGSTOP, a publication hanging on it); then the teacher's
# window reading a school year of 30 computers over the share (sshfs).
# Usage: lab.sh <lab's service> <its base folder> <siege.py> <bench_results>.
set -u
service=$1
base=$2
siege_py=$3
bench_results=$(realpath "$4")
# shellcheck source=../tests/school/lab-setup.sh
. "$(dirname "$0")/../tests/school/lab-setup.sh"

computer pc-01
computer pc-02 alone
median() { /usr/bin/python3 -c 'import statistics, sys; print(f"{statistics.median(float(t) for t in sys.argv[1:]):12.1f}")' "$@"; }
line() { printf '| %-44s | %s ms   |\n' "$1" "$2"; }

echo "A contest's end through the record service, 20 contests (median)"
echo "| measure                                      |            median |"
echo "|----------------------------------------------|-------------------|"
line "no school folder" "$(median $(play pc-02 1 20))"
(while :; do publish pc-01 30; sleep 0.2; done) &
publishing=$!
line "school folder, share healthy, publishing" "$(median $(play pc-01 1 20))"
kill "$publishing"
wait "$publishing" 2>/dev/null
kill -STOP $(server)
publish pc-01 120 &
hung=$!
line "school folder, share frozen" "$(median $(play pc-01 21 20))"
kill -CONT $(server)
wait "$hung"
echo

install -d -m 0755 "$export_dir/anno"
on pc-01 "$bench_results" --scuola "$base/scuola/anno" || fail "bench_results over the share"
