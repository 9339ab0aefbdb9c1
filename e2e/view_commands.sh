#!/usr/bin/env bash
# End-to-end: the structure view's own commands in quillmap.exe under Wine. On a copy of a GIF it
# copies the first six codes as text with Ctrl+Shift+C and reads them from X's clipboard, pastes
# codes another program put there with Ctrl+Shift+V and saves.
# Usage: view_commands.sh EXE OUTDIR GIF
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF" 3 "$@"
GIF=$3
e2e_install_cleanup
e2e_run_on_copy codes.gif || exit 1

# The first six codes as the view shows them, in hexadecimal with leading zeros, each followed
# by a space (a row holds eight).
for _ in $(seq 1 12); do keys shift+Right; done
keys ctrl+shift+c
COPIED=$(timeout 10 xclip -selection clipboard -o 2>/dev/null)
EXPECTED=$(head -c 6 "$GIF" | od -An -tx1 | tr 'a-f' 'A-F' | tr -s ' \n' ' ' | sed 's/^ //')
check "Ctrl+Shift+C puts the codes on X's clipboard as text (got '$COPIED')" [ "$COPIED" = "$EXPECTED" ]

# Codes another program put on the clipboard, in lower case and across a line break, pasted at
# the start and saved.
printf '41 42\n43' | xclip -selection clipboard -quiet >/dev/null 2>&1 &
XCLIP_PID=$!
PIDS+=("$XCLIP_PID")
sleep 1
keys ctrl+Home ctrl+shift+v ctrl+s
sleep 1
{ printf 'ABC'; cat "$GIF"; } >"$OUTDIR/expected.gif"
check "Ctrl+Shift+V pastes another program's codes as bytes" cmp -s "$OUTDIR/expected.gif" "$COPY"
kill "$XCLIP_PID" 2>/dev/null
wait "$XCLIP_PID" 2>/dev/null
screenshot "$OUTDIR/pasted.png"
e2e_log "screenshot: $OUTDIR/pasted.png"

e2e_close_program view_commands
