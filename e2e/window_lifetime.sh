#!/usr/bin/env bash
# End-to-end: the program's windows come and go without a fault. Under Wine, with its exception
# channel (+seh) logged: a start with a GIF; "О документе" five times in a row (Ctrl+I, then
# Enter on "ОК"), after which the program still runs with its window; "О документе" goes as
# soon as another program (a second copy, untitled) is activated; Alt+F4 ends both with status
# 0. The log must hold no exception of the program's: no access violation, none that Wine
# swallowed in a callback, none raised inside the program's image. A clean run logs only the RPC
# exceptions (code 6ba) of Wine's own services.
# Usage: window_lifetime.sh EXE OUTDIR GIF   (screenshots and the log go to OUTDIR)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin --exe-must-exist "EXE OUTDIR GIF" 3 "$@"
GIF=$3
NAME=$(basename "$GIF")
TITLE_PATTERN="^${NAME//./\\.} - Quillmap\$"
INFO_PATTERN='^О документе$'
SEHLOG=$OUTDIR/seh.log

# The second copy, ended on exit after the program under test.
OTHER_PID=""
UNTITLED_PATTERN='^Безымянный\.gif - Quillmap$'
end_other() {
    [ -n "$OTHER_PID" ] && kill "$OTHER_PID" 2>/dev/null && wait "$OTHER_PID" 2>/dev/null
}
e2e_install_cleanup end_other

# visible_count PATTERN: how many visible windows have a title matching PATTERN.
visible_count() {
    LC_ALL=C.UTF-8 xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

# wait_until_gone PATTERN SECONDS: true once no visible window matches PATTERN.
wait_until_gone() {
    local deadline=$((SECONDS + $2))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ "$(visible_count "$1")" -eq 0 ] && return 0
        sleep 0.5
    done
    return 1
}

running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }

# ends_with_zero PID: true when the process ends within 15 seconds with status 0.
ends_with_zero() {
    for _ in $(seq 1 30); do kill -0 "$1" 2>/dev/null || break; sleep 0.5; done
    kill -0 "$1" 2>/dev/null && return 1
    wait "$1"
}

start_xvfb || exit 1
start_wine_prefix "$OUTDIR/wineprefix" || exit 1

WINEDEBUG=+seh "$E2E_WINE" "$EXE" "$GIF" >"$OUTDIR/program.log" 2>"$SEHLOG" &
PROGRAM_PID=$!
MAIN=$(wait_for_window "$TITLE_PATTERN" 90 "$PROGRAM_PID") || exit 1
sleep 2

# "О документе" five times: Ctrl+I in the main window, Enter on "ОК".
for round in 1 2 3 4 5; do
    xdotool windowactivate --sync "$MAIN" 2>/dev/null
    xdotool key --clearmodifiers ctrl+i
    if ! INFO=$(wait_for_window "$INFO_PATTERN" 20); then
        check "round $round: Ctrl+I shows \"О документе\"" false
        break
    fi
    sleep 1
    if [ "$round" -eq 1 ]; then
        screenshot "$OUTDIR/document_info.png"
        e2e_log "screenshot: $OUTDIR/document_info.png"
    fi
    xdotool windowactivate --sync "$INFO" 2>/dev/null
    xdotool key --clearmodifiers Return
    check "round $round: Enter on \"ОК\" closes \"О документе\"" wait_until_gone "$INFO_PATTERN" 10
    sleep 1
    check "round $round: the program still runs with its window" \
        eval 'running && [ "$(visible_count "$TITLE_PATTERN")" -eq 1 ]'
done
screenshot "$OUTDIR/after_five.png"
e2e_log "screenshot: $OUTDIR/after_five.png"

# Another program is activated while "О документе" is up: it goes. Without a window manager
# the X focus does not tell Wine of other X clients, so the other program is a second copy,
# whose window Wine activates as it shows it.
xdotool key --clearmodifiers ctrl+i
if wait_for_window "$INFO_PATTERN" 20 >/dev/null; then
    sleep 1
    "$E2E_WINE" "$EXE" >"$OUTDIR/second.log" 2>&1 &
    OTHER_PID=$!
    if wait_for_window "$UNTITLED_PATTERN" 90 "$OTHER_PID" >/dev/null; then
        check "\"О документе\" goes when another program is activated" wait_until_gone "$INFO_PATTERN" 10
        screenshot "$OUTDIR/other_program.png"
        e2e_log "screenshot: $OUTDIR/other_program.png"
        xdotool key --clearmodifiers alt+F4
        check "Alt+F4 ends the other program with status 0" ends_with_zero "$OTHER_PID"
        OTHER_PID=""
        screenshot "$OUTDIR/after_other_program.png"
        e2e_log "screenshot: $OUTDIR/after_other_program.png"
    else
        check "a second copy shows its window" false
    fi
else
    check "Ctrl+I shows \"О документе\" again" false
fi
check "the program still runs with its window" eval 'running && [ "$(visible_count "$TITLE_PATTERN")" -eq 1 ]'

# A click on its caption activates it again, and Alt+F4 ends it.
window_geometry "$MAIN" && xdotool mousemove $((WINDOW_X + WINDOW_WIDTH / 2)) $((WINDOW_Y + 8)) click 1
sleep 1
xdotool key --clearmodifiers alt+F4
check "Alt+F4 ends the program with status 0" ends_with_zero "$PROGRAM_PID"
PROGRAM_PID=""

# The program's image, to tell its exceptions from Wine's: addresses as 16 hexadecimal digits,
# compared as text.
read -r BASE SIZE < <(x86_64-w64-mingw32-objdump -p "$EXE" |
    awk '$1 == "ImageBase" { base = $2 } $1 == "SizeOfImage" { size = $2 } END { print base, size }')
if [ -n "${BASE:-}" ] && [ -n "${SIZE:-}" ]; then
    FAULTS=$(awk -v low="x$(printf '%016X' $((16#$BASE)))" -v high="x$(printf '%016X' $((16#$BASE + 16#$SIZE)))" '
        /:seh:dispatch_exception code=/ {
            match($0, /addr=[0-9A-Fa-f]+/)
            addr = toupper(substr($0, RSTART + 5, RLENGTH - 5))
            while (length(addr) < 16) addr = "0" addr
            addr = "x" addr
            if ($0 ~ /code=c0000005/ || (addr >= low && addr < high)) print
        }
        /ignoring exception/ { print }' "$SEHLOG") || FAULTS="the log could not be read"
else
    FAULTS="the program's image could not be read"
fi
if [ -n "$FAULTS" ]; then printf '%s\n' "$FAULTS" >&2; fi
check "the log of exceptions holds none of the program's" [ -z "$FAULTS" ]
OTHERS=$(grep -c ':seh:dispatch_exception code=' "$SEHLOG")
e2e_log "exceptions logged in all: $OTHERS (Wine's own services raise some)"

if [ "$failures" -ne 0 ]; then
    echo "[e2e] window_lifetime: $failures check(s) failed; screenshots and $SEHLOG in $OUTDIR" >&2
    exit 1
fi
echo "[e2e] window_lifetime: passed; screenshots in $OUTDIR"
