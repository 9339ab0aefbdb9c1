#!/usr/bin/env bash
# End-to-end: the Windows backend's own checks (quillmap_win32_checks.exe, built beside
# quillmap.exe) run under Wine on a private X server: a dialog's focus after it lost activation
# and got it back, tasks posted to the message loop, names without a CP1251 form, a window's
# minimum size and another copy's window found by a caption over 255 characters.
# Usage: win32_backend.sh EXE OUTDIR   (EXE is quillmap.exe; the checks' output goes to
# OUTDIR/checks.log)
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 EXE OUTDIR" >&2
    exit 2
fi
CHECKS=$(cd "$(dirname "$1")" && pwd)/quillmap_win32_checks.exe
if [ ! -f "$CHECKS" ]; then
    echo "[e2e] FAIL: no such program: $CHECKS" >&2
    exit 2
fi
mkdir -p "$2" || exit 2
OUTDIR=$(cd "$2" && pwd)

. "$(dirname "$0")/lib.sh"

cleanup() {
    stop_wine
    stop_xvfb
}
trap cleanup EXIT

start_xvfb || exit 1
start_wine_prefix "$OUTDIR/wineprefix" || exit 1

timeout 120 "$E2E_WINE" "$CHECKS" >"$OUTDIR/checks.log" 2>"$OUTDIR/wine.log"
status=$?
cat "$OUTDIR/checks.log" >&2
if [ "$status" -ne 0 ] || ! grep -q '^0 failed' "$OUTDIR/checks.log"; then
    echo "[e2e] win32_backend: failed (status $status); see $OUTDIR/checks.log" >&2
    exit 1
fi
echo "[e2e] win32_backend: passed"
