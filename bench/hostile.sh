#!/usr/bin/env bash
# Opens hostile files with lumavert-cli and prints, for each, how it ended,
# the wall time and the peak memory: every one opens or is refused within
# seconds, with memory linear in the input. Not a test; not run by CI.
#
#   bench/hostile.sh [path to lumavert-cli]
set -uo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$repo/build/cli/lumavert-cli}
work=${LUMAVERT_BENCH_DIR:-/tmp/lumavert-hostile}
mkdir -p "$work"
cd "$work"

[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (package time)" >&2; exit 2; }

line_of() { # COUNT TEXT: TEXT repeated COUNT times, no line end
    head -c "$(( $1 * ${#2} ))" < <(yes "$2" | tr -d '\n')
}

[ -f long-line.sub ] || { printf '{1}{25}'; line_of 100000000 a; printf '\r\n'; } > long-line.sub
[ -f empty-lines.txt ] || yes '' | head -n 5000000 > empty-lines.txt
[ -f breaks.sub ] || { printf '{1}{25}'; line_of 1000000 '<br>'; printf '\r\n'; } > breaks.sub
[ -f all-bytes.sub ] || { printf '{1}{25}'; for b in $(seq 1 255); do
    [ "$b" -eq 10 ] || [ "$b" -eq 13 ] || printf "\\x$(printf %02x "$b")"; done; printf '\0\0end\r\n'; } > all-bytes.sub
[ -f bad-utf8.srt ] || printf '1\r\n00:00:01,000 --> 00:00:02,000\r\n\xc3\x28 \xe2\x82 \xf0\x9f\r\n' > bad-utf8.srt
[ -f far-times.txt ] || printf '[INFORMATION]\r\n[SUBTITLE]\r\n99999999999:00:00.00,99999999999:00:01.00\r\nfar\r\n\r\n' > far-times.txt
[ -f far-frames.sub ] || printf '{4294967296}{4294967300}beyond 32 bits\r\n{99999999999999999999}{1}x\r\n' > far-frames.sub
[ -p fifo.srt ] || mkfifo fifo.srt
[ -d folder.srt ] || mkdir folder.srt
[ -f huge.srt ] || truncate -s 1100M huge.srt

printf '%-16s %-8s %8s %10s  %s\n' case command seconds "peak KB" "how it ended"
for entry in long-line.sub:open empty-lines.txt:open breaks.sub:open all-bytes.sub:microdvd \
    bad-utf8.srt:convert far-times.txt:convert far-frames.sub:convert fifo.srt:open folder.srt:open \
    /dev/zero:open huge.srt:open; do
    file=${entry%%:*}
    command=${entry##*:}
    timeout 60 /usr/bin/time -f '%e %M' -o time.txt "$cli" "$command" "$file" -o out.txt \
        >/dev/null 2>err.txt
    status=$?
    read -r seconds kb < <(tail -n 1 time.txt)
    printf '%-16s %-8s %8s %10s  exit %s %s\n' "$(basename "$file")" "$command" "$seconds" "$kb" "$status" \
        "$(head -c 90 err.txt | tr '\n\r' '  ')"
done
"$cli" microdvd all-bytes.sub -o all-bytes-out.sub 2>/dev/null
if cmp -s all-bytes.sub all-bytes-out.sub; then
    echo "all-bytes.sub: every byte 0x01-0xFF and NUL saved back untouched"
else
    echo "all-bytes.sub: the saved file differs"
fi
