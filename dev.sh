#!/usr/bin/env bash
# La Scribel on Debian 12: installs whatever is missing, builds, then
#   ./dev.sh start   starts the program
#   ./dev.sh test    runs every test (what CI runs)
#   ./dev.sh package builds the Debian package (tools/package.sh)
#   ./dev.sh mutate [--sample N] [--seed S] [FILES...]  slips put into the sources one at a
#                    time, each to be caught by a test (tools/mutate.py, in build/mutate)
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake g++ make pkg-config python3 ccache # python3: the include check and the mutation run; ccache: that run
    qt6-base-dev qt6-translations-l10n
    fonts-liberation poppler-utils xdg-utils
    xvfb xauth x11-utils xdotool imagemagick libxcb1-dev # libxcb1-dev: the banner's X11 calls
    clang clang-tidy libclang-rt-14-dev
    cups-daemon cups-client printer-driver-cups-pdf libcups2-dev # printing; a private print service in the tests
    # The Debian package and its checks: shlibdeps, lintian, the desktop files' validators,
    # the MIME database and the generic xdg-mime's lookup, the icons' renderer.
    dpkg-dev file lintian desktop-file-utils appstream shared-mime-info libfile-mimeinfo-perl librsvg2-bin
    adwaita-qt6 qt6ct qt6-gtk-platformtheme # desktop looks the window is checked under
    qt6-wayland sway wtype grim jq # the window on a headless Wayland compositor, by keyboard
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

configure() { # build-dir, extra cmake arguments...
    local dir=$1
    shift
    # Warnings are errors in the project's own builds (a plain cmake leaves them warnings).
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCRIBEL_WERROR=ON "$@"
}

build() { # build-dir, extra cmake arguments...
    configure "$@"
    cmake --build "$1" -j "$(nproc)"
}

install_missing
case "${1:-start}" in
start)
    configure build/release
    cmake --build build/release --target scribel -j "$(nproc)"
    exec build/release/app/scribel
    ;;
test)
    # 1. Every include points down; the whole suite on the optimised build, then
    #    clang-tidy over the same sources.
    tools/check-layers.py
    build build/release
    ctest --test-dir build/release --output-on-failure -j "$(nproc)"
    tools/tidy.sh build/release

    # 2. The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
    #    any report fails the run.
    build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DSCRIBEL_SANITIZE=ON -DSCRIBEL_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)"

    # 3. Short, bounded runs of the fuzzers on their kept corpora: the sheet reader, then
    #    what every field kind takes in.
    tools/fuzz.sh build/fuzz "${SCRIBEL_FUZZ_SECONDS:-60}" "${SCRIBEL_INSERTION_FUZZ_SECONDS:-30}"

    # 4. The Debian package, from a Release build, checked unpacked without installing it.
    tests/package/check-package.sh build/package

    total=$(($(ctest --test-dir build/release -N | awk '/Total Tests:/ {print $3}') +
        $(ctest --test-dir build/sanitize -N | awk '/Total Tests:/ {print $3}')))
    echo "All test runs (optimised and sanitized), clang-tidy, the fuzzer and the package checks ended without a fault."
    echo "scribel: $total passed, 0 failed"
    ;;
package)
    tools/package.sh build/package
    ;;
mutate)
    shift
    exec tools/mutate.py "$@"
    ;;
*)
    echo "usage: $0 [start|test|package|mutate]" >&2
    exit 2
    ;;
esac
