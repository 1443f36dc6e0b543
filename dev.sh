#!/usr/bin/env bash
# La Scribel on Debian 12: installs whatever is missing, builds, then
#   ./dev.sh start   starts the program
#   ./dev.sh test    runs every test (what CI runs)
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-translations-l10n
    fonts-liberation poppler-utils xdg-utils
    xvfb xauth x11-utils xdotool imagemagick
    clang libclang-rt-14-dev
)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() { # build-dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$(nproc)"
}

install_missing
case "${1:-start}" in
start)
    build build/release -DSCRIBEL_TESTS=OFF
    exec build/release/app/scribel
    ;;
test)
    build build/release
    ctest --test-dir build/release --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 [start|test]" >&2
    exit 2
    ;;
esac
