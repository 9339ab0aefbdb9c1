#!/usr/bin/env bash
# End-to-end: the Windows backend's own checks (quillmap_win32_checks.exe, built beside
# quillmap.exe) run under Wine on a private X server: a dialog's focus after it lost activation
# and got it back, and tasks posted to the message loop.
# Usage: win32_backend.sh CHECKS_EXE OUTDIR   (the checks' output goes to OUTDIR/checks.log)
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 CHECKS_EXE OUTDIR" >&2
    exit 2
fi
if [ ! -f "$1" ]; then
    echo "[e2e] FAIL: no such program: $1" >&2
    exit 2
fi
EXE=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
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

timeout 120 "$E2E_WINE" "$EXE" >"$OUTDIR/checks.log" 2>"$OUTDIR/wine.log"
status=$?
cat "$OUTDIR/checks.log" >&2
if [ "$status" -ne 0 ] || ! grep -q '^0 failed' "$OUTDIR/checks.log"; then
    echo "[e2e] win32_backend: failed (status $status); see $OUTDIR/checks.log" >&2
    exit 1
fi
echo "[e2e] win32_backend: passed"
