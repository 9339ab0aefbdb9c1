#!/usr/bin/env bash
# Makes the pictures of the user's guide again (help/images) from the program under Wine.
# Usage: scripts/help-pictures.sh [GIF]   (default: the corpus's welcome2.gif)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/packages.sh"
. "$top/scripts/build-windows.sh"
ensure_packages "${WINDOWS_PACKAGES[@]}"
build_windows x86_64 "$top/build/win64"
bash "$top/e2e/help_pictures.sh" "$top/build/win64/quillmap.exe" "$top/build/help-pictures" \
    "${1:-$top/../shared/corpus/welcome2.gif}"
cp "$top/build/help-pictures/pictures/"*.png "$top/help/images/"
echo "help/images: $(cd "$top/help/images" && echo *.png)"
