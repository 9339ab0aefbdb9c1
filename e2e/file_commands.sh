#!/usr/bin/env bash
# End-to-end: the file commands of quillmap.exe under Wine. A copy of a GIF opened from the
# command line; Ctrl+I shows the document information beside the window and Esc closes it;
# "Сохранить как..." from the menu writes a byte-identical copy; Ctrl+N then Ctrl+S asks for a
# name; a second copy of the program asked for the same file brings the first forward and
# ends, while one asked for a file of the same name in another folder opens its own window.
# Usage: file_commands.sh EXE OUTDIR GIF   (screenshots go to OUTDIR)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup

# Two files of one name in two folders.
rm -rf "$OUTDIR/files"
mkdir -p "$OUTDIR/files/one" "$OUTDIR/files/two" || exit 1
cp "$GIF" "$OUTDIR/files/one/picture.gif" && cp "$GIF" "$OUTDIR/files/two/picture.gif" || exit 1
chmod u+w "$OUTDIR/files/one/picture.gif" "$OUTDIR/files/two/picture.gif"

start_xvfb || exit 1
start_wine_prefix "$OUTDIR/wineprefix" || exit 1

"$E2E_WINE" "$EXE" "$(windows_path "$OUTDIR/files/one/picture.gif")" >"$OUTDIR/first.log" 2>&1 &
PIDS+=($!)
FIRST=$(wait_for_window '^picture\.gif - Quillmap$' 90 "${PIDS[0]}") || exit 1
sleep 2

# The document information, then Esc.
xdotool windowactivate --sync "$FIRST" 2>/dev/null
xdotool key --clearmodifiers ctrl+i
if INFO=$(wait_for_window '^О документе$' 20); then
    sleep 1
    screenshot "$OUTDIR/document_info.png"
    e2e_log "screenshot: $OUTDIR/document_info.png"
    check "Ctrl+I shows the window \"О документе\"" true
    xdotool windowactivate --sync "$INFO" 2>/dev/null
    xdotool key --clearmodifiers Escape
    sleep 2
    SHOWN=$(LC_ALL=C.UTF-8 xdotool search --onlyvisible --name '^О документе$' 2>/dev/null | wc -l)
    check "Esc closes it ($SHOWN left)" [ "$SHOWN" -eq 0 ]
else
    check "Ctrl+I shows the window \"О документе\"" false
fi

# "Файл" > "Сохранить как..." by keyboard: F10 opens the menu bar, Down the first menu, three
# more Downs reach the fourth item.
xdotool windowactivate --sync "$FIRST" 2>/dev/null
xdotool key --clearmodifiers F10 Down Down Down Down Return
if DIALOG=$(wait_for_window '^Сохранить как\.\.\.$' 20); then
    sleep 1
    xdotool windowactivate --sync "$DIALOG" 2>/dev/null
    xdotool type --delay 20 "$(windows_path "$OUTDIR/files/copy.gif")"
    xdotool key Return
    for _ in $(seq 1 20); do [ -f "$OUTDIR/files/copy.gif" ] && break; sleep 0.5; done
    sleep 1
    check "\"Сохранить как...\" writes a byte-identical copy" cmp -s "$GIF" "$OUTDIR/files/copy.gif"
    check "the caption follows the new name" wait_for_window '^copy\.gif - Quillmap$' 10
else
    check "\"Сохранить как...\" opens the save dialog" false
fi

# A second copy asked for the same file comes forward in the first and ends.
"$E2E_WINE" "$EXE" "$(windows_path "$OUTDIR/files/copy.gif")" >"$OUTDIR/second.log" 2>&1 &
SECOND=$!
ENDED=""
for _ in $(seq 1 60); do
    if ! kill -0 "$SECOND" 2>/dev/null; then ENDED=yes; break; fi
    sleep 0.5
done
[ -z "$ENDED" ] && PIDS+=("$SECOND")
COPIES=$(LC_ALL=C.UTF-8 xdotool search --onlyvisible --name '^copy\.gif - Quillmap$' 2>/dev/null | wc -l)
check "a second copy with the same file ends at once" [ -n "$ENDED" ]
check "and leaves one window showing it ($COPIES)" [ "$COPIES" -eq 1 ]

# One asked for the same name in another folder opens its own window.
"$E2E_WINE" "$EXE" "$(windows_path "$OUTDIR/files/two/picture.gif")" >"$OUTDIR/third.log" 2>&1 &
PIDS+=($!)
check "a file of the same name in another folder opens a window of its own" \
    wait_for_window '^picture\.gif - Quillmap$' 60 "${PIDS[-1]}"

# Ctrl+N, then Ctrl+S asks for a name.
THIRD=$(wait_for_window '^picture\.gif - Quillmap$' 5)
xdotool windowactivate --sync "$THIRD" 2>/dev/null
xdotool key --clearmodifiers ctrl+n
sleep 1
xdotool key --clearmodifiers ctrl+s
if DIALOG=$(wait_for_window '^Сохранить как\.\.\.$' 20); then
    screenshot "$OUTDIR/save_dialog.png"
    check "Ctrl+S after Ctrl+N opens the save dialog" true
    xdotool windowactivate --sync "$DIALOG" 2>/dev/null
    xdotool key Escape
else
    check "Ctrl+S after Ctrl+N opens the save dialog" false
fi

if [ "$failures" -ne 0 ]; then
    echo "[e2e] file_commands: $failures check(s) failed; screenshots in $OUTDIR" >&2
    exit 1
fi
echo "[e2e] file_commands: passed; screenshots in $OUTDIR"
