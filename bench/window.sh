#!/usr/bin/env bash
# Runs the real main window on the generated 1,000,000-subtitle SubRip file and prints how long
# opening, converting, fitting and "Load again" take until their result is painted, the longest
# freeze of the event loop while scrolling, selecting and typing, and how the progress bar and the
# window are painted during long work. Not a test; not run by CI. LUMAVERT_BENCH_COUNT changes the
# number of subtitles; LUMAVERT_BENCH_PLATFORM=offscreen runs without Xvfb.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=${LUMAVERT_BENCH_DIR:-/tmp/lumavert-bench}
count=${LUMAVERT_BENCH_COUNT:-1000000}
platform=${LUMAVERT_BENCH_PLATFORM:-xcb}
mkdir -p "$work"

if [ "$platform" = xcb ] && ! command -v xvfb-run >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends xvfb xauth
fi

# Release at -O2, as bench/run.sh builds the command line (g++ 12 at -O3 fails on a false warning).
launcher=$(command -v ccache || true)
if ! { cmake -S "$repo" -B "$work/build-window" -G Ninja ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DLUMAVERT_BUILD_TESTS=OFF \
    -DLUMAVERT_BUILD_BENCH=ON &&
    cmake --build "$work/build-window" --target window-bench generate-subtitles -j2; } >"$work/build-window.log" 2>&1; then
    cat "$work/build-window.log" >&2
    exit 1
fi

input="$work/bench-$count-srt.srt"
[ -e "$input" ] || "$work/build-window/bench/generate-subtitles" srt "$count" "$input"

uptime
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
if [ "$platform" = xcb ]; then
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$work/build-window/bench/window-bench" "$input"
else
    QT_QPA_PLATFORM="$platform" "$work/build-window/bench/window-bench" "$input"
fi
