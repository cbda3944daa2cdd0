#!/usr/bin/env bash
# Times `lumavert-cli convert` against ffmpeg on generated files of 100,000 and 1,000,000 subtitles in
# every format the program reads, then the fitting and the multi-rate batch, then writing the formats
# of today's players from SubRip at 1,000,000 subtitles. Every output is compared
# byte for byte with the one kept from the first run (in $work/reference; delete it to start afresh).
# Not a test; not run by CI. LUMAVERT_BENCH_FORMATS="srt ssa" limits the formats.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=${LUMAVERT_BENCH_DIR:-/tmp/lumavert-bench}
mkdir -p "$work/out" "$work/reference"
cd "$work"

if ! command -v ffmpeg >/dev/null || [ ! -x /usr/bin/time ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends ffmpeg time
fi

# Release at -O2: g++ 12 at -O3 raises a false -Wrestrict on "text" + std::string, which -Werror turns
# into a failed build.
launcher=$(command -v ccache || true)
if ! { cmake -S "$repo" -B "$work/build" -G Ninja ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DLUMAVERT_BUILD_APP=OFF -DLUMAVERT_BUILD_TESTS=OFF &&
    cmake --build "$work/build" --target lumavert-cli -j2; } >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
fi
cli="$work/build/cli/lumavert-cli"
c++ -std=c++20 -O2 -I"$repo" "$repo/bench/GenerateSubtitles.cpp" "$work/build/liblumavert_core.a" \
    -licui18n -licuuc -o "$work/generate-subtitles"

# Runs a command under /usr/bin/time; prints "wall-seconds kilobytes".
measure() {
    if ! /usr/bin/time -f "%e %M" -o "$work/time.txt" "$@" >"$work/stdout.txt" 2>"$work/stderr.txt"; then
        echo "failed: $*" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
    cat "$work/time.txt"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Runs ours (the words before "--") and, when given, ffmpeg's command (the words after it) in turn five
# times; prints the medians "our-seconds our-kilobytes ffmpeg-seconds ffmpeg-kilobytes" ("- -" for no
# ffmpeg). Wall-clock time, on an otherwise idle machine: that is what a user waits for.
alternate() {
    local ours=() theirs=() word
    while [ $# -gt 0 ] && [ "$1" != -- ]; do ours+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    theirs=("$@")
    : >"$work/ours.txt"; : >"$work/theirs.txt"
    for _ in 1 2 3 4 5; do
        measure "${ours[@]}" >>"$work/ours.txt"
        [ ${#theirs[@]} -eq 0 ] || measure "${theirs[@]}" >>"$work/theirs.txt"
    done
    for word in ours theirs; do
        if [ -s "$work/$word.txt" ]; then
            printf '%s %s ' "$(cut -d' ' -f1 "$work/$word.txt" | median)" "$(cut -d' ' -f2 "$work/$word.txt" | median)"
        else
            printf -- '- - '
        fi
    done
    echo
}

# Compares an output with the one kept from the first run: "same", "DIFFERENT" or "kept" (first run).
compare() {
    local name=$1 reference="$work/reference/$1"
    if [ ! -e "$reference" ]; then
        cp "$work/out/$name" "$reference"
        echo kept
    elif cmp -s "$work/out/$name" "$reference"; then
        echo same
    else
        echo DIFFERENT
    fi
}

# The generator writes Windows-1252 text; "srt-ru" is its SubRip file with every Latin letter made
# Cyrillic, in UTF-8.
make_input() {
    if [ "$1" = srt-ru ]; then
        "$work/generate-subtitles" srt "$2" "$2.tmp"
        iconv -f CP1252 -t UTF-8 "$2.tmp" | perl -CSD -pe 'tr/a-zA-Z/абвгдежзийклмнопрстуфхцчшщАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩ/' >"$3"
        rm -f "$2.tmp"
    else
        "$work/generate-subtitles" "$1" "$2" "$3"
    fi
}
charset() { if [ "$1" = srt-ru ]; then echo UTF-8; else echo CP1252; fi; }

ratio() { awk -v a="$1" -v b="$2" "BEGIN { if (b > 0) printf \"$3\", a / b; else print \"-\" }"; }

# Format, file extension, and ffmpeg's options where ffmpeg reads the format ("-" where it does not).
# ffmpeg's frame-based readers ignore -r and fall back to 23.976; -subfps gives them our 25.
formats=(
    "srt srt" "srt-ru srt" "sub sub -subfps 25" "ssa ssa" "ass ass" "smi smi" "mpl mpl" "subviewer1 sub" "subviewer2 sub"
    "aqt aqt -subfps 25" "stl stl" "tmplayer txt -" "viplay vsf -" "turbotitler txt -" "zerog zeg -"
    "ulead txt -" "dvdsubtitle sub -" "mplayer1 mpl -" "dvdjunior txt -" "psb psb -" "son son -" "macdvd txt -"
    "captions32 txt -" "pinnacle txt -" "fab txt -" "dvdsubtitlesystem txt -" "adobeencore txt -" "sonic txt -"
    "subcreator txt -" "sbt sbt -" "inscriber txt -" "iauthor txt -" "vtt vtt" "ttml ttml -"
)
wanted=" ${LUMAVERT_BENCH_FORMATS:-} "

printf '%-18s %7s %8s %7s %8s %7s %6s %7s %7s %s\n' case "ours s" "ours MB" "ffm s" "ffm MB" "speed" "mem" \
    "1M/100k" "MB grow" output
for entry in "${formats[@]}"; do
    read -r format extension ffmpegOptions <<<"$entry"
    [ "$wanted" = "  " ] || [[ "$wanted" == *" $format "* ]] || continue
    declare -A seconds=() kilobytes=()
    for count in 100000 1000000; do
        input="$work/bench-$count-$format.$extension"
        [ -e "$input" ] || make_input "$format" "$count" "$input"
        name="$format-$count.srt"
        ffmpegCommand=()
        # shellcheck disable=SC2206
        [ "$ffmpegOptions" = - ] || ffmpegCommand=(-- ffmpeg -y -loglevel error -sub_charenc "$(charset "$format")"
            $ffmpegOptions -i "$input" "$work/ffmpeg-$name")
        read -r cs ck fs fk < <(alternate "$cli" convert "$input" -o "$work/out/$name" "${ffmpegCommand[@]}")
        seconds[$count]=$cs
        kilobytes[$count]=$ck
        speed=- memory=- ffmpegMegabytes=-
        if [ "$fs" != - ]; then
            speed=$(ratio "$fs" "$cs" "%.1fx")
            memory=$(ratio "$ck" "$fk" "%.2f")
            ffmpegMegabytes=$((fk / 1024))
        fi
        growth=- memoryGrowth=-
        if [ "$count" = 1000000 ]; then
            growth=$(ratio "${seconds[1000000]}" "${seconds[100000]}" "%.1f")
            memoryGrowth=$(ratio "${kilobytes[1000000]}" "${kilobytes[100000]}" "%.1f")
        fi
        printf '%-18s %7.2f %8d %7s %8s %7s %6s %7s %7s %s\n' "$format-$count" "$cs" $((ck / 1024)) "$fs" \
            "$ffmpegMegabytes" "$speed" "$memory" "$growth" "$memoryGrowth" "$(compare "$name")"
    done
done
echo "medians of five alternating runs, wall clock; speed: ffmpeg's time over ours; mem: our peak memory over ffmpeg's"

# The MicroDVD writer, the fitting to the player's limits (two and three lines) and the multi-rate
# batch on the SubRip files of both sizes.
printf '%-26s %7s %8s %7s %7s %s\n' case "s" "MB" "1M/100k" "MB grow" output
for task in "microdvd" "open" "open --fit" "open --fit --lines 3" "multi"; do
    declare -A seconds=() kilobytes=()
    for count in 100000 1000000; do
        input="$work/bench-$count-srt.srt"
        [ -e "$input" ] || "$work/generate-subtitles" srt "$count" "$input"
        name="$(tr ' ' _ <<<"$task")-$count.txt"
        if [ "$task" = multi ]; then
            rm -rf "$work/multi" && mkdir -p "$work/multi"
            read -r s k _ _ < <(cd "$work/multi" && alternate "$cli" multi "$input")
            (cd "$work/multi" && md5sum Test*.srt) >"$work/out/$name"
        else
            # shellcheck disable=SC2086
            read -r s k _ _ < <(alternate "$cli" $task "$input" -o "$work/out/$name")
        fi
        seconds[$count]=$s
        kilobytes[$count]=$k
        growth=- memoryGrowth=-
        if [ "$count" = 1000000 ]; then
            growth=$(ratio "${seconds[1000000]}" "${seconds[100000]}" "%.1f")
            memoryGrowth=$(ratio "${kilobytes[1000000]}" "${kilobytes[100000]}" "%.1f")
        fi
        printf '%-26s %7.2f %8d %7s %7s %s\n' "$task $count" "$s" $((k / 1024)) "$growth" \
            "$memoryGrowth" "$(compare "$name")"
    done
done

# Writing: the SubRip file of 1,000,000 subtitles converted to each format of today's players, by us
# (convert --to) and by ffmpeg (the target's extension chooses its muxer). LUMAVERT_BENCH_WRITERS="vtt"
# limits the formats.
input="$work/bench-1000000-srt.srt"
[ -e "$input" ] || "$work/generate-subtitles" srt 1000000 "$input"
printf '%-18s %7s %8s %7s %8s %7s %6s %s\n' case "ours s" "ours MB" "ffm s" "ffm MB" "speed" "mem" output
for key in ${LUMAVERT_BENCH_WRITERS:-vtt ass ssa ttml}; do
    name="write-$key-1000000.$key"
    read -r cs ck fs fk < <(alternate "$cli" convert --to "$key" "$input" -o "$work/out/$name" \
        -- ffmpeg -y -loglevel error -sub_charenc CP1252 -i "$input" "$work/ffmpeg-$name")
    printf '%-18s %7.2f %8d %7s %8d %7s %6s %s\n' "write-$key" "$cs" $((ck / 1024)) "$fs" $((fk / 1024)) \
        "$(ratio "$fs" "$cs" "%.1fx")" "$(ratio "$ck" "$fk" "%.2f")" "$(compare "$name")"
done
echo "medians of five alternating runs, wall clock; speed: ffmpeg's time over ours; mem: our peak memory over ffmpeg's"
