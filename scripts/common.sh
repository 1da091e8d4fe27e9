# Shared by scripts/run and scripts/test: install what the build needs, then build.
# shellcheck shell=bash
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${ZNAKOVIT_BUILD_DIR:-$top/build}"

# Installs the Debian packages of the list that are missing, saying which.
need_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing the Debian packages that are missing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The compiler, CMake, Qt 6 and the metric twins of Arial and Times New Roman.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev fonts-liberation2)

configure_and_build() {
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" "$@"
    cmake --build "$build" --parallel "$(nproc)"
}
