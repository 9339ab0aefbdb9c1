#!/usr/bin/env bash
# Builds the portable release: dist/quillmap-VERSION-win64.zip and ...-win32.zip, each one folder
# holding the program, its help, the sample plug-ins, skin and encodings, the plug-in kit and a
# Russian read-me. The version is the one the about box shows.
# Usage: scripts/package.sh [--no-build] [BUILDDIR [DISTDIR]]
#   BUILDDIR (default build) holds win64/ and win32/, built here first unless --no-build;
#   DISTDIR (default dist) receives the zips.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build_first=yes
if [ "${1:-}" = --no-build ]; then
    build_first=""
    shift
fi
build=$(mkdir -p "${1:-$top/build}" && cd "${1:-$top/build}" && pwd)
dist=$(mkdir -p "${2:-$top/dist}" && cd "${2:-$top/dist}" && pwd)

version=$(sed -n 's/.*ProgramVersion = "\([^"]*\)".*/\1/p' "$top/src/base/version.h")
if [ -z "$version" ]; then
    echo "package.sh: no ProgramVersion in src/base/version.h" >&2
    exit 2
fi

if [ -n "$build_first" ]; then
    . "$top/scripts/packages.sh"
    . "$top/scripts/build-windows.sh"
    ensure_packages "${WINDOWS_PACKAGES[@]}" g++-mingw-w64-i686-posix zip
    build_windows x86_64 "$build/win64"
    build_windows i686 "$build/win32"
fi

# pack ARCH BUILT: the zip of one architecture from the build folder BUILT.
pack() {
    local arch=$1 built=$2 name="quillmap-$version"
    local staging="$dist/staging-$arch" zipfile="$dist/quillmap-$version-$arch.zip"
    local file
    for file in quillmap.exe quillmap.chm plugins skins encodings; do
        if [ ! -e "$built/$file" ]; then
            echo "package.sh: $built/$file is missing; build it first" >&2
            return 1
        fi
    done
    rm -rf "$staging" "$zipfile"
    mkdir -p "$staging/$name/sdk/samples"
    cp "$built/quillmap.exe" "$built/quillmap.chm" "$staging/$name/"
    cp -r "$built/plugins" "$built/skins" "$built/encodings" "$staging/$name/"
    cp "$top/sdk/quillmap_plugin.h" "$top/sdk/GUIDE.md" "$staging/$name/sdk/"
    for file in blocklist checksum common gradient nocomments; do
        cp -r "$top/samples/$file" "$staging/$name/sdk/samples/"
    done
    # The read-me in the code page and line ends of a Russian Windows's Notepad.
    sed -e "s/VERSION/$version/" -e "s/ARCH/$arch/" "$top/release/readme.txt" |
        iconv -f UTF-8 -t CP1251 | sed 's/$/\r/' >"$staging/$name/readme.txt"
    # The same files give the same zip: fixed times, names in order, no extra attributes.
    find "$staging" -exec touch -h -d "@${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct 2>/dev/null || date +%s)}" {} +
    (cd "$staging" && find "$name" -print | LC_ALL=C sort | zip -q -X -D "$zipfile" -@)
    rm -rf "$staging"
    echo "$zipfile"
}

pack win64 "$build/win64"
pack win32 "$build/win32"
