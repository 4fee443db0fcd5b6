#!/usr/bin/env bash
# Instruction counts per iteration of the benchmarks named (full names, e.g.
# Picture/CControls/100), each run alone under callgrind with only its timed loop counted.
# Usage: bench/callgrind.sh [BENCH_BINARY] NAME...
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bench=$here/build/bin/quillboard-bench
if [[ $# -gt 0 && -x $1 ]]; then bench=$1; shift; fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf '%-36s %16s %12s\n' benchmark instructions per-iteration
for name in "$@"; do
  log=$out/log
  valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out/cg" \
    "$bench" --benchmark_filter="^${name}\$" --benchmark_min_time=0.001 >"$log" 2>/dev/null
  total=$(awk '/^(summary|totals):/ {print $2; exit}' "$out/cg")
  iterations=$(awk -F': ' '/^counted iterations:/ {print $2}' "$log")
  printf '%-36s %16s %12s\n' "$name" "$total" "$((total / iterations))"
done
