#!/usr/bin/env bash
# The release build: Debian's hardening flags, warnings as errors, ccache. The suite runs on
# it (./dev.sh test) and the Debian package is made from it, so the product is built once.
#   tools/package.sh [--configure] [BUILD-DIR [CMAKE-ARGUMENTS...]]
# configures BUILD-DIR (build/release by default); then, unless --configure, builds it,
# makes the package and prints its path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
configure_only=false
if [[ ${1:-} == --configure ]]; then
    configure_only=true
    shift
fi
build="${1:-$root/build/release}"
shift || true

# Every hardening flag Debian knows, immediate binding included; not the file prefix map,
# which names the checkout and would keep ccache from serving another one.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flag() { dpkg-buildflags --get "$1" | sed 's/-ffile-prefix-map=[^ ]*//'; }
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSCRIBEL_WERROR=ON \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DCMAKE_CXX_FLAGS="$(flag CPPFLAGS) $(flag CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flag LDFLAGS)" \
    -DCMAKE_MODULE_LINKER_FLAGS="$(flag LDFLAGS)" "$@" >/dev/null
if $configure_only; then
    exit 0
fi
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/scribel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/scribel_*.deb
