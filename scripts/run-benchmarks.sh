#!/usr/bin/env bash
# Runs every benchmark program; each prints `BENCH <name>: <figure> (goal: <goal>) met|missed` lines,
# gathered again at the end so the state of every goal reads at a glance.
set -uo pipefail
build_dir=${1:-build}
export QT_QPA_PLATFORM=offscreen
status=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
shopt -s nullglob
for bench in "$build_dir"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" 2>&1 | tee -a "$log" || status=1
done
echo
echo "== summary"
grep '^BENCH ' "$log" || echo "no benchmark printed a BENCH line"
exit $status
