#!/usr/bin/env bash
# Sampled mutation testing: applies each change of scripts/mutants.txt alone,
# rebuilds the tests, runs them and reports whether they caught it.
#   scripts/mutants.sh [FILTER]     (only mutants whose line holds FILTER)
# Each line of the list is "file | original text | replacement | why it
# matters" (fields parted by a bar with a blank each side); the original
# must occur exactly once in the file. The tree is
# restored after every mutant, also when the script is stopped. It builds
# in build-mutants/ (-O1, a unity build as the presets make) and is not part of
# `make test`: a run over the whole list takes some ten minutes.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/scripts/mutants.txt
build=$root/build-mutants
filter=${1:-}
jobs=${JOBS:-2}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1" -DORRIMAR_WERROR=ON -DORRIMAR_UNITY_BUILD=ON >/dev/null || exit 2
cmake --build "$build" -j"$jobs" --target core_tests e2e_tests >/dev/null || {
  echo "mutants: the unchanged tree does not build" >&2
  exit 2
}

backup=""
target=""
restore() { [ -n "$backup" ] && cp "$backup" "$target" && rm -f "$backup"; backup=""; }
trap 'restore; exit 130' INT TERM

caught=0 missed=0 stillborn=0
missed_list=()
while IFS= read -r line; do
  case "$line" in '' | '#'*) continue ;; esac
  [ -n "$filter" ] && [[ "$line" != *"$filter"* ]] && continue
  # Fields are parted by " | ", so code's own "||" stays whole.
  field() { LINE="$line" N="$1" perl -e '@f = split / \| /, $ENV{LINE}; $_ = $f[$ENV{N}] // "";
    s/^\s+|\s+$//g; print'; }
  file=$(field 0); original=$(field 1); replacement=$(field 2); why=$(field 3)
  target=$root/$file
  if [ ! -f "$target" ]; then
    echo "?? $file: no such file" >&2
    continue
  fi
  count=$(grep -cF -- "$original" "$target")
  if [ "$count" != 1 ]; then
    echo "?? $file: \"$original\" occurs $count times; make it unique" >&2
    continue
  fi
  backup=$(mktemp)
  cp "$target" "$backup"
  ORIGINAL="$original" REPLACEMENT="$replacement" perl -0pi -e \
    's/\Q$ENV{ORIGINAL}\E/$ENV{REPLACEMENT}/' "$target"
  if ! cmake --build "$build" -j"$jobs" --target core_tests e2e_tests >/dev/null 2>&1; then
    verdict="stillborn (does not build)"
    stillborn=$((stillborn + 1))
  elif (cd "$root" && timeout 900 "$build/tests/core_tests" --gtest_fail_fast >/dev/null 2>&1 &&
          timeout 900 "$build/tests/e2e_tests" --gtest_fail_fast >/dev/null 2>&1); then
    verdict="MISSED"
    missed=$((missed + 1))
    missed_list+=("$file: $original -> $replacement ($why)")
  else
    verdict="caught"
    caught=$((caught + 1))
  fi
  restore
  printf '%-9s %s: %s -> %s\n' "$verdict" "$file" "$original" "$replacement"
done <"$list"
# Leave the build matching the tree again.
cmake --build "$build" -j"$jobs" --target core_tests e2e_tests >/dev/null 2>&1

total=$((caught + missed))
echo
echo "caught $caught of $total mutants$([ $total -gt 0 ] && echo " ($((100 * caught / total))%)")," \
  "$stillborn did not build"
for m in "${missed_list[@]}"; do echo "  missed: $m"; done
[ "$missed" -eq 0 ]
