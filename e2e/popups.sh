#!/usr/bin/env bash
# End-to-end: the popup windows of quillmap.exe under Wine. A click on a field's description opens
# the cream text popup at the mouse (screenshot text_popup.png); moving the mouse over the view
# closes it, and the next click opens it again. With the containers opened, a click on the image's
# button shows the decoded picture in a cream border (image_popup.png), and Esc closes it. Esc
# right after the text popup opened, and a move away from the small picture popup, are sent as
# well but only logged: under Wine on a bare X server neither closes its popup at once. The
# screenshots are taken as the steps go and counted afterwards, so that the counting does not
# stretch the time between them.
# Usage: popups.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup
e2e_run_on_copy popups.gif || exit 1

# cream FILE: how many pixels have the popups' cream, RGB (255, 251, 240).
cream() { convert "$1" -depth 8 txt:- | grep -c '#FFFBF0'; }
# shot NAME: a screenshot in OUTDIR.
shot() { screenshot "$OUTDIR/$1.png"; }
# move_over_view: the mouse moves twice over the view, away from the popups, and the program
# follows.
move_over_view() {
    xdotool mousemove "$AWAY_X" "$AWAY_Y"
    sleep 0.5
    xdotool mousemove $((AWAY_X + 10)) $((AWAY_Y + 5))
    sleep 1
}

window_geometry "$WINDOW" || e2e_fail "no geometry of the main window"
shot before
# The description of the first field, at the right of its block.
DESC_X=$((WINDOW_X + WINDOW_WIDTH - 150))
DESC_Y=$((WINDOW_Y + 110))
# A point of the view far from the popup, for the mouse to move over.
AWAY_X=$((WINDOW_X + 60))
AWAY_Y=$((WINDOW_Y + WINDOW_HEIGHT - 80))

xdotool mousemove "$DESC_X" "$DESC_Y" click 1
sleep 1
shot text_popup
keys Escape
sleep 1
shot after_esc
move_over_view
shot after_move
xdotool mousemove "$DESC_X" "$DESC_Y" click 1
sleep 1
shot text_popup_again
move_over_view

BEFORE=$(cream "$OUTDIR/before.png")
SHOWN=$(cream "$OUTDIR/text_popup.png")
e2e_log "screenshot: $OUTDIR/text_popup.png"
check "a click on a description shows the cream text popup ($BEFORE cream pixels before, $SHOWN after)" \
    [ "$SHOWN" -gt $((BEFORE + 2000)) ]
e2e_log "cream pixels a second after Esc: $(cream "$OUTDIR/after_esc.png")"
GONE=$(cream "$OUTDIR/after_move.png")
check "moving the mouse over the view closes the text popup ($GONE cream pixels)" [ "$GONE" -le $((BEFORE + 50)) ]
AGAIN=$(cream "$OUTDIR/text_popup_again.png")
check "the next click opens a new text popup ($AGAIN cream pixels)" [ "$AGAIN" -gt $((BEFORE + 2000)) ]

# The green plus of each closed container, top first, opened; then the image's data at the end
# with its button, a house with yellow walls.
open_closed_containers
keys ctrl+End
shot image_button
BUTTON=$(convert "$OUTDIR/image_button.png" -depth 8 txt:- | awk -F'[,: ]+' '/#FFFF00/ { print $1, $2; exit }')
check "the image's data shows its button" [ -n "$BUTTON" ]
if [ -n "$BUTTON" ]; then
    read -r BX BY <<<"$BUTTON"
    xdotool mousemove "$BX" "$BY" click 1
    # The picture fades in over about a fifth of a second.
    sleep 1
    shot image_popup
    move_over_view
    shot after_picture_move
    keys Escape
    sleep 1
    shot after_picture
    BUTTON_CREAM=$(cream "$OUTDIR/image_button.png")
    PICTURE=$(cream "$OUTDIR/image_popup.png")
    e2e_log "screenshot: $OUTDIR/image_popup.png"
    check "a click on the image button shows the picture in a cream border ($BUTTON_CREAM cream pixels before, $PICTURE after)" \
        [ "$PICTURE" -gt $((BUTTON_CREAM + 40)) ]
    e2e_log "cream pixels after moving away from the picture: $(cream "$OUTDIR/after_picture_move.png")"
    CLOSED=$(cream "$OUTDIR/after_picture.png")
    check "Esc closes the picture ($CLOSED cream pixels)" [ "$CLOSED" -le $((BUTTON_CREAM + 10)) ]
fi

e2e_close_program popups
