#!/usr/bin/env bash
# The structure view over a 20 MB GIF of ten million one-byte sub-blocks, its image opened, taken
# to the end, edited in the middle and undone, stays within twice the file's size and 64 MB.
# Usage: view_memory.sh VIEW_MEMORY WORKDIR
set -eu
mkdir -p "$2" && gif="$2/onebyte.gif"
python3 "$(dirname "$0")/../onebyte_gif.py" 10000000 "$gif"
"$1" "$gif"
