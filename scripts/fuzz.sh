#!/usr/bin/env bash
# Runs every libFuzzer target of a build for SECONDS each, two at a time,
# from the shared corpus and the committed regression inputs. New inputs go
# to a scratch corpus folder, never into the checkout. Any finding (a crash,
# a sanitizer report, a failed property, an input that runs over a minute)
# fails the run; its input is left in BUILD/fuzz-findings.
#
#   scripts/fuzz.sh BUILD SECONDS
set -euo pipefail
build=$(cd "$1" && pwd) seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
findings=$build/fuzz-findings
mkdir -p "$findings"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1

run_target() {
    local target=$1 name work seeds
    name=$(basename "$target" _libfuzzer)
    work=$build/fuzz-corpus/$name
    mkdir -p "$work"
    seeds=$root/../shared/corpus
    [ "$name" = fuzz_avi_header ] && seeds=$build/tests/fuzz/avi-seeds
    if "$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$findings/$name-" \
        "$work" "$seeds" $(ls -d "$root/tests/fuzz/regressions" 2>/dev/null) >"$build/fuzz-$name.log" 2>&1; then
        echo "$name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz-$name.log" | grep -o '[0-9]*$') runs, clean"
    else
        echo "$name: FINDING, see $build/fuzz-$name.log"
        tail -40 "$build/fuzz-$name.log"
        return 1
    fi
}
export -f run_target
export build seconds root findings

find "$build/tests/fuzz" -maxdepth 1 -name '*_libfuzzer' -type f -perm -u+x | sort |
    xargs -P 2 -I{} bash -c 'run_target {}'
