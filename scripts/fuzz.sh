#!/usr/bin/env bash
# Runs each fuzz target of build-asan for SECONDS seconds (a campaign one after
# the other, a smoke JOBS at a time, 2 unless set):
#   scripts/fuzz.sh [--smoke] SECONDS [TARGET...]
# A campaign keeps what it finds in build-asan/corpus/TARGET and starts from
# it next time; --smoke starts afresh from the seeds and keeps nothing.
# Seeds come from build-asan/seeds/TARGET and fuzz/regressions/TARGET,
# crashes go to build-asan/crashes/TARGET, the output to build-asan/logs/.
set -uo pipefail

smoke=0
if [ "${1:-}" = "--smoke" ]; then
  smoke=1
  shift
fi
seconds=${1:?usage: scripts/fuzz.sh [--smoke] SECONDS [TARGET...]}
shift
targets=("$@")
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-asan
# Every target the build made, so a new one is never left out.
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/fuzz/fuzz_*; do
    [ -x "$program" ] && targets+=("${program##*/fuzz_}")
  done
  if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz.sh: no fuzz target in $build/fuzz (make fuzz-build)" >&2
    exit 1
  fi
fi
mkdir -p "$build/logs"
jobs=${JOBS:-2}

# One target: its verdict goes to logs/TARGET.verdict, so targets can run
# side by side (a smoke runs JOBS at a time) and report in order.
fuzz_one() {
  local target=$1 corpus=$build/corpus/$1
  if [ $smoke -eq 1 ]; then
    corpus=$build/smoke/$target
    rm -rf "$corpus"
  fi
  local crashes=$build/crashes/$target log=$build/logs/$target.log
  local verdict=$build/logs/$target.verdict
  mkdir -p "$corpus" "$crashes"
  # Only the first folder receives new inputs; the others are read.
  local inputs=("$corpus") dir
  for dir in "$build/seeds/$target" "$root/fuzz/regressions/$target"; do
    [ -d "$dir" ] && inputs+=("$dir")
  done
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "${inputs[@]}" >"$log" 2>&1
  local status=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ $status -eq 0 ]; then
    echo "fuzz_$target: ${runs:-?} runs in ${seconds} s, no crash" >"$verdict"
  else
    { echo "FAILED fuzz_$target: FAILED after ${runs:-?} runs (exit $status); see $log and $crashes"
      grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$log" | head -5; } >"$verdict"
  fi
  [ $smoke -eq 1 ] && rm -rf "$corpus"
  return 0
}

parallel=1
[ $smoke -eq 1 ] && parallel=$jobs
for target in "${targets[@]}"; do
  rm -f "$build/logs/$target.verdict"
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n; done
  fuzz_one "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
  verdict=$build/logs/$target.verdict
  if [ -f "$verdict" ] && ! grep -q '^FAILED ' "$verdict"; then
    cat "$verdict"
  else
    [ -f "$verdict" ] && sed 's/^FAILED //' "$verdict" >&2 || echo "fuzz_$target: no verdict" >&2
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ]
