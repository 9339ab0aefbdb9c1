#!/usr/bin/env bash
# End-to-end: a 20 MB GIF of ten million one-byte sub-blocks in quillmap.exe under Wine. Its image
# block opened with the mouse, Ctrl+End shows the last sub-blocks; Ctrl+F finds the one marked
# sub-block in the middle, a typed digit replaces its data and Ctrl+Z takes that back; Ctrl+S then
# writes the file unchanged. The program's peak memory stays within twice the file's size and
# 64 MB (screenshots opened.png, end.png, typed.png, undone.png).
# Usage: large_file.sh EXE OUTDIR
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR" 2 "$@"
GIF=$OUTDIR/onebyte.gif
python3 "$(dirname "$0")/../tests/onebyte_gif.py" 10000000 "$GIF" 5000000 || exit 1
e2e_install_cleanup
e2e_run_on_copy onebyte.gif || exit 1

# The program's peak resident memory in bytes.
peak_memory() { awk '/^VmHWM:/ { print $2 * 1024 }' "/proc/$PROGRAM_PID/status"; }
shot() {
    screenshot "$OUTDIR/$1.png"
    e2e_log "screenshot: $OUTDIR/$1.png"
}
# differ A B: the two screenshots differ in more than a caret's worth of pixels.
differ() {
    local changed
    changed=$(compare -metric AE "$OUTDIR/$1.png" "$OUTDIR/$2.png" null: 2>&1 | cut -d' ' -f1)
    [ "${changed%.*}" -gt 200 ]
}

e2e_log "peak memory after opening: $(peak_memory) bytes"
open_closed_containers
shot opened
keys ctrl+End
shot end
check "Ctrl+End shows other rows than the top of the opened image" differ opened end

keys ctrl+f
sleep 1
xdotool type --delay 60 '55'
keys Return
check "the find dialog shows" visible_window '^Найти$'
keys Escape
sleep 1
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
keys ctrl+c
COPIED=$(timeout 10 xclip -selection clipboard -o 2>/dev/null)
check "the search selected the marked data in the middle (copied '$COPIED')" [ "$COPIED" = "U" ]
shot found
keys 7
shot typed
check "the typed digit shows in the middle" differ found typed
keys ctrl+z
shot undone
keys ctrl+s
sleep 3
check "undone and saved, the file is as it was" cmp -s "$GIF" "$COPY"

PEAK=$(peak_memory)
SIZE=$(stat -c %s "$GIF")
BOUND=$((2 * SIZE + 64 * 1024 * 1024))
e2e_log "peak memory $PEAK bytes for a file of $SIZE bytes (bound $BOUND)"
within_bound() { [ "${PEAK:-0}" -gt 0 ] && [ "$PEAK" -le "$BOUND" ]; }
check "the peak memory ($PEAK bytes) stays within twice the file and 64 MB ($BOUND)" within_bound
e2e_close_program large_file
