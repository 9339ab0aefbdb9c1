#!/usr/bin/env bash
# End-to-end: editing codes in quillmap.exe under Wine. On a copy of a GIF it types digits in
# insert mode, then in overwrite mode, selects a code with Shift and the arrows, deletes it,
# undoes the deletion and saves with Ctrl+S; the saved bytes are the expected ones. It also
# opens a field by its box with the mouse and drags a selection. Screenshots show the caret, the
# selection and the opened field.
# Usage: editing.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup

e2e_run_on_copy edited.gif || exit 1

# Insert mode, the caret on the first digit of 47 ("G"): 4 makes a new code 47 before it, whose
# second digit 1 then overwrites: 41. In overwrite mode 5 and 0 turn the old 47 into 50.
keys 4 1
keys Insert
keys 5 0
# Shift+Right twice selects the two digits of 49 ("I").
keys shift+Right shift+Right
screenshot "$OUTDIR/selection.png"
e2e_log "screenshot: $OUTDIR/selection.png"
keys Delete
keys ctrl+z
keys ctrl+s
sleep 1

{ printf 'AP'; tail -c +2 "$GIF"; } >"$OUTDIR/expected.gif"
check "the saved file holds the typed codes, the deletion undone" cmp -s "$OUTDIR/expected.gif" "$COPY"
NAME=$(LC_ALL=C.UTF-8 xdotool getwindowname "$WINDOW")
check "the caption has no change mark after saving (got '$NAME')" [ "$NAME" = "edited.gif - Quillmap" ]

# Undone four times, the file is a GIF again: its fields show their boxes. The green plus of
# the first closed field, found on the screen, opens it.
keys ctrl+z ctrl+z ctrl+z ctrl+z
screenshot "$OUTDIR/before_open.png"
PLUS=$(convert "$OUTDIR/before_open.png" -depth 8 txt:- | awk -F'[,: ]+' '/#008000/ { print $1, $2; exit }')
if [ -n "$PLUS" ]; then
    read -r PX PY <<<"$PLUS"
    xdotool mousemove "$PX" "$((PY + 1))" click 1
    sleep 1
    screenshot "$OUTDIR/opened.png"
    e2e_log "screenshot: $OUTDIR/opened.png"
    AFTER=$(convert "$OUTDIR/opened.png" -crop "12x12+$((PX - 3))+$((PY - 5))" +repage -depth 8 txt:- | grep -c '#008000')
    check "a click on the plus opens its field (green left: $AFTER)" [ "$AFTER" -eq 0 ]
else
    check "a closed field shows its green plus" false
fi

# A drag across the first row's codes selects them: the selection's colour shows there.
xdotool mousemove --window "$WINDOW" 110 80 mousedown 1 mousemove --window "$WINDOW" 200 80 \
    mousemove --window "$WINDOW" 260 80 mouseup 1
sleep 1
screenshot "$OUTDIR/dragged.png"
e2e_log "screenshot: $OUTDIR/dragged.png"

# Undone to the original and saved, the file is the original again; then the program ends.
keys ctrl+s
sleep 1
check "saved again after undoing everything, the file is the original" cmp -s "$GIF" "$COPY"
e2e_close_program editing
