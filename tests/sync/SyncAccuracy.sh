#!/usr/bin/env bash
# Runs lumavert-cli sync on test films made by MakeSyncMedia.sh and measures
# how far each synced subtitle starts from its sentence: at least 90% within
# 0.2 s and a median error under 0.1 s, for every container and distortion.
# Subtitles of another film must be refused with nothing written.
# Usage: SyncAccuracy.sh LUMAVERT_CLI FOLDER [SECONDS]
# Exit status 77 (skipped) when a tool the films need is missing.
set -uo pipefail
cli=$1 folder=$2 seconds=${3:-75}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$folder"
for seed in 1 2; do
    "$here/MakeSyncMedia.sh" "$folder/film$seed" "$seconds" "$seed" > "$folder/make$seed.log" 2>&1
    status=$?
    [ $status -eq 77 ] && { cat "$folder/make$seed.log"; exit 77; }
    [ $status -ne 0 ] && { cat "$folder/make$seed.log"; exit 1; }
done
film=$folder/film1

# Start times in seconds, one a line, of a SubRip file.
starts() {
    awk -F' --> ' '/ --> / { split($1, t, /[:,]/); printf "%.3f\n", t[1] * 3600 + t[2] * 60 + t[3] + t[4] / 1000 }' "$1"
}

# Prints one row of the table; fails when the row misses the measure.
measure() {
    local name=$1 synced=$2 found=$3
    paste <(starts "$film/truth.srt") <(starts "$synced") |
        awk 'NF == 2 { e = $2 - $1; print e < 0 ? -e : e }' | sort -g |
        awk -v name="$name" -v found="$found" '
            { err[++n] = $1; if ($1 <= 0.2) near++ }
            END {
                if (n == 0) { printf "%-22s no subtitles written\n", name; exit 1 }
                median = n % 2 ? err[(n + 1) / 2] : (err[n / 2] + err[n / 2 + 1]) / 2
                share = 100 * near / n
                printf "%-22s %-32s %3d %6.1f%% %7.3f s %7.3f s\n", name, found, n, share, median, err[n]
                exit !(share >= 90 && median < 0.1)
            }'
}

failed=0
printf "%-22s %-32s %3s %7s %9s %9s\n" case "sync line" n "<=0.2s" median worst
for video in film.mkv film.avi; do
    for case in shifted stretched both wrong; do
        subtitles=$film/$case.srt
        options=()
        [ $case = wrong ] && { subtitles=$film/wrong.sub; options=(--fps 25); }
        out=$folder/$video-$case.srt
        if ! "$cli" sync "${options[@]}" --video "$film/$video" "$subtitles" -o "$out" 2> "$folder/err.txt"; then
            printf "%-22s refused: %s\n" "$video $case" "$(cat "$folder/err.txt")"
            failed=1
            continue
        fi
        measure "$video $case" "$out" "$(grep '^sync:' "$folder/err.txt")" || failed=1
    done
    # Another film's subtitles: refused, nothing written.
    out=$folder/$video-other.srt
    rm -f "$out"
    if "$cli" sync --video "$film/$video" "$folder/film2/shifted.srt" -o "$out" 2> "$folder/err.txt" || [ -e "$out" ]; then
        printf "%-22s accepted: %s\n" "$video other film" "$(cat "$folder/err.txt")"
        failed=1
    else
        printf "%-22s refused: %s\n" "$video other film" "$(tail -1 "$folder/err.txt")"
    fi
done
exit $failed
