#!/usr/bin/env bash
# Builds the Debian package (tools/package.sh) and checks it without installing it: its
# control fields and contents, the desktop files' validators, lintian, the MIME
# association in an unpacked copy, the unpacked program, and CMake's install manifest.
#   tests/package/check-package.sh [build-dir]   (build/release by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/release}"

deb=$("$root/tools/package.sh" "$build" | tail -n 1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
# Nothing below reads or writes the machine's own desktop settings, caches or $HOME.
isolated=(env -i "PATH=$PATH" "HOME=$work/home" "XDG_DATA_HOME=$work/home/data"
    "XDG_CONFIG_HOME=$work/home/config" "XDG_CACHE_HOME=$work/home/cache"
    "XDG_CONFIG_DIRS=$work/home/etc" "XDG_DATA_DIRS=$work/root/usr/share" LC_ALL=C.UTF-8)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # description, command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        fail "$what"
    fi
}

# The control fields.
depends=$(dpkg-deb --field "$deb" Depends)
for needed in fonts-liberation qt6-translations-l10n xdg-utils libqt6widgets6 libqt6printsupport6 libcups2 libc6; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
check "Qt's Wayland platform recommended" \
    test "$(dpkg-deb --field "$deb" Recommends)" = qt6-wayland
check "architecture of the build machine" \
    test "$(dpkg-deb --field "$deb" Architecture)" = "$(dpkg --print-architecture)"

# The contents, exactly: the program in its own folder, everything else under /usr/share.
dpkg-deb -x "$deb" "$work/root"
expected=$(sort <<'LIST'
usr/bin/scribel -> ../lib/scribel/scribel
usr/lib/scribel/scribel
usr/lib/scribel/modules/scribel-printer.so
usr/lib/scribel/Adhesion.txt -> ../../share/scribel/Adhesion.txt
usr/lib/scribel/Le_Zolk_.hlp -> ../../share/scribel/Le_Zolk_.hlp
usr/lib/scribel/Le_Zolk_.htm -> ../../share/scribel/Le_Zolk_.htm
usr/lib/scribel/Le_Zolk_.txt -> ../../share/scribel/Le_Zolk_.txt
usr/share/scribel/Adhesion.txt
usr/share/scribel/Le_Zolk_.hlp
usr/share/scribel/Le_Zolk_.htm
usr/share/scribel/Le_Zolk_.txt
usr/share/applications/scribel.desktop
usr/share/metainfo/example.scribel.Scribel.metainfo.xml
usr/share/mime/packages/scribel.xml
usr/share/icons/hicolor/16x16/apps/scribel.png
usr/share/icons/hicolor/24x24/apps/scribel.png
usr/share/icons/hicolor/32x32/apps/scribel.png
usr/share/icons/hicolor/48x48/apps/scribel.png
usr/share/icons/hicolor/64x64/apps/scribel.png
usr/share/icons/hicolor/128x128/apps/scribel.png
usr/share/icons/hicolor/256x256/apps/scribel.png
usr/share/icons/hicolor/scalable/apps/scribel.svg
usr/share/man/man1/scribel.1.gz
usr/share/doc/scribel/copyright
usr/share/doc/scribel/changelog.gz
LIST
)
actual=$(cd "$work/root" && find . \( -type f -printf '%P\n' \) -o \( -type l -printf '%P -> %l\n' \) | sort)
check "the package holds exactly the expected files and links" \
    diff <(echo "$expected") <(echo "$actual")
for link in $(cd "$work/root" && find . -type l -printf '%P\n'); do
    [[ -e $work/root/$link ]] || fail "dangling link $link"
done
check "the program is stripped" \
    grep -q ', stripped' <(file --dereference "$work/root/usr/lib/scribel/scribel")
for size in 16 24 32 48 64 128 256; do
    grep -q "PNG image data, $size x $size," <(file "$work/root/usr/share/icons/hicolor/${size}x$size/apps/scribel.png") ||
        fail "the ${size}px icon is not a ${size}x$size PNG"
done

# The validators and lintian.
check "desktop-file-validate says nothing" \
    test -z "$(desktop-file-validate "$work/root/usr/share/applications/scribel.desktop" 2>&1)"
appstream=$("${isolated[@]}" appstreamcli validate --no-net \
    "$work/root/usr/share/metainfo/example.scribel.Scribel.metainfo.xml" 2>&1) || true
echo "$appstream"
check "appstreamcli finds no error or warning" \
    test -z "$(grep -E '^[EW]:' <<<"$appstream" || true)"
check "lintian finds no error or warning" \
    "${isolated[@]}" lintian --fail-on error,warning --info "$deb"

# The MIME types and the association, in the unpacked copy, as dpkg's triggers would
# leave them.
"${isolated[@]}" update-mime-database "$work/root/usr/share/mime"
"${isolated[@]}" update-desktop-database "$work/root/usr/share/applications"
cp "$root/tests/data/sheetfile/complet.pxr" "$work/fiche.pxr"
cp "$root/tests/data/sheetfile/zorvane.zrv" "$work/FICHE.ZRV"
check "a .pxr is application/x-scribel-pixelor" \
    test "$("${isolated[@]}" xdg-mime query filetype "$work/fiche.pxr")" = application/x-scribel-pixelor
check "a .ZRV is application/x-scribel-zorvane" \
    test "$("${isolated[@]}" xdg-mime query filetype "$work/FICHE.ZRV")" = application/x-scribel-zorvane
check "La Scribel opens both" test "$("${isolated[@]}" sh -c \
    'xdg-mime query default application/x-scribel-pixelor; xdg-mime query default application/x-scribel-zorvane')" \
    = "scribel.desktop"$'\n'"scribel.desktop"

# The unpacked program answers without a display.
check "scribel --version" test "$("${isolated[@]}" "$work/root/usr/bin/scribel" --version)" = "La Scribel 2.0"
status=0
"${isolated[@]}" "$work/root/usr/bin/scribel" --inconnue 2>"$work/stderr" || status=$?
check "an unknown option ends with status 2 and says so" \
    grep -q "option inconnue « --inconnue »" <(test $status -eq 2 && cat "$work/stderr")

# CMake's install manifest lists every installed file and link, so that removing the
# listed files leaves nothing behind.
DESTDIR="$work/staged" cmake --install "$build" --prefix /usr >/dev/null
check "the install manifest lists every installed file and link" \
    diff <(sed "s|^|$work/staged|" "$build/install_manifest.txt" | sort) \
    <(find "$work/staged" \( -type f -o -type l \) | sort)

if ((failures > 0)); then
    echo "$failures package check(s) failed" >&2
    exit 1
fi
echo "The package $(basename "$deb") passed every check."
