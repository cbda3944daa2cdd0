#!/usr/bin/env bash
# Runs every libFuzzer target of a build for SECONDS each, two at a time,
# from the committed corpus, the shared subtitle files and the committed
# regression inputs.
#
#   scripts/fuzz.sh BUILD SECONDS [TARGET...]
#   scripts/fuzz.sh --campaign BUILD SECONDS [TARGET...]
#
# TARGETs (fuzz_opener, fuzz_subrip_import, ...) narrow either form to those
# targets; without them every target of the build runs.
#
# The first form is CI's: new inputs go to a scratch corpus folder, never
# into the checkout, and any finding (a crash, a sanitizer report, a failed
# property, an input that runs over a minute) fails the run; its input is
# left in BUILD/fuzz-findings.
#
# A campaign grows the committed corpus instead: after each target's run, the
# inputs that reach code the shared files and the regressions do not are
# merged into tests/fuzz/corpus/TARGET, minimised, and a line per target
# gives its executions, coverage before and after, and any finding. Its
# inputs are kept short so that the committed corpus stays small.
set -euo pipefail
campaign=
if [ "${1:-}" = --campaign ]; then
    campaign=1
    shift
fi
build=$(cd "$1" && pwd) seconds=$2
shift 2
only=("$@")
root=$(cd "$(dirname "$0")/.." && pwd)
findings=$build/fuzz-findings
mkdir -p "$findings"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1

# The inputs a target starts from besides its corpus: the subtitle files, or
# for the AVI header reader the headers the build writes.
seeds_of() {
    if [ "$1" = fuzz_avi_header ]; then
        echo "$build/tests/fuzz/avi-seeds"
    else
        echo "$root/../shared/corpus"
    fi
}

fuzz_for() {
    local target=$1 name=$2 max_len=$3 log=$4
    shift 4
    "$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len="$max_len" \
        -print_final_stats=1 -artifact_prefix="$findings/$name-" "$@" \
        "$(seeds_of "$name")" $(ls -d "$root/tests/fuzz/regressions" 2>/dev/null) >"$log" 2>&1
}

executions() {
    grep -o 'stat::number_of_executed_units: *[0-9]*' "$1" | grep -o '[0-9]*$' || echo 0
}

# CHOICE: inputs of CI's runs are cut at this length. A reader's time grows
# with its input while the paths it takes through a file's lines mostly do
# not: at 64 KiB the importers ran a quarter as many inputs a second as at
# 4 KiB. The subtitle files are still read whole by ctest's fuzz tests.
ci_max_len=4096

run_target() {
    local target=$1 name work log
    name=$(basename "$target" _libfuzzer)
    work=$build/fuzz-corpus/$name
    log=$build/fuzz-$name.log
    mkdir -p "$work"
    if fuzz_for "$target" "$name" "$ci_max_len" "$log" "$work" $(ls -d "$root/tests/fuzz/corpus/$name" 2>/dev/null); then
        echo "$name: $(executions "$log") runs, clean"
    else
        echo "$name: FINDING, see $log"
        tail -40 "$log"
        return 1
    fi
}

# "cov: N ft: M" of a libFuzzer log's status line once its inputs are
# loaded (INITED) or of its last one (DONE, or the last before a finding).
coverage() {
    grep -E "$2.*cov: [0-9]+ ft: [0-9]+" "$1" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || echo "cov: 0 ft: 0"
}

campaign_target() {
    local target=$1 name work log committed merged result=clean
    name=$(basename "$target" _libfuzzer)
    work=$build/fuzz-campaign/$name
    log=$build/fuzz-campaign/$name.log
    committed=$root/tests/fuzz/corpus/$name
    rm -rf "$work" "$work.merged"
    mkdir -p "$work" "$committed"
    fuzz_for "$target" "$name" 2048 "$log" "$work" "$committed" || result="FINDING, see $log"
    # A merge keeps every input of its first folder and adds those of the
    # others that reach something new. Starting it from the seeds keeps out
    # of the committed corpus what they reach already. Only new edges count,
    # not new hit counts of known ones: that keeps a tenth of the inputs.
    merged=$work.merged
    mkdir -p "$merged/seeds-not-kept"
    cp -r "$(seeds_of "$name")/." "$merged/seeds-not-kept/seeds"
    cp -r "$root/tests/fuzz/regressions/." "$merged/seeds-not-kept/regressions"
    "$target" -merge=1 -use_counters=0 -timeout=60 -rss_limit_mb=2048 -max_len=2048 \
        "$merged" "$committed" "$work" >"$log.merge" 2>&1 || result="$result; merge failed, see $log.merge"
    rm -rf "$merged/seeds-not-kept"
    if [ -z "$(ls -A "$merged")" ] && [ -n "$(ls -A "$committed")" ]; then
        result="$result; merge kept nothing, corpus left as it was"
    else
        rm -rf "$committed"
        mv "$merged" "$committed"
    fi
    echo "$name: $(executions "$log") runs, before $(coverage "$log" INITED), after $(coverage "$log" "#[0-9]+")," \
        "corpus $(ls "$committed" | wc -l) files $(du -sk --apparent-size "$committed" | cut -f1) KiB, $result"
}
export -f seeds_of fuzz_for executions run_target coverage campaign_target
export build seconds root findings ci_max_len

targets() {
    if [ ${#only[@]} -eq 0 ]; then
        find "$build/tests/fuzz" -maxdepth 1 -name '*_libfuzzer' -type f -perm -u+x | sort
        return
    fi
    local name
    for name in "${only[@]}"; do
        if [ ! -x "$build/tests/fuzz/${name}_libfuzzer" ]; then
            echo "no libFuzzer target $name in $build" >&2
            return 1
        fi
        echo "$build/tests/fuzz/${name}_libfuzzer"
    done
}
if [ -n "$campaign" ]; then
    targets | xargs -P 2 -I{} bash -c 'campaign_target {}'
    echo "committed corpus: $(du -sk --apparent-size "$root/tests/fuzz/corpus" | cut -f1) KiB"
else
    targets | xargs -P 2 -I{} bash -c 'run_target {}'
fi
