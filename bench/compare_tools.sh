#!/usr/bin/env bash
# quillmap-dump --summary against gifsicle --info on the generated large files, in one run.
# Usage: bench/compare_tools.sh BUILDDIR   (a native build with makegifs and quillmap-dump)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: compare_tools.sh BUILDDIR}" && pwd)
. "$top/scripts/packages.sh"
ensure_packages gifsicle hyperfine
dir=${QUILLMAP_BENCH_DIR:-/tmp/quillmap-bench}
[ -f "$dir/animation.gif" ] && [ -f "$dir/onebyte.gif" ] || "$build/bench/makegifs" "$dir"
for file in animation.gif onebyte.gif; do
    hyperfine -N -w 1 -r "${RUNS:-10}" \
        "$build/src/quillmap-dump --summary $dir/$file" "gifsicle --info $dir/$file"
done
