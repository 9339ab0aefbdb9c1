# ensure_packages PACKAGE...: installs the Debian packages that are missing, once.
# Sourced by the run and test scripts so that a fresh machine needs nothing done by hand.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# What building the Windows program with its help file (chmcmd is in fp-utils) and running it
# under Wine in a virtual display needs.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix fp-utils wine64 xvfb xdotool imagemagick x11-utils)
# And what the tests add: the native build with GoogleTest, the 32-bit cross build, and a
# clipboard program of X for the end-to-end tests, Python for reading the 32-bit samples' string
# tables, and for the release: zip, unzip and a CHM reader to look inside the help file.
TEST_PACKAGES=(g++ libgtest-dev libgif-dev g++-mingw-w64-i686-posix xclip python3 zip unzip libchm-bin)
