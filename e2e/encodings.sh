#!/usr/bin/env bash
# End-to-end: the encodings of quillmap.exe under Wine. F8 shows the same bytes as DOS
# characters (the picture changes), and F8 again as Windows ones (the picture as before).
# "Формат" > "Кодировка" > "Загрузить из файла..." loads koi8-r.enc from the "encodings" folder
# beside the program, named "KOI8-R" in the input box; the submenu then lists it, F8 reaches it,
# and it shows the bytes otherwise still. Closed with KOI8-R chosen, the program starts again
# with it in the menu and chosen. Screenshots: windows.png, dos.png, koi8.png, menu.png,
# restarted.png, menu_restarted.png.
# Usage: encodings.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin --exe-must-exist "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_beside_program encodings
ENCODING=$(windows_path "${EXE%/*}/encodings/koi8-r.enc")
STATE="${EXE%/*}/data.dat"
e2e_install_cleanup

# shot NAME: the main window's picture, without its frame, title and menu bar, into NAME.png.
shot() {
    sleep 1.5
    screenshot "$OUTDIR/full_$1.png"
    window_geometry "$WINDOW" || return 1
    convert "$OUTDIR/full_$1.png" -crop "$((WINDOW_WIDTH - 30))x$((WINDOW_HEIGHT - 90))+$((WINDOW_X + 5))+$((WINDOW_Y + 50))" \
        +repage "$OUTDIR/$1.png"
    e2e_log "screenshot: $OUTDIR/$1.png"
}

# differing A B: how many pixels of the two pictures differ.
differing() { compare -metric AE "$OUTDIR/$1.png" "$OUTDIR/$2.png" null: 2>&1 | cut -d' ' -f1; }

# name_box_gone SECONDS: polls until the name box is no longer shown; hiding under Wine takes a moment.
name_box_gone() {
    local deadline=$((SECONDS + $1))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ -z "$(LC_ALL=C.UTF-8 xdotool search --onlyvisible --name '^Ввод названия кодировки$' 2>/dev/null)" ] && return 0
        sleep 0.2
    done
    return 1
}

# The blinking caret alone changes fewer pixels than this; characters of another code page far more.
SAME=300
# open_encodings: "Формат" is the third menu; Up from its first item wraps to the last,
# "Настройка шкурки...", two more reach "Кодировка", whose submenu opens on "Windows".
open_encodings() {
    xdotool windowactivate --sync "$WINDOW" 2>/dev/null
    keys F10 Right Right Down Up Up Up Right
    sleep 1
}

e2e_run_on_copy bytes.gif || exit 1
shot windows
keys F8
shot dos
keys F8
shot windows_again
D1=$(differing windows dos) D2=$(differing windows windows_again)
check "F8 shows the bytes as DOS characters ($D1 pixels change)" [ "$D1" -gt $((SAME * 3)) ]
check "F8 again shows them as before ($D2 pixels differ)" [ "$D2" -lt "$SAME" ]

# "Загрузить из файла..." is the last item of "Кодировка": Up wraps to it.
open_encodings
keys Up Return
if DIALOG=$(wait_for_window '^(Open|Открыть)$' 20); then
    # The dialog shows before its name field takes keys: typed at once, the first ones are lost.
    sleep 2
    xdotool windowactivate --sync "$DIALOG" 2>/dev/null
    xdotool type --delay 20 "$ENCODING"
    xdotool key Return
    if BOX=$(wait_for_window '^Ввод названия кодировки$' 20); then
        sleep 1
        screenshot "$OUTDIR/name_box.png"
        xdotool windowactivate --sync "$BOX" 2>/dev/null
        # The first answer is selected: typing replaces it.
        xdotool type --delay 40 "KOI8-R"
        xdotool key Return
        check "the name box goes with Enter" name_box_gone 10
    else
        check "a readable .enc file asks for its name" false
    fi
else
    check "\"Загрузить из файла...\" opens the open dialog" false
fi

open_encodings
screenshot "$OUTDIR/menu.png"
e2e_log "screenshot: $OUTDIR/menu.png"
keys Escape Escape Escape
# Windows, DOS, KOI8-R.
keys F8 F8
shot koi8
D3=$(differing windows koi8) D4=$(differing dos koi8)
check "F8 twice reaches the loaded encoding, unlike Windows ($D3 pixels)" [ "$D3" -gt $((SAME * 3)) ]
check "and unlike DOS ($D4 pixels)" [ "$D4" -gt $((SAME * 3)) ]

# Closed with KOI8-R chosen: the default encoding is KOI8-R, which data.dat keeps with the file.
e2e_end_program
check "the program ends" [ -z "$PROGRAM_PID" ]
# stored NEEDLE: data.dat holds the text.
stored() { grep -a -q -F -e "$1" "$STATE"; }
check "data.dat names the loaded file" stored "koi8-r.enc"
check "and its name" stored "KOI8-R"
e2e_start_on "$COPY" || exit 1
shot restarted
D5=$(differing koi8 restarted)
check "started again, the file shows in KOI8-R at once ($D5 pixels differ)" [ "$D5" -lt "$SAME" ]
open_encodings
screenshot "$OUTDIR/menu_restarted.png"
e2e_log "screenshot: $OUTDIR/menu_restarted.png"
keys Escape Escape Escape
keys F8
shot windows_restarted
D6=$(differing windows windows_restarted)
check "and F8 goes on from it to Windows ($D6 pixels differ)" [ "$D6" -lt "$SAME" ]

e2e_close_program encodings
