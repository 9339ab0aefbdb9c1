#!/usr/bin/env bash
# End-to-end: data.dat beside quillmap.exe. A first run without it writes one when the window
# closes; with its codes' base set to 10 and its row to 12 codes, the next run shows the codes in
# base 10, twelve to a row (read back through the clipboard as the view copies them), and writes
# the state file again with those values kept. "Тонкая настройка..." then sets base 8, and the
# codes follow at once. Screenshots: the codes in base 10, the dialog, the codes in base 8.
# Usage: state_file.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup

# The test's own copy of the program keeps its state file beside it.
STATE="$(dirname "$EXE")/data.dat"

e2e_run_on_copy first.gif || exit 1
xdotool key --clearmodifiers alt+F4
for _ in $(seq 1 30); do [ -f "$STATE" ] && ! kill -0 "$PROGRAM_PID" 2>/dev/null && break; sleep 1; done
wait "$PROGRAM_PID" 2>/dev/null
PROGRAM_PID=""
check "the first run writes data.dat when it ends" [ -s "$STATE" ]

# Items 18 to 24 take the last 102 bytes of a state file without pinned files; in item 18 the
# codes' base is the Int32 at byte 20 and the codes per row the one at byte 28 (big-endian).
int32_at() { od -An -tu1 -j "$1" -N 4 "$STATE" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
SIZE=$(stat -c %s "$STATE")
BASE_AT=$((SIZE - 102 + 20))
COLUMNS_AT=$((SIZE - 102 + 28))
check "the first run stored base 16 and 8 codes a row" [ "$(int32_at $BASE_AT)-$(int32_at $COLUMNS_AT)" = "16-8" ]
printf '\x00\x00\x00\x0a' | dd of="$STATE" bs=1 seek="$BASE_AT" conv=notrunc 2>/dev/null
printf '\x00\x00\x00\x0c' | dd of="$STATE" bs=1 seek="$COLUMNS_AT" conv=notrunc 2>/dev/null

"$E2E_WINE" "$EXE" "$(windows_path "$COPY")" >"$OUTDIR/program2.log" 2>&1 &
PROGRAM_PID=$!
WINDOW=$(wait_for_window '^first\.gif - Quillmap$' 90 "$PROGRAM_PID") || exit 1
sleep 2
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
screenshot "$OUTDIR/base10.png"
e2e_log "screenshot: $OUTDIR/base10.png"
# Thirteen codes copied as text: in base 10 with leading zeros, a break after the twelfth.
# shellcheck disable=SC2046  # one key name per word
keys $(printf 'shift+Right %.0s' $(seq 1 39))
keys ctrl+shift+c
COPIED=$(timeout 10 xclip -selection clipboard -o 2>/dev/null | tr '\r' '|')
EXPECTED=$(head -c 13 "$GIF" | od -An -tu1 -w13 | awk '{ for (i = 1; i <= NF; i++) printf "%03d%s", $i, (i == 12 ? "|" : " ") }')
check "the next run shows base 10, twelve codes a row (got '$COPIED')" [ "$COPIED" = "$EXPECTED" ]

# "Дополнительно" › "Тонкая настройка...": the dialog opens with its first setting selected;
# TextBaseSyst is 42 rows down. 8, Enter, then Tab to "Готово" and Enter.
xdotool mousemove --window "$WINDOW" 214 32 click 1
sleep 1
keys Down Down Down Return
sleep 2
SETTINGS=$(xdotool search --name '^Тонкая настройка$' 2>/dev/null | head -1)
check "\"Тонкая настройка...\" opens the dialog" [ -n "$SETTINGS" ]
# shellcheck disable=SC2046  # one key name per word
keys $(printf 'Down %.0s' $(seq 1 42))
keys 8 Return
screenshot "$OUTDIR/fine_settings.png"
e2e_log "screenshot: $OUTDIR/fine_settings.png"
keys Tab Return
for _ in $(seq 1 10); do
    [ -n "$(xdotool search --onlyvisible --name '^Тонкая настройка$' 2>/dev/null)" ] || break
    sleep 1
done
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
sleep 1
screenshot "$OUTDIR/base8.png"
e2e_log "screenshot: $OUTDIR/base8.png"
# The first code, "G", in base 8 is 107.
keys ctrl+Home shift+Right shift+Right shift+Right ctrl+shift+c
COPIED=$(timeout 10 xclip -selection clipboard -o 2>/dev/null)
check "\"Готово\" redraws the codes in base 8 (got '$COPIED')" [ "$COPIED" = "107 " ]

xdotool key --clearmodifiers alt+F4
for _ in $(seq 1 30); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 1; done
wait "$PROGRAM_PID" 2>/dev/null
PROGRAM_PID=""
check "and its end keeps the base and the row in data.dat" [ "$(int32_at $BASE_AT)-$(int32_at $COLUMNS_AT)" = "8-12" ]

if [ "$failures" -ne 0 ]; then
    echo "[e2e] state_file: $failures check(s) failed; screenshots in $OUTDIR" >&2
    exit 1
fi
echo "[e2e] state_file: passed; screenshots in $OUTDIR"
