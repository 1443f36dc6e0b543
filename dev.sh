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
    cmake g++ make pkg-config python3 ccache # python3: the include, clang-tidy and summary scripts
    qt6-base-dev qt6-translations-l10n
    fonts-liberation poppler-utils xdg-utils
    xvfb xauth x11-utils xdotool imagemagick libxcb1-dev # libxcb1-dev: the banner's X11 calls
    clang clang-tidy libclang-rt-14-dev
    cups-daemon cups-client printer-driver-cups-pdf ghostscript libcups2-dev # printing; a private print service in the tests, whose queue writes PDFs with gs
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

# Every build goes through ccache, which serves any checkout of the project alike.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1

install_missing
case "${1:-start}" in
start)
    tools/package.sh --configure build/release
    cmake --build build/release --target scribel -j "$(nproc)"
    exec build/release/app/scribel
    ;;
test)
    # The display tests' X server, compositor and clients share memory through /dev/shm,
    # which a bare chroot lacks.
    [[ -w /dev/shm ]] || { echo "/dev/shm is missing or read-only: mount a tmpfs there" >&2; exit 1; }
    results=build/test-results
    rm -rf "$results"
    mkdir -p "$results"
    failed=()
    step() { # name, command...: run to its end, a failure noted for the summary
        local name=$1
        shift
        "$@" || failed+=("$name")
    }
    suite() { # build-dir, name: the whole suite, ctest's results kept for the summary
        ctest --test-dir "$1" --output-on-failure -j "$(nproc)" --output-junit "$PWD/$results/$2.xml" \
            --test-output-size-passed 1000000 --test-output-size-failed 1000000
    }

    # 1. Every include points down; the whole suite on the release build that the package
    #    is made of; clang-tidy over the program's sources.
    step "include check" tools/check-layers.py
    tools/package.sh --configure build/release -DSCRIBEL_TESTS=ON -DSCRIBEL_BENCHMARKS=OFF
    cmake --build build/release -j "$(nproc)"
    step "optimised suite" suite build/release optimised
    step clang-tidy tools/tidy.py build/release

    # 2. The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
    #    any report fails the run.
    cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DSCRIBEL_SANITIZE=ON -DSCRIBEL_WERROR=ON \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
    cmake --build build/sanitize -j "$(nproc)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        step "sanitized suite" suite build/sanitize sanitized

    # 3. Short, bounded runs of the fuzzers on their kept corpora: the sheet reader, then
    #    what every field kind takes in.
    step fuzzers tools/fuzz.sh build/fuzz "${SCRIBEL_FUZZ_SECONDS:-60}" "${SCRIBEL_INSERTION_FUZZ_SECONDS:-30}"

    # 4. The Debian package, from the release build above, checked unpacked without
    #    installing it.
    step "package checks" tests/package/check-package.sh build/release

    # What else failed; then what ctest itself recorded, every skip by name.
    if ((${#failed[@]} > 0)); then
        echo "Failed: ${failed[*]}"
    fi
    tools/test-summary.py "$results"/optimised.xml "$results"/sanitized.xml && ((${#failed[@]} == 0))
    ;;
package)
    tools/package.sh build/release
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
