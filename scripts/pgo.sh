#!/usr/bin/env bash
# A profile-guided -O3 build of the terminal program and the bench:
#   scripts/pgo.sh [BUILD_DIR]          (build-pgo by default)
# The program is built with counters, makes a batch of the sample data with
# and without pages to learn which paths a career takes, and is built again
# with what it learned. Careers are long runs of branchy code spread over
# the whole program; laid out by the profile they run about a tenth faster.
# What the program makes does not change: the build ends by comparing a
# batch from both builds byte for byte.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-pgo}
case $build in /*) ;; *) build=$(pwd)/$build ;; esac
profile=$build/profile
data=$root/data
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

configure() {
  # The profile names its files after the objects' paths, so both builds
  # use the same folder.
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORRIMAR_BUILD_QT=OFF \
    -DORRIMAR_WERROR=ON -DCMAKE_CXX_FLAGS="$1" > /dev/null
}

echo "pgo: building with counters in $build"
# Atomic counters: a batch writes its pages on a second thread.
rm -rf "$profile"
configure "-fprofile-generate -fprofile-update=atomic -fprofile-dir=$profile"
cmake --build "$build" -j2 --target orrimar-cli > /dev/null

echo "pgo: training on the sample data"
batch() {
  "$build/orrimar-cli" --auto --data "$data" "$@" > /dev/null
}
batch --count 20000 --seed 1 --no-pages --out "$scratch/train"
batch --count 2000 --seed 2 --out "$scratch/train-pages"
# What the counting build makes, to hold the final build to.
batch --count 2000 --seed 7 --format jsonl --out "$scratch/counting.jsonl"
rm -rf "$scratch/train" "$scratch/train-pages"

echo "pgo: building with the profile"
# -fprofile-partial-training: code the training never reached (the
# interactive questions, the error paths) keeps its plain optimisation.
configure "-fprofile-use -fprofile-partial-training -fprofile-dir=$profile -Wno-missing-profile"
cmake --build "$build" -j2 --target orrimar-cli batch_bench > /dev/null

echo "pgo: comparing a batch from both builds"
batch --count 2000 --seed 7 --format jsonl --out "$scratch/guided.jsonl"
if ! cmp -s "$scratch/counting.jsonl" "$scratch/guided.jsonl"; then
  echo "pgo: the profile-guided build makes other characters than the counting one" >&2
  exit 1
fi
echo "pgo: done; $build/bench/batch_bench COUNT REPEATS times it"
