#!/usr/bin/env bash
# Installs a build into a scratch folder and checks what a distribution would package:
# the files and their places, the help page in every language, the desktop entry and the
# AppStream metadata with their translations, and the replay files' type.
# Usage: ZINGAROO_LANGUAGES="de ..." ZINGAROO_ICON_SIZES="16 ..." scripts/check-install.sh BUILD_DIR
# (the test test_install_layout passes both lists from CMakeLists.txt)
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
languages=${ZINGAROO_LANGUAGES:?the languages, as listed in CMakeLists.txt}
icon_sizes=${ZINGAROO_ICON_SIZES:?the icon sizes, as listed in CMakeLists.txt}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null

failed=0
expect() {
    if [ -e "$stage/usr/$1" ]; then echo "ok: $1"; else echo "MISSING: $1"; failed=1; fi
}
expect bin/zingaroo
for f in sound/start.wav sound/bounce.wav sound/clear.wav help/index.html help/help.css; do
    expect share/zingaroo/$f
done
expect share/doc/zingaroo/index.html
expect share/doc/zingaroo/help.css
expect share/man/man6/zingaroo.6
expect sbin/zingaroo-board
expect share/man/man8/zingaroo-board.8
for lang in $languages; do
    expect share/zingaroo/help/$lang/index.html
done
expect share/applications/org.zingaroo.Zingaroo.desktop
expect share/metainfo/org.zingaroo.Zingaroo.metainfo.xml
expect share/mime/packages/org.zingaroo.Zingaroo.xml
for size in $icon_sizes; do
    expect share/icons/hicolor/${size}x${size}/apps/org.zingaroo.Zingaroo.png
done

# Each language names and describes the game in the menus and in software centres.
desktop=$stage/usr/share/applications/org.zingaroo.Zingaroo.desktop
metainfo=$stage/usr/share/metainfo/org.zingaroo.Zingaroo.metainfo.xml
for lang in $languages; do
    for key in Name Comment; do
        grep -q "^$key\[$lang\]=." "$desktop" || { echo "UNTRANSLATED: desktop $key[$lang]"; failed=1; }
    done
    grep -q "<summary xml:lang=\"$lang\">" "$metainfo" || { echo "UNTRANSLATED: metainfo summary $lang"; failed=1; }
done

# A replay file, known by its name or by its first line, is of the type the desktop entry opens.
mimetype=application/x-zingaroo-replay
grep -q "^MimeType=$mimetype;$" "$desktop" && grep -q "^Exec=zingaroo %f$" "$desktop" &&
    grep -q "<mediatype>$mimetype</mediatype>" "$metainfo" || { echo "NO FILE TYPE: $mimetype"; failed=1; }
if command -v update-mime-database >/dev/null; then
    mime=$stage/usr/share/mime
    # It notes on standard error that the scratch folder is not searched; shown on failure.
    update-mime-database "$mime" 2>"$stage/mime.log" &&
        grep -qx "[0-9]*:$mimetype:\*\.zingaroo" "$mime/globs2" &&
        grep -qa "zingaroo game " "$mime/magic" && echo "ok: file type $mimetype" ||
        { cat "$stage/mime.log"; echo "NOT REGISTERED: $mimetype"; failed=1; }
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" && echo "ok: desktop entry valid" || failed=1
fi
if command -v appstreamcli >/dev/null; then
    # The game plays with a pointer and keys, with the keys alone or with a gamepad: it
    # supports each of them and requires none.
    appstreamcli validate --strict --no-net "$metainfo" >/dev/null && echo "ok: metainfo valid" ||
        failed=1
fi
[ "$failed" -eq 0 ] && echo "install: 1 passed, 0 failed" || { echo "install: 0 passed, 1 failed"; exit 1; }
