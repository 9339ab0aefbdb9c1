#!/usr/bin/env bash
# End-to-end: the first start without data.dat greets the user with "Здравствуйте!", centred on
# the screen, its navy text above the box holding "*.gif". "ОК" (Enter) registers the program and
# binds .gif to it: Wine's registry then holds the open-with command, the "tarnixfile" file type
# and .gif pointing to it, the previous owner kept as "prevvalue". The file dialogs offer the
# extension; "Закрепить за расширениями..." lists it checked. The next start does not greet.
# Screenshots: greeting.png, main.png, extensions.png, second.png.
# Usage: association.sh EXE OUTDIR
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR" 2 "$@"
e2e_install_cleanup
# This script answers the greeting itself.
# shellcheck disable=SC2034  # lib.sh reads it
E2E_KEEP_GREETING=yes

UNTITLED='^Безымянный\.gif - Quillmap$'
EXTENSIONS='^Расширения$'

# registry KEY: what Wine's reg prints of a key of HKEY_CLASSES_ROOT, empty when it has none.
registry() { "$E2E_WINE" reg query "HKCR\\$1" 2>/dev/null | tr -d '\r'; }
# default_value KEY: the key's default text value, empty when it has none.
default_value() { registry "$1" | awk '$1 == "(Default)" && $2 == "REG_SZ" { $1 = $2 = ""; sub(/^ +/, ""); print; exit }'; }
navy_pixels() { convert "$1" -crop "$2" +repage -depth 8 txt:- | grep -c '#000080'; }
near() { [ "${1#-}" -le "$3" ] && [ "${2#-}" -le "$3" ]; }

start_xvfb || exit 1
start_wine_prefix "$OUTDIR/wineprefix" || exit 1
BEFORE=$(default_value .gif)
e2e_log ".gif before the first start: '${BEFORE}'"

"$E2E_WINE" "$EXE" >"$OUTDIR/program.log" 2>&1 &
PROGRAM_PID=$!
if ! GREETING=$(wait_for_window "$E2E_GREETING" 90 "$PROGRAM_PID"); then
    check "the first start greets with \"Здравствуйте!\"" false
    exit 1
fi
sleep 2
screenshot "$OUTDIR/greeting.png"
e2e_log "screenshot: $OUTDIR/greeting.png"
check "the main window waits behind the greeting" [ -z "$(xdotool search --onlyvisible --name "$UNTITLED" 2>/dev/null)" ]
window_geometry "$GREETING" || exit 1
AREA="${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}"
NAVY=$(navy_pixels "$OUTDIR/greeting.png" "$AREA")
check "the greeting's text is navy ($NAVY navy pixels)" [ "$NAVY" -gt 300 ]
DX=$((WINDOW_X + WINDOW_WIDTH / 2 - 512)) DY=$((WINDOW_Y + WINDOW_HEIGHT / 2 - 384))
check "the greeting is centred on the screen (off by $DX, $DY)" near "$DX" "$DY" 4

# Enter takes "*.gif" as it stands.
xdotool windowactivate --sync "$GREETING" 2>/dev/null
keys Return
if WINDOW=$(wait_for_window "$UNTITLED" 30 "$PROGRAM_PID"); then
    check "after the greeting the main window shows" true
else
    check "after the greeting the main window shows" false
    exit 1
fi
sleep 2
screenshot "$OUTDIR/main.png"
e2e_log "screenshot: $OUTDIR/main.png"

PROGRAM=$(windows_path "$EXE")
COMMAND="\"$PROGRAM\" \"%1\""
check "the program is offered to open files ($(default_value 'Applications\quillmap.exe\shell\open\command'))" \
    [ "$(default_value 'Applications\quillmap.exe\shell\open\command')" = "$COMMAND" ]
check ".gif points to the program ($(default_value .gif))" [ "$(default_value .gif)" = tarnixfile ]
check "the file type opens files with the program ($(default_value 'tarnixfile\shell\open\command'))" \
    [ "$(default_value 'tarnixfile\shell\open\command')" = "$COMMAND" ]
check "the file type's icon is the program's" [ "$(default_value 'tarnixfile\defaulticon')" = "$PROGRAM,0" ]
check "the open verb names the program" grep -q 'Quillmap' <<<"$(default_value 'tarnixfile\shell\open')"
if [ -n "$BEFORE" ] && [ "$BEFORE" != tarnixfile ]; then
    check "the previous owner '$BEFORE' is kept" grep -q "prevvalue.*$BEFORE" <<<"$(registry .gif)"
fi

# "Дополнительно", then its first item: the bound extension is listed.
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
xdotool mousemove --window "$WINDOW" 214 32 click 1
sleep 1
keys Down Return
if wait_for_window "$EXTENSIONS" 20 >/dev/null; then
    check "\"Закрепить за расширениями...\" opens \"Расширения\"" true
    sleep 1
    screenshot "$OUTDIR/extensions.png"
    e2e_log "screenshot: $OUTDIR/extensions.png"
    keys Escape
    for _ in $(seq 1 10); do
        [ -n "$(xdotool search --onlyvisible --name "$EXTENSIONS" 2>/dev/null)" ] || break
        sleep 0.5
    done
    check "Esc closes it" [ -z "$(xdotool search --onlyvisible --name "$EXTENSIONS" 2>/dev/null)" ]
else
    check "\"Закрепить за расширениями...\" opens \"Расширения\"" false
fi
e2e_end_program
check "the first run leaves data.dat" [ -s "$(dirname "$EXE")/data.dat" ]
check "data.dat holds .gif" grep -q -a -F '.gif' "$(dirname "$EXE")/data.dat"

# The second start does not greet.
"$E2E_WINE" "$EXE" >>"$OUTDIR/program.log" 2>&1 &
PROGRAM_PID=$!
WINDOW=$(wait_for_window "$UNTITLED" 90 "$PROGRAM_PID") || exit 1
sleep 2
screenshot "$OUTDIR/second.png"
e2e_log "screenshot: $OUTDIR/second.png"
check "the second start does not greet" [ -z "$(xdotool search --onlyvisible --name "$E2E_GREETING" 2>/dev/null)" ]
e2e_close_program association
