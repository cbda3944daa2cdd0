#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds
# there: the programs, which start from there; a desktop entry and a
# metainfo file that the validators accept; an icon; a MIME type in the
# entry for every extension the open dialog lists; the manual pages.
# Usage: InstallTest.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@" >"$prefix/check.log" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
        sed 's/^/    /' "$prefix/check.log"
    fi
}

cmake --install "$build" --prefix "$prefix/usr" >/dev/null
root=$prefix/usr
for file in bin/lumavert bin/lumavert-cli share/applications/lumavert.desktop \
    share/icons/hicolor/scalable/apps/lumavert.svg share/icons/hicolor/256x256/apps/lumavert.png \
    share/metainfo/org.lumavert.Lumavert.metainfo.xml share/mime/packages/lumavert.xml \
    share/man/man1/lumavert.1 share/man/man1/lumavert-cli.1; do
    check "installed $file" test -s "$root/$file"
done
check "desktop-file-validate" desktop-file-validate "$root/share/applications/lumavert.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$root/share/metainfo/org.lumavert.Lumavert.metainfo.xml"
check "PNG icon of 256 x 256" bash -c "od -An -tx1 -j16 -N8 '$root/share/icons/hicolor/256x256/apps/lumavert.png' | tr -d ' \n' | grep -qx 0000010000000100"
check "examples in the manual page" grep -q '^\.SH EXAMPLES' "$root/share/man/man1/lumavert-cli.1"

# Every extension of the open dialog has a type in the entry: the shared
# database's where it has one, ours otherwise.
update-mime-database "$root/share/mime" >/dev/null 2>&1
mimeTypes=";$(sed -n 's/^MimeType=//p' "$root/share/applications/lumavert.desktop")"
for extension in sub srt txt vsf tts zeg aqt stl mpl ssa ass smi sami son psb sbt vtt ttml dfxp; do
    types=$(cat /usr/share/mime/globs "$root/share/mime/globs" | sed -n "s/^\([^#:]*\):\*\.$extension\$/\1/p")
    listed=false
    for type in $types; do
        [[ $mimeTypes == *";$type;"* ]] && listed=true
    done
    check "a MIME type for *.$extension in the desktop entry (known: ${types//$'\n'/ })" $listed
done

# The installed programs start: the command line opens a file, and the window
# is still running with it after two seconds.
printf '1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n' >"$prefix/film.srt"
check "lumavert-cli open" bash -c "'$root/bin/lumavert-cli' open '$prefix/film.srt' | grep -qx 'Format: SubRip'"
check "lumavert FILE keeps running" bash -c "XDG_CONFIG_HOME='$prefix' QT_QPA_PLATFORM=offscreen \
    timeout 2 '$root/bin/lumavert' '$prefix/film.srt'; test \$? -eq 124"

echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
