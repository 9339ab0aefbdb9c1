#!/usr/bin/env bash
# End-to-end: the about box of quillmap.exe under Wine. "Помощь" > "О программе..." opened by
# keyboard shows "О программе" centred over the main window, with the maroon program name in
# it; Esc hides it and gives the keyboard back to the main window, whose menu keys open the box
# again; a click on the main window then hides it too. A screenshot shows the box.
# Usage: about_box.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup

ABOUT='^О программе$'

# maroon_pixels FILE WxH+X+Y: how many pixels of the area are maroon (#800000), the name's colour.
maroon_pixels() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- | grep -c '#800000'
}

# about_gone SECONDS: polls until no visible about box is left; hiding under Wine takes a moment.
about_gone() {
    local deadline=$((SECONDS + $1))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ -z "$(LC_ALL=C.UTF-8 xdotool search --onlyvisible --name "$ABOUT" 2>/dev/null)" ] && return 0
        sleep 0.2
    done
    return 1
}

# near_zero X Y: both within 2 pixels of 0, what halving odd sizes may leave.
near_zero() { [ "${1#-}" -le 2 ] && [ "${2#-}" -le 2 ]; }

# open_about: "Помощь" > "О программе..." by keyboard, in the window that has it. F10 takes the
# menu bar with "Файл" highlighted; five steps right reach "Помощь", Down opens it on
# "Справка...", and one more Down is "О программе...". Sets BOX, the box's window.
open_about() {
    keys F10 Right Right Right Right Right Down Down Return
    BOX=$(wait_for_window "$ABOUT" 15)
}

e2e_run_on_copy about.gif || exit 1
window_geometry "$WINDOW" || exit 1
MAIN_X=$WINDOW_X MAIN_Y=$WINDOW_Y MAIN_CX=$((WINDOW_X + WINDOW_WIDTH / 2)) MAIN_CY=$((WINDOW_Y + WINDOW_HEIGHT / 2))

if ! open_about; then
    screenshot "$OUTDIR/about.png"
    check "\"Помощь\" > \"О программе...\" shows the about box" false
    e2e_close_program about_box
fi
sleep 1
screenshot "$OUTDIR/about.png"
e2e_log "screenshot: $OUTDIR/about.png"
window_geometry "$BOX" || exit 1
AREA="${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}"
MAROON=$(maroon_pixels "$OUTDIR/about.png" "$AREA")
check "the box shows the maroon program name ($MAROON maroon pixels)" [ "$MAROON" -gt 40 ]
DX=$((WINDOW_X + WINDOW_WIDTH / 2 - MAIN_CX)) DY=$((WINDOW_Y + WINDOW_HEIGHT / 2 - MAIN_CY))
check "the box is centred over the main window (off by $DX, $DY)" near_zero "$DX" "$DY"

# Esc reaches the box, which has the keyboard, and hides it.
keys Escape
check "Esc hides the box" about_gone 10
screenshot "$OUTDIR/after.png"
OUTSIDE=$(maroon_pixels "$OUTDIR/after.png" "$AREA")
check "nothing of the box is left on the screen ($OUTSIDE maroon pixels)" [ "$OUTSIDE" -lt 10 ]

# The main window has the keyboard again: its menu keys open the box once more. A click on the
# main window beside the box then takes the activation away, which hides the box too.
if open_about; then
    check "after Esc the main window takes the menu keys again" true
    xdotool mousemove $((MAIN_X + 60)) $((MAIN_Y + 100)) click 1
    check "a click on the main window hides the box" about_gone 10
else
    check "after Esc the main window takes the menu keys again" false
fi

e2e_close_program about_box
