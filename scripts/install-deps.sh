#!/usr/bin/env bash
# Installs what building, running and testing Lumavert needs on Debian 12.
# Run as root; takes a minute on a fresh machine and a second when all is there.
# Further package names given as arguments are installed too (CI adds clang).
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config libgtest-dev libicu-dev
    qt6-base-dev qt6-multimedia-dev libqt6svg6 libxkbcommon-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
    gstreamer1.0-plugins-bad gstreamer1.0-plugins-ugly
    libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev libfftw3-dev
    espeak-ng sox ffmpeg
    xvfb xauth fonts-dejavu-core qt6-translations-l10n
    desktop-file-utils appstream shared-mime-info
    libxml2-dev libxml2-utils
    libhunspell-dev hunspell-pt-pt hunspell-pt-br hunspell-en-us hunspell-en-gb hunspell-da hunspell-es
    "$@"
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
