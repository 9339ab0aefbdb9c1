#!/usr/bin/env bash
# End-to-end: the clipboard and the window modes of quillmap.exe under Wine. On a copy of a GIF it
# copies the first six codes and reads them from X's clipboard; copies everything, pastes it at the
# end and saves (the file is then twice the original, zeros and all); pastes text another program
# put on the clipboard; and switches "Всё лишнее убрано" on and off with F2, looking at the top of
# the window each time. Screenshots show the window in both modes.
# Dropped files are not driven here: no program of this machine can start an X drag and drop
# that Wine would take. The window's handling of WM_DROPFILES is checked by the backend checks.
# Usage: window_commands.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup

e2e_run_on_copy copied.gif || exit 1
clipboard_text() { timeout 10 xclip -selection clipboard -o 2>/dev/null; }

# The first six codes, two digits each, selected and copied: X's clipboard has their text.
for _ in $(seq 1 12); do keys shift+Right; done
keys ctrl+c
COPIED=$(clipboard_text)
check "the first six codes reach X's clipboard as text (got '$COPIED')" [ "$COPIED" = "$(head -c 6 "$GIF")" ]

# Everything copied and pasted at the end: the saved file is the original twice over.
keys ctrl+a ctrl+c ctrl+End ctrl+v
screenshot "$OUTDIR/pasted.png"
e2e_log "screenshot: $OUTDIR/pasted.png"
keys ctrl+s
sleep 1
cat "$GIF" "$GIF" >"$OUTDIR/twice.gif"
check "copy, paste at the end and save give the file twice" cmp -s "$OUTDIR/twice.gif" "$COPY"

# Text another program put on the clipboard pastes as its bytes, at the start.
printf 'Hello, GIF' | xclip -selection clipboard -quiet >/dev/null 2>&1 &
XCLIP_PID=$!
PIDS+=("$XCLIP_PID")
sleep 1
keys ctrl+Home ctrl+v ctrl+s
sleep 1
{ printf 'Hello, GIF'; cat "$OUTDIR/twice.gif"; } >"$OUTDIR/expected.gif"
check "text from another program pastes as its bytes" cmp -s "$OUTDIR/expected.gif" "$COPY"
kill "$XCLIP_PID" 2>/dev/null
wait "$XCLIP_PID" 2>/dev/null

# The title bar and the menu bar take the window's top rows. Wine draws the title bar itself
# here (there is no window manager), in its dark caption colour.
window_geometry "$WINDOW" || exit 1
top_band() { mean_brightness "$1" "$((WINDOW_WIDTH - 40))x14+$((WINDOW_X + 20))+$((WINDOW_Y + 2))"; }
screenshot "$OUTDIR/normal.png"
NORMAL=$(top_band "$OUTDIR/normal.png")

# mode_shot NAME: the window once Wine has redrawn its frame, which without a window manager
# takes a few seconds; BAND is then the brightness of its top rows.
mode_shot() {
    sleep 5
    screenshot "$OUTDIR/$1.png"
    e2e_log "screenshot: $OUTDIR/$1.png"
    BAND=$(top_band "$OUTDIR/$1.png")
}

# F2: the warning first ("Продолжить" is its first button), then the mode.
keys F2
sleep 1
screenshot "$OUTDIR/warning.png"
e2e_log "screenshot: $OUTDIR/warning.png"
keys Return
mode_shot all_removed
check "F2 takes the title bar away (top brightness $NORMAL, then $BAND)" \
    awk -v a="$NORMAL" -v b="$BAND" 'BEGIN { exit !(b > a + 0.3) }'
keys F2
mode_shot restored
check "F2 again gives it back (top brightness $BAND)" \
    awk -v a="$NORMAL" -v b="$BAND" 'BEGIN { exit !(b < a + 0.05 && b > a - 0.05) }'

e2e_close_program window_commands
