#!/usr/bin/env bash
# Builds everything and runs all tests: the unit tests, both Windows cross builds and the
# end-to-end tests of the 64-bit program under Wine. Usage: scripts/test.sh [BUILDDIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$top/build}" && cd "${1:-$top/build}" && pwd)
. "$top/scripts/packages.sh"
. "$top/scripts/build-windows.sh"
. "$top/e2e/lib.sh"

ensure_packages "${WINDOWS_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== Windows x86_64 build"
build_windows x86_64 "$build/win64"
echo "== Windows i686 build"
build_windows i686 "$build/win32"

echo "== Native build"
cmake -S "$top" -B "$build/native" -G Ninja -DQUILLMAP_WIN64_EXE="$build/win64/quillmap.exe" \
    -DQUILLMAP_WIN32_DIR="$build/win32" >/dev/null
cmake --build "$build/native"

echo "== Tests"
status=0
# As many tests at once as there are cores: the end-to-end tests spend much of their time waiting.
ctest --test-dir "$build/native" --output-on-failure -j "$(nproc)" || status=$?
# Every end-to-end test ends its own X server and Wine programs; whatever it left is a fault.
fail_on_leftovers "$build/native/e2e" || status=1
[ "$status" -eq 0 ] || exit "$status"

# The parser, the decoder and the command-line tool's work on hostile input, damaged state files,
# the search's sixteen-byte reads near the ends of the bytes, and the windows' lifetimes (a window
# let go while its messages still run), with every read and every sum checked by AddressSanitizer
# and UBSan.
echo "== Sanitizer build"
cmake -S "$top" -B "$build/asan" -G Ninja -DQUILLMAP_SANITIZE=ON >/dev/null
cmake --build "$build/asan" --target quillmap_tests
ctest --test-dir "$build/asan" --output-on-failure \
    -R 'Robustness|Lzw|GifGrammar|GifDescriptions|FieldTree|VwStructDocument|StructPainter|mainwindow|messagewindow|filecommands|StateFile|formstate|PhraseFinder|ReplaceFound|FindDialog|ReplaceDialog'
