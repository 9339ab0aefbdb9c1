#!/usr/bin/env bash
# End-to-end: the navigator in quillmap.exe under Wine. "Формат" › "Навигация" shows the tool
# window "Навигатор" with the outline of the file's fields, closed containers with their green
# plus (screenshot navigator.png); a click on the first plus opens it, its box then showing the
# red bar (screenshot opened.png); a click on a title moves the main window's view to that field
# (screenshot revealed.png); choosing "Навигация" again hides the window.
# Usage: navigator.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup
e2e_run_on_copy outline.gif || exit 1

# "Навигация" is the first item of "Формат".
choose_navigation() {
    xdotool mousemove --window "$WINDOW" 133 32 click 1
    sleep 1
    keys Down Return
}

# pixels FILE COLOUR: how many pixels of the navigator's client area in the screenshot have
# the colour (#RRGGBB).
pixels() {
    convert "$1" -crop "${NAV_WIDTH}x${NAV_HEIGHT}+${NAV_X}+${NAV_Y}" -depth 8 txt:- | grep -c "$2"
}

navigator_shown() { LC_ALL=C.UTF-8 xdotool search --onlyvisible --name '^Навигатор$' 2>/dev/null | head -n 1; }

choose_navigation
NAVIGATOR=$(wait_for_window '^Навигатор$' 10) || exit 1
# Where it first comes (100, 100 with a new data.dat) it covers the main window's menu bar.
xdotool windowmove --sync "$NAVIGATOR" 700 250 2>/dev/null
sleep 1
window_geometry "$NAVIGATOR"
NAV_X=$WINDOW_X NAV_Y=$WINDOW_Y NAV_WIDTH=$WINDOW_WIDTH NAV_HEIGHT=$WINDOW_HEIGHT
e2e_log "navigator at ${NAV_X},${NAV_Y} size ${NAV_WIDTH}x${NAV_HEIGHT}"
screenshot "$OUTDIR/navigator.png"
e2e_log "screenshot: $OUTDIR/navigator.png"
GREEN=$(pixels "$OUTDIR/navigator.png" '#008000')
check "the outline shows closed containers with their green plus ($GREEN pixels)" [ "$GREEN" -gt 4 ]
DARK=$(pixels "$OUTDIR/navigator.png" '#000000')
check "the outline shows the titles in black ($DARK pixels)" [ "$DARK" -gt 50 ]
RED=$(pixels "$OUTDIR/navigator.png" '#FF0000')
check "nothing is open yet ($RED red pixels)" [ "$RED" -eq 0 ]

# The first green plus, the top one, opens its container.
PLUS=$(convert "$OUTDIR/navigator.png" -crop "${NAV_WIDTH}x${NAV_HEIGHT}+${NAV_X}+${NAV_Y}" +repage -depth 8 txt:- |
    awk -F'[,: ]+' '/#008000/ { print $1, $2; exit }')
read -r PX PY <<<"$PLUS"
xdotool mousemove "$((NAV_X + PX))" "$((NAV_Y + PY + 1))" click 1
sleep 1
screenshot "$OUTDIR/opened.png"
e2e_log "screenshot: $OUTDIR/opened.png"
RED=$(pixels "$OUTDIR/opened.png" '#FF0000')
check "the opened container's box shows the red bar ($RED pixels)" [ "$RED" -gt 2 ]

# A title two thirds of the way down, a block far into the file: the main window's view moves
# to it (screenshot revealed.png).
window_geometry "$WINDOW"
MAIN_AREA="${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}"
convert "$OUTDIR/opened.png" -crop "$MAIN_AREA" +repage "$OUTDIR/main_before.png"
xdotool mousemove "$((NAV_X + 60))" "$((NAV_Y + NAV_HEIGHT * 2 / 3))"
sleep 0.5
xdotool click 1
sleep 1
screenshot "$OUTDIR/revealed.png"
e2e_log "screenshot: $OUTDIR/revealed.png"
convert "$OUTDIR/revealed.png" -crop "$MAIN_AREA" +repage "$OUTDIR/main_after.png"
CHANGED=$(compare -metric AE "$OUTDIR/main_before.png" "$OUTDIR/main_after.png" null: 2>&1 | cut -d' ' -f1)
check "a click on a title moves the main window's view ($CHANGED pixels changed)" [ "${CHANGED%.*}" -gt 1000 ]

# Chosen again, "Навигация" hides the window; Wine takes a moment to say so.
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
choose_navigation
for _ in $(seq 1 10); do
    [ -z "$(navigator_shown)" ] && break
    sleep 1
done
check "choosing \"Навигация\" again hides the navigator" [ -z "$(navigator_shown)" ]
screenshot "$OUTDIR/hidden.png"
e2e_log "screenshot: $OUTDIR/hidden.png"

e2e_close_program navigator
