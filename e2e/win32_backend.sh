#!/usr/bin/env bash
# End-to-end: the Windows backend's own checks (quillmap_win32_checks.exe, built beside
# quillmap.exe) run under Wine on a private X server: a dialog's focus after it lost activation
# and got it back, tasks posted to the message loop, names without a CP1251 form, a window's
# minimum size, another copy's window found by a caption over 255 characters, and the registry
# under HKEY_CLASSES_ROOT written, read and cleared.
# Usage: win32_backend.sh EXE OUTDIR   (EXE is quillmap.exe; the checks' output goes to
# OUTDIR/checks.log)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR" 2 "$@"
CHECKS=${BUILT_EXE%/*}/quillmap_win32_checks.exe
if [ ! -f "$CHECKS" ]; then
    e2e_fail "no such program: $CHECKS"
    exit 2
fi
e2e_install_cleanup

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
