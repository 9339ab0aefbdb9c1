#!/usr/bin/env bash
# End-to-end: the recent files of quillmap.exe under Wine. A first run on first.gif moves the
# caret and ends; a second run on second.gif offers first.gif after a restart: Ctrl+Tab shows the
# switcher (switcher.png) and releasing Ctrl reopens first.gif with the caret where it was left
# (its status bar as it was). "Файл" then offers second.gif, left for first.gif (file_menu.png),
# and choosing it opens it.
# Usage: recent_files.sh EXE OUTDIR GIF OTHERGIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF OTHERGIF" 4 "$@"
GIF=$3
OTHER=$4
e2e_install_cleanup

# status_bar FILE OUT: the status bar's first panel, the caret's line and column, cut out.
status_bar() { convert "$1" -crop "70x18+${WINDOW_X}+$((WINDOW_Y + WINDOW_HEIGHT - 19))" +repage "$2"; }
# same_picture A B: the two pictures have no pixel apart.
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
# caption_becomes PATTERN: the program's window takes a caption matching PATTERN within 20 s.
caption_becomes() { wait_for_window "$1" 20 "$PROGRAM_PID" >/dev/null; }

e2e_run_on_copy first.gif || exit 1
FIRST=$COPY
window_geometry "$WINDOW" || e2e_fail "no geometry of the main window"
keys Down Down Down Right Right Right
screenshot "$OUTDIR/first_left.png"
status_bar "$OUTDIR/first_left.png" "$OUTDIR/caret_left.png"
e2e_end_program
check "the first run ends" [ -s "$(dirname "$EXE")/data.dat" ]

cp "$OTHER" "$OUTDIR/files/second.gif" && chmod u+w "$OUTDIR/files/second.gif"
e2e_start_on "$OUTDIR/files/second.gif" || exit 1
window_geometry "$WINDOW" || e2e_fail "no geometry of the main window"

# Ctrl held through two presses of Tab and one of Shift+Tab: back on the first row, first.gif.
xdotool keydown ctrl key Tab
sleep 0.5
xdotool key Tab key shift+Tab
sleep 1
screenshot "$OUTDIR/switcher.png"
xdotool keyup ctrl
check "releasing Ctrl opens first.gif from the recent list" caption_becomes '^first\.gif - Quillmap$'
sleep 1
screenshot "$OUTDIR/first_again.png"
status_bar "$OUTDIR/first_again.png" "$OUTDIR/caret_again.png"
check "first.gif opens with the caret where it was left" same_picture "$OUTDIR/caret_left.png" "$OUTDIR/caret_again.png"
# The switcher's selected row: yellow letters on navy.
SWITCHER=$(convert "$OUTDIR/switcher.png" -depth 8 txt:- | grep -c '#000080')
check "Ctrl+Tab showed the switcher with a row selected ($SWITCHER navy pixels)" [ "$SWITCHER" -gt 100 ]

# "Файл": second.gif, left for first.gif, is the first recent file, after five commands.
xdotool mousemove --window "$WINDOW" 20 32 click 1
sleep 1
screenshot "$OUTDIR/file_menu.png"
keys Down Down Down Down Down Down Return
check "choosing second.gif in \"Файл\" opens it" caption_becomes '^second\.gif - Quillmap$'
check "first.gif was not changed" cmp -s "$FIRST" "$GIF"

e2e_close_program recent_files
