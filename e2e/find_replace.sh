#!/usr/bin/env bash
# End-to-end: find and replace in quillmap.exe under Wine. On a copy of an animated GIF, Ctrl+F
# with the codes of NETSCAPE typed in lower case selects the word (Ctrl+C in the main window puts
# it on X's clipboard); Ctrl+R with the word in small letters and ANIMEXTS for it finds it with
# Enter, replaces it with Enter, and says there is no more; Esc and Ctrl+S save the file with
# that one occurrence replaced (screenshots find.png, replace.png, replaced.png).
# Usage: find_replace.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup
e2e_run_on_copy animation.gif || exit 1

# window_gone TITLE: true once no window so titled shows, within ten seconds.
window_gone() {
    for _ in $(seq 1 20); do
        visible_window "$1" || return 0
        sleep 0.5
    done
    return 1
}

# "Найти": the codes in lower case and Enter; the dialog stays for another search, Esc ends it.
keys ctrl+f
sleep 1
xdotool type --delay 60 '4e 45 54 53 43 41 50 45'
keys Return
screenshot "$OUTDIR/find.png"
e2e_log "screenshot: $OUTDIR/find.png"
check "the find dialog shows" visible_window '^Найти$'
keys Escape
check "Esc ends the find dialog" window_gone '^Найти$'
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
keys ctrl+c
COPIED=$(timeout 10 xclip -selection clipboard -o 2>/dev/null)
check "the codes found NETSCAPE and selected it (copied '$COPIED')" [ "$COPIED" = "NETSCAPE" ]

# "Заменить": the word in small letters, Enter on to the replacement, Enter to find it and Enter
# to replace it; the message that there is no more is dismissed with Enter.
keys ctrl+r
sleep 1
xdotool type --delay 60 'netscape'
keys Return
xdotool type --delay 60 'ANIMEXTS'
keys Return
screenshot "$OUTDIR/replace.png"
e2e_log "screenshot: $OUTDIR/replace.png"
keys Return
sleep 1
screenshot "$OUTDIR/no_more.png"
e2e_log "screenshot: $OUTDIR/no_more.png"
# The message box bears the program's title, the main window a changed document's "* " before it.
MESSAGE='^animation\.gif - Quillmap$'
check "the message that there is no more shows" visible_window "$MESSAGE"
keys Return
check "Enter dismisses the message" window_gone "$MESSAGE"
keys Escape
check "Esc ends the replace dialog" window_gone '^Заменить$'
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
screenshot "$OUTDIR/replaced.png"
e2e_log "screenshot: $OUTDIR/replaced.png"
keys ctrl+s
sleep 1
perl -0777 -pe 's/NETSCAPE/ANIMEXTS/' "$GIF" >"$OUTDIR/expected.gif"
check "the saved file is the original with NETSCAPE replaced by ANIMEXTS" cmp -s "$OUTDIR/expected.gif" "$COPY"
check "the original held NETSCAPE once" [ "$(grep -ao NETSCAPE "$GIF" | wc -l)" = 1 ]

e2e_close_program find_replace
