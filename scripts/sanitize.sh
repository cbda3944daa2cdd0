#!/usr/bin/env bash
# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer with
# clang (the g++ fuzz replays run a shorter series there), then every
# libFuzzer target for a while from the committed seeds. Needs clang,
# libclang-rt-14-dev and llvm (for readable reports). The tests that time
# themselves against the wall clock run in the plain build; under the
# sanitizers they would measure the sanitizers.
#
#   scripts/sanitize.sh [SECONDS per libFuzzer target, default 30] [UNTIL]
#
# UNTIL (seconds since the epoch) shortens the libFuzzer runs so that they
# end by then, five seconds a target at the least: CI gives the whole stage
# what is left of its time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
until=${2:-}
wall_clock_tests='^(MillionEntries|ImportBench)\.|AMillionSubtitlesOpenInSeconds|PathologicalLinesStayFast|LargeFileReadsAndWritesQuickly|ALongLineOfDashesStaysLinear'
# -O1 with line tables only: the usual fuzzing build, quicker to compile
# than -O2 -g and still naming file and line in every report.
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DLUMAVERT_WERROR=ON -DLUMAVERT_SANITIZE=ON \
    -DLUMAVERT_LIBFUZZER=ON -DLUMAVERT_FUZZ_MUTATIONS=500 -DLUMAVERT_FUZZ_SECONDS=10 \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only"
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
    ctest --test-dir build-asan --output-on-failure -j2 --timeout 600 -E "$wall_clock_tests"
if [ -n "$until" ]; then
    targets=$(find build-asan/tests/fuzz -maxdepth 1 -name '*_libfuzzer' -type f | wc -l)
    # Two targets run at a time; a few seconds each go to loading the seeds.
    share=$(((until - $(date +%s)) * 2 / (targets > 0 ? targets : 1) - 3))
    seconds=$((share < seconds ? share : seconds))
    seconds=$((seconds < 5 ? 5 : seconds))
fi
echo "libFuzzer: $seconds seconds a target"
bash scripts/fuzz.sh build-asan "$seconds"
