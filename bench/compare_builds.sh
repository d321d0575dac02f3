#!/bin/bash
# Compares the processor share of several builds of the program, run by turns
# with run_program_bench.sh, and prints each build's median per phase.
# Usage: compare_builds.sh ROUNDS SECONDS_PER_PHASE BUILD_DIR...
#
# On a shared or virtual machine one run can cost twice another of the same
# build, as the host's load comes and goes; builds run by turns meet the same
# load, and their medians compare where single runs do not.
set -u
rounds=${1:?rounds}; secs=${2:?seconds per phase}; shift 2
[ $# -ge 1 ] || { echo "usage: $0 ROUNDS SECONDS BUILD_DIR..." >&2; exit 2; }
here=$(dirname "$(readlink -f "$0")")
results=$(mktemp); trap 'rm -f "$results"' EXIT
for round in $(seq "$rounds"); do
  for build in "$@"; do
    # "drifting 5.23 s CPU 1.37 % ..." -> the phase and its share.
    bash "$here/run_program_bench.sh" "$build" "$secs" 2>/dev/null |
      awk -v b="$build" '/^(drifting|pile|deal) /{ print b, $1, $5 }' >> "$results"
    echo "round $round: $build" >&2
  done
done
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
printf '%-40s %10s %10s %10s   (%% of one core, medians of %s runs)\n' build drifting pile deal "$rounds"
for build in "$@"; do
  row=$(printf '%-40s' "$build")
  for phase in drifting pile deal; do
    row+=$(printf ' %10s' "$(awk -v b="$build" -v p="$phase" '$1 == b && $2 == p { print $3 }' "$results" | median)")
  done
  echo "$row"
done
