#!/usr/bin/env bash
# End-to-end: the portable release. scripts/package.sh packs the builds beside EXE's folder
# (win64 and win32) into two zips, each one folder named after the version the about box shows,
# with the program, its help, the sample plug-ins, skin and encodings, the kit and the read-me.
# The help's table of contents, read back with a CHM reader, names every page. The 64-bit folder,
# unpacked, runs under Wine: its plug-ins and skin are found and work (plugins.sh on it), and F1
# opens quillmap.chm from beside the program in the help viewer (screenshot help.png).
# Usage: release.sh EXE OUTDIR GIF   (EXE: build/win64/quillmap.exe; GIF: as plugins.sh wants)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin --exe-must-exist "EXE OUTDIR GIF" 3 "$@"
GIF=$3
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(dirname "$(dirname "$BUILT_EXE")")

rm -rf "$OUTDIR/dist" "$OUTDIR/unpacked"
if ! "$TOP/scripts/package.sh" --no-build "$BUILD" "$OUTDIR/dist" >"$OUTDIR/package.log" 2>&1; then
    e2e_fail "scripts/package.sh failed: $(cat "$OUTDIR/package.log")"
    exit 1
fi
# The zips are named after the folder they hold, quillmap-VERSION.
FOLDER=$(basename "$(grep -- '-win64\.zip$' "$OUTDIR/package.log")" -win64.zip)
VERSION=${FOLDER#quillmap-}

# The files every zip holds, whatever its architecture.
expected_files() {
    local file
    for file in quillmap.exe quillmap.chm readme.txt plugins/blocklist.dll plugins/checksum.dll \
        plugins/nocomments.dll skins/gradient.dll encodings/iso-8859-5.enc encodings/koi8-r.enc \
        encodings/mac-cyrillic.enc sdk/GUIDE.md sdk/quillmap_plugin.h; do
        printf '%s/%s\n' "$FOLDER" "$file"
    done
    (cd "$TOP/samples" && find blocklist checksum common gradient nocomments -type f) |
        sed "s|^|$FOLDER/sdk/samples/|"
}

# holds_release ARCH FORMAT: the zip lists exactly the expected files, and its program is a
# Windows program of the architecture (objdump's FORMAT).
holds_release() {
    local zipfile="$OUTDIR/dist/$FOLDER-$1.zip" format
    diff <(unzip -Z1 "$zipfile" | LC_ALL=C sort) <(expected_files | LC_ALL=C sort) >&2 || return 1
    mkdir -p "$OUTDIR/unpacked/$1" && unzip -q -o "$zipfile" -d "$OUTDIR/unpacked/$1" || return 1
    format=$(x86_64-w64-mingw32-objdump -f "$OUTDIR/unpacked/$1/$FOLDER/quillmap.exe" | sed -n 's/.*file format //p')
    e2e_log "$1: quillmap.exe is $format"
    [ "$format" = "$2" ]
}
check "the 64-bit zip holds the release" holds_release win64 pei-x86-64
check "the 32-bit zip holds the release" holds_release win32 pei-i386
PROGRAM_FOLDER="$OUTDIR/unpacked/win64/$FOLDER"

# The read-me is for Notepad on a Russian Windows: Windows-1251, CRLF, with the version.
readme_readable() {
    local text
    text=$(iconv -f CP1251 -t UTF-8 "$PROGRAM_FOLDER/readme.txt") || return 1
    grep -q "^Quillmap $VERSION" <<<"$text" && grep -q 'справка' <<<"$text" &&
        [ "$(grep -c $'\r$' "$PROGRAM_FOLDER/readme.txt")" -eq "$(wc -l <"$PROGRAM_FOLDER/readme.txt")" ]
}
check "readme.txt is Russian in Windows-1251 with CRLF line ends" readme_readable

# The help's table of contents, taken out of the .chm, lists every page the project names, and
# each one is in the file.
help_complete() {
    local inside="$OUTDIR/chm" page
    rm -rf "$inside" && extract_chmLib "$PROGRAM_FOLDER/quillmap.chm" "$inside" >/dev/null || return 1
    for page in $(sed -n '/^\[FILES\]/,$p' "$TOP/help/quillmap.hhp" | grep '\.htm$'); do
        grep -q "value=\"$page\"" "$inside/toc.hhc" || { e2e_fail "the contents lack $page"; return 1; }
        [ -s "$inside/$page" ] || { e2e_fail "quillmap.chm lacks $page"; return 1; }
    done
    e2e_log "contents: $(iconv -f CP1251 -t UTF-8 "$inside/toc.hhc" | sed -n 's/.*name="Name" value="\([^"]*\)".*/\1/p' | paste -sd '|')"
}
check "quillmap.chm's table of contents names every page" help_complete

# The unpacked plug-ins and skin, run as the plug-in test runs the built ones.
check "the unpacked plug-ins and skin are found and work" \
    bash "$(dirname "$0")/plugins.sh" "$PROGRAM_FOLDER/quillmap.exe" "$OUTDIR/plugins" "$GIF"

# F1 in the unpacked program: the help viewer opens its quillmap.chm. The viewer's caption is
# the help's title, "Quillmap — справка" (Wine shows it in its own code page).
EXE="$PROGRAM_FOLDER/quillmap.exe"
e2e_install_cleanup
e2e_run_on_copy help.gif || exit 1
keys F1
VIEWER=$(wait_for_window '^Quillmap ' 30)
check "F1 opens the help viewer" [ -n "$VIEWER" ]
if [ -n "$VIEWER" ]; then
    # Its contents pane takes a while to fill.
    sleep 5
    screenshot "$OUTDIR/help.png"
    e2e_log "screenshot: $OUTDIR/help.png"
    # The viewer has the keyboard: Alt+F4 closes it and gives the program back its window.
    keys alt+F4
    sleep 2
fi
e2e_close_program release
