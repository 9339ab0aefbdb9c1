#!/usr/bin/env bash
# The Wine prefix that each end-to-end test starts from a copy of; CTest runs this once, before
# them. Made on a private X server like every test's, in a folder beside DIR that is moved into
# place only when whole, so that a run broken off leaves no half prefix to copy. A prefix already
# in DIR is kept and brought up to date.
# Usage: wine_prefix.sh DIR
set -u
. "$(dirname "$0")/lib.sh"

if [ $# -ne 1 ]; then
    echo "usage: $0 DIR" >&2
    exit 2
fi
DIR=$1
unset QUILLMAP_E2E_PREFIX_TEMPLATE  # this makes the template, it copies none
e2e_install_cleanup

start_xvfb || exit 1
if [ -f "$DIR/system.reg" ]; then
    start_wine_prefix "$DIR" || exit 1
    exit 0
fi
rm -rf "$DIR.new"
start_wine_prefix "$DIR.new" || exit 1
stop_wine
rm -rf "$DIR" && mv "$DIR.new" "$DIR" || exit 1
use_wine_prefix "$DIR"  # what the cleanup ends
echo "[e2e] Wine prefix made in $DIR"
