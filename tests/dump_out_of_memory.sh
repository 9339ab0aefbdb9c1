#!/usr/bin/env bash
# quillmap-dump out of memory: a legal GIF of 64 MB whose image data are 32 million one-byte
# sub-blocks is read in full without a limit, and under a limit of address space too small for its
# bytes and sizes together it says so and exits with 2, rather than aborting.
# Usage: dump_out_of_memory.sh QUILLMAP_DUMP WORKDIR
set -u
dump=$1
mkdir -p "$2" && gif="$2/onebyte.gif"
python3 "$(dirname "$0")/onebyte_gif.py" 32000000 "$gif"
status=0
"$dump" --summary "$gif" >"$2/full.txt" 2>&1 || status=$?
if [ "$status" -ne 0 ] || ! grep -q '^sub-blocks: 32000000$' "$2/full.txt"; then
    echo "FAIL: without a limit the file reads whole (status $status):" >&2
    cat "$2/full.txt" >&2
    exit 1
fi
status=0
(ulimit -v 100000 && exec "$dump" --summary "$gif") >"$2/limited.txt" 2>"$2/limited.err" || status=$?
if [ "$status" -ne 2 ] || ! grep -qx 'quillmap-dump: out of memory' "$2/limited.err"; then
    echo "FAIL: under 100 MB of address space: status $status (want 2), said:" >&2
    cat "$2/limited.err" >&2
    exit 1
fi
echo "ok: read whole without a limit; under 100 MB: status 2, \"$(cat "$2/limited.err")\""
