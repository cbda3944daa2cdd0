#!/usr/bin/env bash
# Times `lumavert-cli convert` against ffmpeg on generated SubRip and
# MicroDVD files of 100,000 and 1,000,000 subtitles. Not a test; not run by CI.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=${LUMAVERT_BENCH_DIR:-/tmp/lumavert-bench}
mkdir -p "$work"
cd "$work"

if ! command -v ffmpeg >/dev/null || [ ! -x /usr/bin/time ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends ffmpeg time
fi

# Release at -O2: g++ 12 at -O3 raises a false -Wrestrict on "text" + std::string, which -Werror turns
# into a failed build.
if ! { cmake -S "$repo" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DLUMAVERT_BUILD_APP=OFF -DLUMAVERT_BUILD_TESTS=OFF &&
    cmake --build "$work/build" --target lumavert-cli -j2; } >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
fi
cli="$work/build/cli/lumavert-cli"
c++ -std=c++20 -O2 -I"$repo" "$repo/bench/GenerateSubtitles.cpp" "$work/build/liblumavert_core.a" \
    -o "$work/generate-subtitles"

# Runs a command under /usr/bin/time; prints "wall-seconds kilobytes cpu-seconds". The processor time
# (user + system) tells more than the wall time when the machine is busy with other work.
measure() {
    if ! /usr/bin/time -v -o "$work/time.txt" "$@" >"$work/stdout.txt" 2>"$work/stderr.txt"; then
        echo "failed: $*" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
    local wall rss cpu
    wall=$(sed -n 's/.*Elapsed (wall clock).*: //p' "$work/time.txt" |
        awk -F: '{ if (NF == 3) print $1 * 3600 + $2 * 60 + $3; else print $1 * 60 + $2 }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    cpu=$(awk -F': ' '/User time|System time/ { sum += $2 } END { print sum }' "$work/time.txt")
    echo "$wall $rss $cpu"
}

printf '%-13s %8s %8s %10s %9s %9s %10s %9s %9s\n' case "cli s" "cli cpu" "cli KB" \
    "ffmpeg s" "ffm cpu" "ffmpeg KB" "speed-up" "mem ratio"
declare -A cliSeconds
for count in 100000 1000000; do
    for format in srt sub; do
        input="$work/bench-$count.$format"
        "$work/generate-subtitles" "$format" "$count" "$input"
        read -r cs ck cc < <(measure "$cli" convert "$input" -o "$work/cli-$count-$format.srt")
        if [ "$format" = srt ]; then
            read -r fs fk fc < <(measure ffmpeg -y -loglevel error -sub_charenc CP1252 -i "$input" \
                "$work/ffmpeg-$count-$format.srt")
        else
            # ffmpeg's MicroDVD reader ignores -r and falls back to 23.976; -subfps gives it our 25.
            read -r fs fk fc < <(measure ffmpeg -y -loglevel error -sub_charenc CP1252 -subfps 25 -i "$input" \
                "$work/ffmpeg-$count-$format.srt")
        fi
        cliSeconds[$count-$format]=$cs
        printf '%-13s %8.2f %8.2f %10d %9.2f %9.2f %10d %9s %9s\n' "$format-$count" "$cs" "$cc" "$ck" \
            "$fs" "$fc" "$fk" \
            "$(awk -v a="$fs" -v b="$cs" 'BEGIN { printf "%.1fx", (b > 0 ? a / b : 0) }')" \
            "$(awk -v a="$ck" -v b="$fk" 'BEGIN { printf "%.2f", a / b }')"
    done
done
for format in srt sub; do
    echo "lumavert-cli $format: 1,000,000 took $(awk -v a="${cliSeconds[1000000-$format]}" \
        -v b="${cliSeconds[100000-$format]}" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }') times as long as 100,000"
done

# Fitting to the player's limits on the largest file: opening alone, then opening and fitting to two and
# to three lines; the difference is the fitting's own time.
input="$work/bench-1000000.srt"
printf '%-22s %8s %8s %10s\n' case "s" "cpu" "KB"
for fit in "" "--fit" "--fit --lines 3"; do
    # shellcheck disable=SC2086
    read -r s k c < <(measure "$cli" open $fit "$input" -o "$work/open.txt")
    printf '%-22s %8.2f %8.2f %10d\n' "open $fit" "$s" "$c" "$k"
done
ls -l "$work"/bench-*.srt "$work"/bench-*.sub | awk '{ print $5, $9 }'
