#!/usr/bin/env bash
# End-to-end: "Дополнительно" › "Закрепить внешний вид за файлами..." pins the window's
# appearance to the open file. The dialog is photographed empty and with the file added; the
# window is then moved and the program closed, which records the new place in the pinned record.
# Started again on that file the window comes back there; started on another file it takes the
# default place, where the first run put it. The pinned path stays in data.dat throughout.
# Screenshots: pinned_dialog.png, pinned_added.png, pinned_again.png, default_again.png.
# Usage: pinned_files.sh EXE OUTDIR GIF OTHERGIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF OTHERGIF" 4 "$@"
GIF=$3
OTHERGIF=$4
e2e_install_cleanup

STATE="$(dirname "$EXE")/data.dat"
TITLE='^Закреплённые файлы$'

# pinned_count: how many times the pinned file's name is in data.dat: once in the recent list,
# which the end puts it in, and once more for its pinned record.
pinned_count() { grep -a -o -F "$(windows_path "$COPY")" "$STATE" | wc -l; }

e2e_run_on_copy pinned.gif || exit 1
window_geometry "$WINDOW" || exit 1
DEFAULT_X=$WINDOW_X DEFAULT_Y=$WINDOW_Y
e2e_log "first run: the window at $DEFAULT_X,$DEFAULT_Y"

# "Дополнительно", then its second item.
xdotool mousemove --window "$WINDOW" 214 32 click 1
sleep 1
keys Down Down Return
DIALOG=$(wait_for_window "$TITLE" 20) || DIALOG=""
check "\"Закрепить внешний вид за файлами...\" opens \"Закреплённые файлы\"" [ -n "$DIALOG" ]
sleep 1
screenshot "$OUTDIR/pinned_dialog.png"
e2e_log "screenshot: $OUTDIR/pinned_dialog.png"
# The first button, "Добавить текущий", has the keyboard: Enter adds the file; two Tabs on, "ОК".
keys Return
screenshot "$OUTDIR/pinned_added.png"
e2e_log "screenshot: $OUTDIR/pinned_added.png"
keys Tab Tab Return
for _ in $(seq 1 10); do
    [ -n "$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null)" ] || break
    sleep 0.5
done
check "\"ОК\" closes the dialog" [ -z "$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null)" ]

# Somewhere else, then closed: the end records the place in the file's pinned record.
MOVED_X=$((DEFAULT_X > 150 ? DEFAULT_X - 120 : DEFAULT_X + 120))
MOVED_Y=$((DEFAULT_Y > 100 ? DEFAULT_Y - 60 : DEFAULT_Y + 60))
xdotool windowmove --sync "$WINDOW" "$MOVED_X" "$MOVED_Y" 2>/dev/null
sleep 1
window_geometry "$WINDOW"
MOVED_X=$WINDOW_X MOVED_Y=$WINDOW_Y
e2e_log "moved to $MOVED_X,$MOVED_Y"
e2e_end_program
check "the program ends and leaves data.dat" [ -s "$STATE" ]
check "data.dat holds the file's path in the recent list and the pinned one (got $(pinned_count))" [ "$(pinned_count)" = 2 ]

# The pinned records come before the recent list: the first copy of the path is the record's,
# followed by its left and top (big-endian Int32).
int32_at() { od -An -tu1 -j "$1" -N 4 "$STATE" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
PINNED_NAME=$(windows_path "$COPY")
RECORD_AT=$(grep -a -b -o -F "$PINNED_NAME" "$STATE" | head -n 1 | cut -d: -f1)
RECORD_AT=$((${RECORD_AT:-0} + ${#PINNED_NAME}))
RECORDED="$(int32_at "$RECORD_AT"),$(int32_at $((RECORD_AT + 4)))"
check "the end recorded the moved window in the pinned record ($MOVED_X,$MOVED_Y; got $RECORDED)" \
    [ "$RECORDED" = "$MOVED_X,$MOVED_Y" ]

e2e_start_on "$COPY" || exit 1
window_geometry "$WINDOW"
screenshot "$OUTDIR/pinned_again.png"
e2e_log "screenshot: $OUTDIR/pinned_again.png"
check "the pinned file opens where its window was closed ($MOVED_X,$MOVED_Y; got $WINDOW_X,$WINDOW_Y)" \
    [ "$WINDOW_X,$WINDOW_Y" = "$MOVED_X,$MOVED_Y" ]
e2e_end_program
check "data.dat still holds the path in both lists (got $(pinned_count))" [ "$(pinned_count)" = 2 ]

OTHER="$OUTDIR/files/other.gif"
cp "$OTHERGIF" "$OTHER" && chmod u+w "$OTHER" || exit 1
e2e_start_on "$OTHER" || exit 1
window_geometry "$WINDOW"
screenshot "$OUTDIR/default_again.png"
e2e_log "screenshot: $OUTDIR/default_again.png"
check "another file takes the default place ($DEFAULT_X,$DEFAULT_Y; got $WINDOW_X,$WINDOW_Y)" \
    [ "$WINDOW_X,$WINDOW_Y" = "$DEFAULT_X,$DEFAULT_Y" ]
e2e_close_program pinned_files
