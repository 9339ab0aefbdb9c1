#!/usr/bin/env bash
# Builds quillmap.exe and runs it under Wine on the given GIF. With no display, it runs in a
# private virtual display and saves a screenshot. Usage: scripts/run.sh [FILE.gif]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build
. "$top/scripts/packages.sh"
. "$top/scripts/build-windows.sh"
. "$top/e2e/lib.sh"

ensure_packages "${WINDOWS_PACKAGES[@]}"
build_windows x86_64 "$build/win64"
exe=$build/win64/quillmap.exe
args=()
[ $# -gt 0 ] && args=("$(cd "$(dirname "$1")" && pwd)/$(basename "$1")")

if [ -n "${DISPLAY:-}" ]; then
    e2e_find_wine
    exec "$E2E_WINE" "$exe" "${args[@]}"
fi

shot=$build/screenshot.png
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb
start_wine_prefix "$build/wineprefix"
"$E2E_WINE" "$exe" "${args[@]}" >"$build/run.log" 2>&1 &
wait_for_window 'Quillmap$' 90 $! >/dev/null
sleep 2
screenshot "$shot"
echo "No display: quillmap ran in a virtual display; screenshot saved to $shot"
