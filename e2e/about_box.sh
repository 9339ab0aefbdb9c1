#!/usr/bin/env bash
# End-to-end: the about box of quillmap.exe under Wine. "Помощь" > "О программе..." opened by
# keyboard shows "О программе" centred over the main window, with the maroon program name in
# it; Esc hides it and gives the keyboard back to the main window. A screenshot shows the box.
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

# main_active SECONDS: polls until the main window is the active one.
main_active() {
    local deadline=$((SECONDS + $1))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$WINDOW" ] && return 0
        sleep 0.2
    done
    return 1
}

e2e_run_on_copy about.gif || exit 1
window_geometry "$WINDOW" || exit 1
MAIN_CX=$((WINDOW_X + WINDOW_WIDTH / 2)) MAIN_CY=$((WINDOW_Y + WINDOW_HEIGHT / 2))

# F10 takes the menu bar with "Файл" highlighted; five steps right reach "Помощь", Down opens it on
# "Справка...", and one more Down is "О программе...".
keys F10 Right Right Right Right Right Down Down Return
if BOX=$(wait_for_window "$ABOUT" 15); then
    sleep 1
    screenshot "$OUTDIR/about.png"
    e2e_log "screenshot: $OUTDIR/about.png"
    window_geometry "$BOX" || exit 1
    AREA="${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}"
    MAROON=$(maroon_pixels "$OUTDIR/about.png" "$AREA")
    check "the box shows the maroon program name ($MAROON maroon pixels)" [ "$MAROON" -gt 40 ]
    DX=$((WINDOW_X + WINDOW_WIDTH / 2 - MAIN_CX)) DY=$((WINDOW_Y + WINDOW_HEIGHT / 2 - MAIN_CY))
    check "the box is centred over the main window (off by $DX, $DY)" near_zero "$DX" "$DY"
    check "the box has the keyboard" [ "$(xdotool getactivewindow 2>/dev/null)" = "$BOX" ]
    keys Escape
    check "Esc hides the box" about_gone 10
    check "and the main window has the keyboard again" main_active 10
    screenshot "$OUTDIR/after.png"
    OUTSIDE=$(maroon_pixels "$OUTDIR/after.png" "$AREA")
    check "nothing of the box is left on the screen ($OUTSIDE maroon pixels)" [ "$OUTSIDE" -lt 10 ]
else
    check "\"Помощь\" > \"О программе...\" shows the about box" false
    screenshot "$OUTDIR/about.png"
fi

e2e_close_program about_box
