#!/usr/bin/env bash
# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer with
# clang (the g++ fuzz replays run a shorter series there), then every
# libFuzzer target for a while from the committed seeds. Needs clang and
# libclang-rt-14-dev. The tests that time themselves against the wall clock
# run in the plain build; under the sanitizers they would measure the
# sanitizers.
#
#   scripts/sanitize.sh [SECONDS per libFuzzer target, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
wall_clock_tests='^(MillionEntries|ImportBench)\.|AMillionSubtitlesOpenInSeconds|PathologicalLinesStayFast|LargeFileReadsAndWritesQuickly|ALongLineOfDashesStaysLinear'
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DLUMAVERT_WERROR=ON -DLUMAVERT_SANITIZE=ON \
    -DLUMAVERT_LIBFUZZER=ON -DLUMAVERT_FUZZ_MUTATIONS=500 -DLUMAVERT_FUZZ_SECONDS=10
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
    ctest --test-dir build-asan --output-on-failure -j2 --timeout 600 -E "$wall_clock_tests"
bash scripts/fuzz.sh build-asan "$seconds"
