#!/usr/bin/env bash
# End-to-end: quillmap.exe under Wine on a private X server shows its main window with a client
# area of 792x454 and no other visible window, and ends with status 0 when the window is closed.
# Without a GIF the window is titled "Безымянный.gif - Quillmap" and stays nearly white (the
# empty document's header); with one it is titled "NAME.gif - Quillmap" and shows the file's
# codes under its fields.
# Usage: main_window.sh EXE OUTDIR [GIF]   (the screenshot goes to OUTDIR/main_window.png)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin --exe-must-exist "EXE OUTDIR [GIF]" "2 3" "$@"
GIF=${3:-}

if [ -n "$GIF" ]; then
    NAME=$(basename "$GIF")
    TITLE="$NAME - Quillmap"
    TITLE_PATTERN="^${NAME//./\\.} - Quillmap\$"
    ARGS=("$GIF")
else
    TITLE='Безымянный.gif - Quillmap'
    TITLE_PATTERN='^Безымянный\.gif - Quillmap$'
    ARGS=()
fi
CLIENT_WIDTH=792
CLIENT_HEIGHT=454
SHOT=$OUTDIR/main_window.png
e2e_install_cleanup

start_xvfb || exit 1
start_wine_prefix "$OUTDIR/wineprefix" || exit 1

"$E2E_WINE" "$EXE" "${ARGS[@]}" >"$OUTDIR/program.log" 2>&1 &
PROGRAM_PID=$!
e2e_log "started $EXE (pid $PROGRAM_PID)"

if ! WINDOW=$(wait_for_window "$TITLE_PATTERN" 90 "$PROGRAM_PID"); then
    screenshot "$SHOT" 2>/dev/null && e2e_log "screenshot of the screen as it was: $SHOT"
    exit 1
fi
# The first paint follows the mapping of the window closely, but not at once.
sleep 2
screenshot "$SHOT" || { e2e_fail "import could not take the screenshot"; exit 1; }
e2e_log "screenshot: $SHOT"

NAME=$(LC_ALL=C.UTF-8 xdotool getwindowname "$WINDOW")
check "window title is '$TITLE' (got '$NAME')" [ "$NAME" = "$TITLE" ]

# The application window carries the document's caption too and must never be shown: only
# the main window shows with that name.
SHOWN=$(LC_ALL=C.UTF-8 xdotool search --onlyvisible --name "$TITLE_PATTERN" 2>/dev/null | wc -l)
check "only the main window shows ($SHOWN shown)" [ "$SHOWN" -eq 1 ]

window_geometry "$WINDOW" || { e2e_fail "no geometry for window $WINDOW"; exit 1; }
e2e_log "window at ${WINDOW_X},${WINDOW_Y} size ${WINDOW_WIDTH}x${WINDOW_HEIGHT}"
check "window is at least the client size" \
    test "$WINDOW_WIDTH" -ge "$CLIENT_WIDTH" -a "$WINDOW_HEIGHT" -ge "$CLIENT_HEIGHT"

# The client area is exactly the size asked for. The view's picture fills it but for the
# scroll bars (18 pixels, right and below) and the status bar (19 pixels, at the bottom). The
# picture's second column and last row are never drawn over (it is copied short of its edges,
# and the client's first column is a shadow line), so the column stays white down to the
# horizontal bar's edge and the row stays white from the shadow to the vertical bar; the
# vertical bar starts at the client's top, right under the white menu bar.
PICTURE_WIDTH=$((CLIENT_WIDTH - 18))
PICTURE_HEIGHT=$((CLIENT_HEIGHT - 18 - 19))
FRAME=$(((WINDOW_WIDTH - CLIENT_WIDTH) / 2))
BAR_X=$((WINDOW_X + WINDOW_WIDTH - FRAME - 9))
EDGE_X=$((WINDOW_X + FRAME + 1))
MIDDLE_Y=$((WINDOW_Y + WINDOW_HEIGHT / 2))
TOP=$(dark_after_band "$SHOT" "1x${WINDOW_HEIGHT}+${BAR_X}+${WINDOW_Y}" 10)
BELOW=$(first_dark "$SHOT" "1x$((WINDOW_HEIGHT / 2))+${EDGE_X}+${MIDDLE_Y}")
if [ -z "$TOP" ] || [ -z "$BELOW" ]; then
    e2e_fail "no picture between the menu bar and the bars below it"
    exit 1
fi
TOP=$((WINDOW_Y + TOP))
BOTTOM=$((MIDDLE_Y + BELOW - 1))
read -r LEFT RUN_ACROSS < <(longest_white_span "$SHOT" "1024x1+0+${BOTTOM}")
e2e_log "picture from ${LEFT},${TOP} to its last row at ${BOTTOM}"
check "the view is $PICTURE_WIDTH wide beside its scroll bar (white run $RUN_ACROSS after the shadow)" \
    [ "$RUN_ACROSS" -eq $((PICTURE_WIDTH - 1)) ]
check "the view is $PICTURE_HEIGHT high above its scroll bar and status bar ($((BOTTOM - TOP + 1)))" \
    [ $((BOTTOM - TOP + 1)) -eq "$PICTURE_HEIGHT" ]
CLIENT="${PICTURE_WIDTH}x${PICTURE_HEIGHT}+${LEFT}+${TOP}"
MEAN=$(mean_brightness "$SHOT" "$CLIENT")
if [ -n "$GIF" ]; then
    # Rows of codes fill the window: far from white, far from dark. The first row's codes
    # ("47 49 46", the signature) stand in the code area right of the coordinates.
    check "the client area shows the file (mean brightness $MEAN)" \
        awk -v m="$MEAN" 'BEGIN { exit !(m > 0.6 && m < 0.95) }'
    CODES=$(mean_brightness "$SHOT" "64x13+$((LEFT + 70))+$((TOP + 22))")
    check "the first row holds codes (mean brightness $CODES)" awk -v m="$CODES" 'BEGIN { exit !(m < 0.97) }'
else
    check "the empty document leaves the window nearly white (mean brightness $MEAN)" \
        awk -v m="$MEAN" 'BEGIN { exit !(m >= 0.95) }'
fi

# Closing the window ends the program with status 0.
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers alt+F4
STATUS=""
for _ in $(seq 1 30); do
    if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
        wait "$PROGRAM_PID"
        STATUS=$?
        PROGRAM_PID=""
        break
    fi
    sleep 1
done
check "Alt+F4 ends the program with status 0 (status '${STATUS:-still running}')" [ "$STATUS" = 0 ]

if [ "$failures" -ne 0 ]; then
    echo "[e2e] main_window: $failures check(s) failed; screenshot: $SHOT" >&2
    exit 1
fi
echo "[e2e] main_window: passed; screenshot: $SHOT"
