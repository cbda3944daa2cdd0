#!/usr/bin/env bash
# Makes a test film for the sync: sentences spoken by espeak-ng at known times
# over light noise, under a black picture, as MKV with Opus and AVI with MP3,
# and the subtitle files the sync is tried on:
#   truth.srt     the sentences' true times
#   shifted.srt   every time 3.7 s late
#   stretched.srt timed for a film running at 23.976/25 of the speed
#   both.srt      stretched by 24/25 and 6.2 s late
#   wrong.sub     MicroDVD frames at 23.976 fps, to be opened at 25
# Usage: MakeSyncMedia.sh FOLDER SECONDS SEED
# Exit status 77 when a tool is missing (the test then counts as skipped).
set -euo pipefail
folder=$1 seconds=$2 seed=$3
for tool in espeak-ng sox soxi ffmpeg awk; do
    command -v "$tool" > /dev/null || { echo "missing $tool" >&2; exit 77; }
done
mkdir -p "$folder"
cd "$folder"
rate=16000

sentences=(
    "The harbour was quiet when the boats came home."
    "Nobody had seen the letter before this morning."
    "Bring the lamp, it is getting dark outside."
    "I told you the bridge would not hold."
    "She counted the coins twice and said nothing."
    "We leave at dawn, with or without the captain."
    "The train to the north is late again."
    "Keep your voice down, they can hear us."
    "There is bread on the table and tea on the stove."
    "He has been waiting by the gate for an hour."
    "Open the window, the room is far too warm."
    "Our map ends at the river."
    "Tell me again what the stranger wanted."
    "The storm broke the old fence near the barn."
    "Please sign here, and here, and once more here."
    "My brother never learned to swim."
)

# Gaps between sentences from 1 to 4 seconds, drawn from the seed.
awk -v seed="$seed" -v n=2000 'BEGIN { srand(seed); for (i = 0; i < n; i++) printf "%.2f\n", 1 + 3 * rand() }' > gaps.txt
mapfile -t gaps < gaps.txt

parts=()
: > times.txt
now=4.0
sox -n -r $rate -c 1 -b 16 lead.wav trim 0 4.0
parts+=(lead.wav)
i=0
while awk -v now="$now" -v end="$seconds" 'BEGIN { exit !(now < end - 6) }'; do
    k=$(( (i + seed) % ${#sentences[@]} ))
    if [ ! -e say$k.wav ]; then
        espeak-ng -s 165 -w raw$k.wav "${sentences[$k]}"
        # Silence espeak puts around the words is cut, so the file's start is the speech's start.
        sox raw$k.wav -r $rate -c 1 -b 16 say$k.wav silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    fi
    length=$(soxi -D say$k.wav)
    gap=${gaps[$(( i % ${#gaps[@]} ))]}
    sox -n -r $rate -c 1 -b 16 gap$i.wav trim 0 "$gap"
    parts+=(say$k.wav gap$i.wav)
    awk -v a="$now" -v d="$length" 'BEGIN { printf "%.3f %.3f\n", a, a + d }' >> times.txt
    now=$(awk -v a="$now" -v d="$length" -v g="$gap" 'BEGIN { printf "%.3f", a + d + g }')
    i=$((i + 1))
done
sox "${parts[@]}" speech.wav
total=$(soxi -D speech.wav)
sox -n -r $rate -c 1 -b 16 noise.wav synth "$total" whitenoise vol 0.03
sox -m speech.wav noise.wav sound.wav

ffmpeg -v error -y -f lavfi -i "color=black:s=160x120:r=25" -i sound.wav -t "$total" \
    -c:v mpeg4 -q:v 10 -c:a libopus -b:a 32k film.mkv
ffmpeg -v error -y -f lavfi -i "color=black:s=160x120:r=25" -i sound.wav -t "$total" \
    -c:v mpeg4 -q:v 10 -c:a libmp3lame -b:a 48k film.avi

# SubRip with times scale * t + shift.
subrip() {
    awk -v scale="$1" -v shift="$2" '
        function stamp(t,   h, m, s, ms) {
            ms = int(t * 1000 + 0.5); h = int(ms / 3600000); ms -= h * 3600000
            m = int(ms / 60000); ms -= m * 60000; s = int(ms / 1000); ms -= s * 1000
            return sprintf("%02d:%02d:%02d,%03d", h, m, s, ms)
        }
        { printf "%d\r\n%s --> %s\r\nLine %d\r\n\r\n", NR, stamp($1 * scale + shift), stamp($2 * scale + shift), NR }
    ' times.txt
}
subrip 1 0 > truth.srt
subrip 1 3.7 > shifted.srt
subrip 1.042709376 0 > stretched.srt
subrip 0.96 6.2 > both.srt
awk '{ printf "{%d}{%d}Line %d\r\n", $1 * 23.976 + 0.5, $2 * 23.976 + 0.5, NR }' times.txt > wrong.sub
