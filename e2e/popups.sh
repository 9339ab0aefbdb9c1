#!/usr/bin/env bash
# End-to-end: the popup windows of quillmap.exe under Wine. A click on a field's description opens
# the cream text popup at the mouse (screenshot text_popup.png), and Esc closes it; the next click
# opens it again and moving the mouse over the view closes it. With the containers opened, a
# click on the image's button shows the decoded picture in a cream border (image_popup.png), and
# Esc closes it; shown again, a move over the view closes it. Wine on a bare X server takes up to
# two seconds to hide a popup (it waits for a window manager that is not there), so closing is
# watched for rather than photographed once.
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
# closed_shot NAME LIMIT: photographs the screen into NAME until it shows at most LIMIT cream
# pixels, for up to eight seconds; prints the last count.
closed_shot() {
    local count
    for _ in $(seq 16); do
        shot "$1"
        count=$(cream "$OUTDIR/$1.png")
        [ "$count" -le "$2" ] && break
        sleep 0.5
    done
    echo "$count"
}
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

BEFORE=$(cream "$OUTDIR/before.png")
# open_popup X Y NAME: a click at (X, Y) and, once a popup would have faded in, a screenshot
# NAME; prints its cream pixels.
open_popup() {
    xdotool mousemove "$1" "$2" click 1
    sleep 1
    shot "$3"
    cream "$OUTDIR/$3.png"
}

SHOWN=$(open_popup "$DESC_X" "$DESC_Y" text_popup)
e2e_log "screenshot: $OUTDIR/text_popup.png"
check "a click on a description shows the cream text popup ($BEFORE cream pixels before, $SHOWN after)" \
    [ "$SHOWN" -gt $((BEFORE + 2000)) ]
keys Escape
GONE=$(closed_shot after_esc $((BEFORE + 50)))
check "Esc closes the text popup ($GONE cream pixels)" [ "$GONE" -le $((BEFORE + 50)) ]
AGAIN=$(open_popup "$DESC_X" "$DESC_Y" text_popup_again)
check "the next click opens a new text popup ($AGAIN cream pixels)" [ "$AGAIN" -gt $((BEFORE + 2000)) ]
move_over_view
GONE=$(closed_shot after_move $((BEFORE + 50)))
check "moving the mouse over the view closes the text popup ($GONE cream pixels)" [ "$GONE" -le $((BEFORE + 50)) ]

# image_button FILE: a point of the topmost image button in the screenshot FILE: the first
# yellow pixel of a pixel row with only a few yellow ones (a yellow colour's swatch is wide).
image_button() {
    convert "$1" -depth 8 txt:- | awk -F'[,: ]+' '
        /#FFFF00/ { count[$2]++; if (!($2 in first)) first[$2] = $1 }
        END { for (y in count) if (count[y] <= 15) print first[y], y }' | sort -k2,2n | head -n 1
}

# From the top down, page by page, the green plus of each closed container met is clicked, until
# the image's data shows its button: a house with yellow walls at the top of the block.
keys ctrl+Home
BUTTON=""
for _ in $(seq 12); do
    shot image_button
    BUTTON=$(image_button "$OUTDIR/image_button.png")
    [ -n "$BUTTON" ] && break
    PLUS=$(convert "$OUTDIR/image_button.png" -depth 8 txt:- | awk -F'[,: ]+' '/#008000/ { print $1, $2; exit }')
    if [ -n "$PLUS" ]; then
        read -r PX PY <<<"$PLUS"
        xdotool mousemove "$PX" "$((PY + 1))" click 1
        sleep 1
    else
        keys Next
    fi
done
check "the image's data shows its button" [ -n "$BUTTON" ]
if [ -n "$BUTTON" ]; then
    read -r BX BY <<<"$BUTTON"
    BUTTON_CREAM=$(cream "$OUTDIR/image_button.png")
    # The picture fades in over about a fifth of a second.
    PICTURE=$(open_popup "$BX" "$BY" image_popup)
    e2e_log "screenshot: $OUTDIR/image_popup.png"
    check "a click on the image button shows the picture in a cream border ($BUTTON_CREAM cream pixels before, $PICTURE after)" \
        [ "$PICTURE" -gt $((BUTTON_CREAM + 400)) ]
    keys Escape
    CLOSED=$(closed_shot after_picture $((BUTTON_CREAM + 10)))
    check "Esc closes the picture ($CLOSED cream pixels)" [ "$CLOSED" -le $((BUTTON_CREAM + 10)) ]
    AGAIN=$(open_popup "$BX" "$BY" image_popup_again)
    check "the next click shows the picture again ($AGAIN cream pixels)" [ "$AGAIN" -gt $((BUTTON_CREAM + 400)) ]
    move_over_view
    CLOSED=$(closed_shot after_picture_move $((BUTTON_CREAM + 10)))
    check "moving the mouse over the view closes the picture ($CLOSED cream pixels)" \
        [ "$CLOSED" -le $((BUTTON_CREAM + 10)) ]
fi

e2e_close_program popups
