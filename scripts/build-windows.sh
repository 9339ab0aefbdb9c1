# build_windows ARCH BUILDDIR: configures and builds quillmap.exe for x86_64 or i686.
build_windows() {
    local arch=$1 dir=$2 top
    top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-$arch.cmake" >/dev/null &&
        cmake --build "$dir"
}
