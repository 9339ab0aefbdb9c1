#!/usr/bin/env bash
# End-to-end: the sample plug-ins and skin beside quillmap.exe under Wine. "Плагины" lists the
# plug-ins after "Скачать новый..."; "Удалить комментарии" rewrites the document without its
# comment extension, which "Сохранить" writes (the saved bytes are checked); Ctrl+F9 and
# Ctrl+Shift+F9 run the checksum plug-in's two commands, each showing its message; "Формат" >
# "Шкурки" > "Градиент" paints a light yellow to light cyan gradient behind the codes.
# Usage: plugins.sh EXE OUTDIR GIF   (GIF: a file with one comment extension, x-trans.gif)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin --exe-must-exist "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_beside_program plugins skins
e2e_install_cleanup

# pixels FILE WxH+X+Y KIND: how many pixels of the area are of the KIND: yellowish or cyanish
# (light, full green, more red than blue or the other way round), or white.
pixels() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- |
        awk -F'[(),]+' -v expression="$3" 'NR > 1 {
            r = $3 + 0; g = $4 + 0; b = $5 + 0
            if (expression == "yellowish" && g == 255 && r > b + 8) n++
            if (expression == "cyanish" && g == 255 && b > r + 8) n++
            if (expression == "white" && r == 255 && g == 255 && b == 255) n++
        } END { print n + 0 }'
}

# message_box TITLE: waits for the plug-in's message titled TITLE, photographs it and closes it
# with Return; true when it showed.
message_box() {
    local box
    box=$(wait_for_window "^$1\$" 15) || return 1
    sleep 1
    screenshot "$OUTDIR/$2.png"
    xdotool windowactivate --sync "$box" 2>/dev/null
    keys Return
    return 0
}

e2e_run_on_copy comments.gif || exit 1
window_geometry "$WINDOW" || exit 1

# "Плагины" is the fifth menu: F10 takes "Файл", four steps right reach it, Down opens it on
# "Скачать новый...". The plug-ins follow in the order of their file names: blocklist,
# checksum, nocomments.
keys F10 Right Right Right Right Down
sleep 1
screenshot "$OUTDIR/plugins_menu.png"
e2e_log "screenshot: $OUTDIR/plugins_menu.png"
keys Down Down Down Return
sleep 1
keys ctrl+s
sleep 2
EXPECTED="$OUTDIR/expected.gif"
# x-trans.gif's comment extension, "Made with GIMP", is bytes 781 to 798.
head -c 781 "$GIF" >"$EXPECTED" && tail -c +800 "$GIF" >>"$EXPECTED"
check "\"Удалить комментарии\" and \"Сохранить\" leave the file without its comment" cmp -s "$COPY" "$EXPECTED"
check "the saved file is 18 bytes shorter ($(stat -c %s "$COPY") of $(stat -c %s "$GIF"))" \
    [ "$(stat -c %s "$COPY")" -eq $(($(stat -c %s "$GIF") - 18)) ]

xdotool windowactivate --sync "$WINDOW" 2>/dev/null
keys ctrl+shift+F9
check "Ctrl+Shift+F9 runs the checksum plug-in's second command (\"CRC-32\")" message_box "CRC-32" crc
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
keys ctrl+F9
check "Ctrl+F9 runs its first command (\"Размер документа\")" message_box "Размер документа" size

# "Формат" is the third menu; Up from its first item wraps to the last, "Настройка шкурки...",
# and once more reaches "Шкурки", whose submenu opens on "Без шкурок"; "Градиент" is next.
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
keys F10 Right Right Down Up Up Right
sleep 1
screenshot "$OUTDIR/skins_menu.png"
keys Down Return
sleep 2
screenshot "$OUTDIR/gradient.png"
e2e_log "screenshot: $OUTDIR/gradient.png"
window_geometry "$WINDOW" || exit 1
# The picture: below the title and menu bars, left of the scroll bar, above the status bar.
TOP_BAND="$((WINDOW_WIDTH - 40))x40+$((WINDOW_X + 10))+$((WINDOW_Y + 50))"
BOTTOM_BAND="$((WINDOW_WIDTH - 40))x40+$((WINDOW_X + 10))+$((WINDOW_Y + WINDOW_HEIGHT - 80))"
YELLOW=$(pixels "$OUTDIR/gradient.png" "$TOP_BAND" yellowish)
CYAN=$(pixels "$OUTDIR/gradient.png" "$BOTTOM_BAND" cyanish)
WHITE=$(pixels "$OUTDIR/gradient.png" "$TOP_BAND" white)
check "the skin paints light yellow at the top ($YELLOW pixels)" [ "$YELLOW" -gt 2000 ]
check "and light cyan at the bottom ($CYAN pixels)" [ "$CYAN" -gt 2000 ]
check "instead of the white background ($WHITE white pixels at the top)" [ "$WHITE" -lt 500 ]

e2e_close_program plugins
