#!/usr/bin/env bash
# End-to-end: a dialog's keys after the user went to another program and came back. A changed
# document and Ctrl+N bring up "Что делать с документом?"; a second copy of the program (another
# program, as far as the first is concerned) is activated, then a click on the question's title
# bar activates the question again. Tab and Enter then choose "Нет" (the document goes
# unsaved), and in a second round Space chooses "Да" (the untitled document asks for a name).
# Usage: dialog_focus.sh EXE OUTDIR GIF   (screenshots go to OUTDIR)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup

QUESTION='^Что делать с документом\?$'

# click_title ID: a click on the middle of the window's title bar, which activates it.
click_title() {
    window_geometry "$1" && xdotool mousemove $((WINDOW_X + WINDOW_WIDTH / 2)) $((WINDOW_Y + 8)) click 1
    sleep 1
}

# away_and_back QUESTION_ID OTHER_ID: the other program is activated, then the question again.
away_and_back() {
    click_title "$2"
    click_title "$1"
}

rm -rf "$OUTDIR/files"
mkdir -p "$OUTDIR/files" || exit 1
cp "$GIF" "$OUTDIR/files/changed.gif" && cp "$GIF" "$OUTDIR/files/other.gif" || exit 1
chmod u+w "$OUTDIR/files/changed.gif" "$OUTDIR/files/other.gif"  # the corpus is read-only

start_xvfb || exit 1
start_wine_prefix "$OUTDIR/wineprefix" || exit 1

"$E2E_WINE" "$EXE" "$(windows_path "$OUTDIR/files/changed.gif")" >"$OUTDIR/program.log" 2>&1 &
PIDS+=($!)
MAIN=$(wait_for_window '^changed\.gif - Quillmap$' 90 "${PIDS[0]}") || exit 1
sleep 2
# The other program, moved below the first so that the question stays in sight.
"$E2E_WINE" "$EXE" "$(windows_path "$OUTDIR/files/other.gif")" >"$OUTDIR/other.log" 2>&1 &
PIDS+=($!)
OTHER=$(wait_for_window '^other\.gif - Quillmap$' 90 "${PIDS[1]}") || exit 1
xdotool windowmove "$OTHER" 0 400
sleep 1

# Round one: Tab and Enter.
click_title "$MAIN"
xdotool key --clearmodifiers 4
sleep 0.5
xdotool key --clearmodifiers ctrl+n
if ASKED=$(wait_for_window "$QUESTION" 20); then
    sleep 1
    away_and_back "$ASKED" "$OTHER"
    screenshot "$OUTDIR/question_again.png"
    e2e_log "screenshot: $OUTDIR/question_again.png"
    xdotool key --clearmodifiers Tab
    sleep 0.5
    xdotool key --clearmodifiers Return
    check "after coming back, Tab and Enter choose \"Нет\"" \
        wait_for_window '^Безымянный\.gif - Quillmap$' 10 >/dev/null
    check "and the changed file was not written" cmp -s "$GIF" "$OUTDIR/files/changed.gif"
else
    check "a changed document and Ctrl+N ask what to do" false
fi

# Round two: Space on the first button.
click_title "$MAIN"
xdotool key --clearmodifiers 4
sleep 0.5
xdotool key --clearmodifiers ctrl+n
if ASKED=$(wait_for_window "$QUESTION" 20); then
    sleep 1
    away_and_back "$ASKED" "$OTHER"
    xdotool key --clearmodifiers space
    if SAVE=$(wait_for_window '^Сохранить как\.\.\.$' 10); then
        check "after coming back, Space chooses \"Да\", which asks for a name" true
        screenshot "$OUTDIR/save_as.png"
        e2e_log "screenshot: $OUTDIR/save_as.png"
        xdotool key --clearmodifiers Escape
        sleep 1
    else
        check "after coming back, Space chooses \"Да\", which asks for a name" false
        screenshot "$OUTDIR/save_as.png"
    fi
else
    check "a changed document and Ctrl+N ask what to do again" false
fi

if [ "$failures" -ne 0 ]; then
    echo "[e2e] dialog_focus: $failures check(s) failed; screenshots in $OUTDIR" >&2
    exit 1
fi
echo "[e2e] dialog_focus: passed; screenshots in $OUTDIR"
