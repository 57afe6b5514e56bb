#!/usr/bin/env bash
# Runs each fuzz target of build-asan for SECONDS seconds, one after the other:
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
if [ ${#targets[@]} -eq 0 ]; then
  targets=(race_file service_file cascades option_set template_fill data_check batch
           dice_list regenerate batch_asks)
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-asan
mkdir -p "$build/logs"
failed=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  if [ $smoke -eq 1 ]; then
    corpus=$build/smoke/$target
    rm -rf "$corpus"
  fi
  crashes=$build/crashes/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$crashes"
  # Only the first folder receives new inputs; the others are read.
  inputs=("$corpus")
  for dir in "$build/seeds/$target" "$root/fuzz/regressions/$target"; do
    [ -d "$dir" ] && inputs+=("$dir")
  done
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "${inputs[@]}" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ $status -eq 0 ]; then
    echo "fuzz_$target: ${runs:-?} runs in ${seconds} s, no crash"
  else
    echo "fuzz_$target: FAILED after ${runs:-?} runs (exit $status); see $log and $crashes" >&2
    grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$log" | head -5 >&2
    failed+=("$target")
  fi
  [ $smoke -eq 1 ] && rm -rf "$corpus"
done
[ ${#failed[@]} -eq 0 ]
