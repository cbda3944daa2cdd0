#!/usr/bin/env bash
# Times `lumavert-cli sync` on two-hour test films (MKV with Opus, AVI with MP3)
# made by tests/sync/MakeSyncMedia.sh, and measures its accuracy as the test
# suite does on its short clip. Prints each run's wall time, processor time
# and peak memory. Not a test; not run by CI.
# Usage: bench/sync.sh LUMAVERT_CLI [SECONDS]   (work folder: $LUMAVERT_BENCH_DIR/sync)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
seconds=${2:-7200}
work=${LUMAVERT_BENCH_DIR:-/tmp/lumavert-bench}/sync
mkdir -p "$work"

# The command line under /usr/bin/time, each run's figures on standard error.
timed=$work/timed-cli
cat > "$timed" <<SCRIPT
#!/usr/bin/env bash
exec /usr/bin/time -f "time: %e s wall, %U s user, %S s system, %M KB peak" "$cli" "\$@"
SCRIPT
chmod +x "$timed"

nproc
uptime
start=$(date +%s)
"$repo/tests/sync/SyncAccuracy.sh" "$timed" "$work" "$seconds" | tee "$work/table.txt"
echo "films made and synced in $(( $(date +%s) - start )) s"
# Each run's figures, from the files the accuracy script keeps.
for video in film.mkv film.avi; do
    echo "$video: $("$timed" sync --video "$work/film1/$video" "$work/film1/both.srt" 2>&1 >/dev/null | grep -E '^(sync|time):' | tr '\n' ' ')"
done
