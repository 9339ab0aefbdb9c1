#!/usr/bin/env bash
# End-to-end: the structure view's own commands in quillmap.exe under Wine. On a copy of a GIF it
# copies the first six codes as text with Ctrl+Shift+C and reads them from X's clipboard, pastes
# codes another program put there with Ctrl+Shift+V and saves; sets four codes to a row in the
# window of "Число столбцов..." (the copied codes then break after the fourth); and opens the
# first containers, whose fields show numbers, flag groups, colour swatches and the image button
# (screenshots values.png and image_button.png).
# Usage: view_commands.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup
e2e_run_on_copy codes.gif || exit 1

# The first six codes as the view shows them, in hexadecimal with leading zeros, each followed
# by a space (a row holds eight).
for _ in $(seq 1 12); do keys shift+Right; done
keys ctrl+shift+c
COPIED=$(timeout 10 xclip -selection clipboard -o 2>/dev/null)
EXPECTED=$(head -c 6 "$GIF" | od -An -tx1 | tr 'a-f' 'A-F' | tr -s ' \n' ' ' | sed 's/^ //')
check "Ctrl+Shift+C puts the codes on X's clipboard as text (got '$COPIED')" [ "$COPIED" = "$EXPECTED" ]

# Codes another program put on the clipboard, in lower case and across a line break, pasted at
# the start and saved.
printf '41 42\n43' | xclip -selection clipboard -quiet >/dev/null 2>&1 &
XCLIP_PID=$!
PIDS+=("$XCLIP_PID")
sleep 1
keys ctrl+Home ctrl+shift+v ctrl+s
sleep 1
{ printf 'ABC'; cat "$GIF"; } >"$OUTDIR/expected.gif"
check "Ctrl+Shift+V pastes another program's codes as bytes" cmp -s "$OUTDIR/expected.gif" "$COPY"
kill "$XCLIP_PID" 2>/dev/null
wait "$XCLIP_PID" 2>/dev/null
screenshot "$OUTDIR/pasted.png"
e2e_log "screenshot: $OUTDIR/pasted.png"

# "Формат", then its second item, "Число столбцов...": the window opens at the mouse with its
# number selected. 4 and Enter, then Esc to put it away.
xdotool mousemove --window "$WINDOW" 133 32 click 1
sleep 1
keys Down Down Return
sleep 1
screenshot "$OUTDIR/column_window.png"
e2e_log "screenshot: $OUTDIR/column_window.png"
keys 4 Return Escape
keys ctrl+Home
for _ in $(seq 1 12); do keys shift+Right; done
keys ctrl+shift+c
COPIED=$(timeout 10 xclip -selection clipboard -o 2>/dev/null | od -An -c | tr -s ' \n' ' ')
check "with four codes to a row the copied codes break after the fourth (got '$COPIED')" \
    [ "$COPIED" = " 4 1 4 2 4 3 4 7 \r 4 9 4 6 " ]

# The paste undone, the file is a GIF again. The green plus of each closed container, top
# first: five of them opened.
keys ctrl+z
open_closed_containers
keys ctrl+Home
screenshot "$OUTDIR/values.png"
e2e_log "screenshot: $OUTDIR/values.png"
# At the end, the image's data with its button: a house with yellow walls.
keys ctrl+End
screenshot "$OUTDIR/image_button.png"
e2e_log "screenshot: $OUTDIR/image_button.png"
YELLOW=$(convert "$OUTDIR/image_button.png" -depth 8 txt:- | grep -c '#FFFF00')
check "the image's data shows its button ($YELLOW yellow pixels)" [ "$YELLOW" -gt 5 ]
keys ctrl+s
sleep 1
check "saved after the undo, the file is the original again" cmp -s "$GIF" "$COPY"

e2e_close_program view_commands
