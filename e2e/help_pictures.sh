#!/usr/bin/env bash
# The pictures of the user's guide, made again from the program itself under Wine, into
# OUTDIR/pictures: window.png (the main window with the first containers opened), navigator.png
# (the navigator beside it), find.png (the find dialog), settings.png ("Тонкая настройка") and
# plugins.png (the menu "Плагины" with the sample plug-ins). As a test it checks that each one
# shows a window; scripts/help-pictures.sh puts them into help/images.
# Usage: help_pictures.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin --exe-must-exist "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_beside_program plugins skins
PICTURES="$OUTDIR/pictures"
rm -rf "$PICTURES" && mkdir -p "$PICTURES" || exit 2
e2e_install_cleanup
e2e_run_on_copy welcome.gif || exit 1

# picture NAME [WINDOW]: the screen cut down to WINDOW's frame, or to everything the windows
# cover (the screen around them is black), into NAME.png.
picture() {
    sleep 1
    screenshot "$OUTDIR/screen_$1.png"
    if [ -n "${2:-}" ]; then
        window_geometry "$2" || return 1
        convert "$OUTDIR/screen_$1.png" -crop "${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}" +repage \
            "$PICTURES/$1.png"
    else
        convert "$OUTDIR/screen_$1.png" -trim +repage "$PICTURES/$1.png"
    fi
    e2e_log "picture: $PICTURES/$1.png"
}

# shows_window NAME: the picture is at least 200 by 100 and not of one colour.
shows_window() {
    local size deviation width height
    size=$(identify -format '%w %h' "$PICTURES/$1.png" 2>/dev/null) || return 1
    deviation=$(convert "$PICTURES/$1.png" -format '%[fx:standard_deviation]' info:)
    read -r width height <<<"$size"
    e2e_log "$1.png: ${width}x${height}, deviation $deviation"
    [ "$width" -ge 200 ] && [ "$height" -ge 100 ] && awk -v d="$deviation" 'BEGIN { exit !(d > 0.05) }'
}

# The main window a little smaller than the screen, so that the navigator has room beside it.
xdotool windowsize --sync "$WINDOW" 860 560 2>/dev/null
xdotool windowmove --sync "$WINDOW" 0 0 2>/dev/null
sleep 2
open_closed_containers
xdotool mousemove 1000 700
picture window "$WINDOW"

# "Дополнительно" › "Тонкая настройка...", with a few settings down the list.
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
xdotool mousemove --window "$WINDOW" 214 32 click 1
sleep 1
keys Down Down Down Return
if SETTINGS=$(wait_for_window '^Тонкая настройка$' 10); then
    keys Down Down Down
    picture settings "$SETTINGS"
    keys Escape
fi

xdotool windowactivate --sync "$WINDOW" 2>/dev/null
keys ctrl+f
sleep 1
xdotool type --delay 60 'NETSCAPE'
if FIND=$(wait_for_window '^Найти$' 10); then
    picture find "$FIND"
    keys Escape
fi

# "Плагины", the fifth menu, open on "Скачать новый..." and the three samples.
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
keys F10 Right Right Right Right Down
picture plugins "$WINDOW"
keys Escape Escape

# "Навигация", the first item of "Формат", and the navigator put beside the main window.
xdotool mousemove --window "$WINDOW" 133 32 click 1
sleep 1
keys Down Return
if NAVIGATOR=$(wait_for_window '^Навигатор$' 10); then
    xdotool windowmove --sync "$NAVIGATOR" 780 40 2>/dev/null
    xdotool mousemove 1000 700
    picture navigator
    xdotool mousemove --window "$WINDOW" 133 32 click 1
    sleep 1
    keys Down Return
fi

for name in window navigator find settings plugins; do
    check "$name.png shows a window" shows_window "$name"
done
e2e_close_program help_pictures
