#!/usr/bin/env bash
# Installs a build into a scratch folder and checks what a distribution would package:
# the files and their places, the desktop entry and the AppStream metadata.
# Usage: scripts/check-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null

failed=0
expect() {
    if [ -e "$stage/usr/$1" ]; then echo "ok: $1"; else echo "MISSING: $1"; failed=1; fi
}
expect bin/zingaroo
for f in sound/start.wav sound/bounce.wav sound/clear.wav help/index.html; do
    expect share/zingaroo/$f
done
expect share/doc/zingaroo/index.html
expect share/man/man6/zingaroo.6
expect share/applications/org.zingaroo.Zingaroo.desktop
expect share/metainfo/org.zingaroo.Zingaroo.metainfo.xml
for size in 16 32 48 64 128 256; do
    expect share/icons/hicolor/${size}x${size}/apps/org.zingaroo.Zingaroo.png
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$stage/usr/share/applications/org.zingaroo.Zingaroo.desktop" && echo "ok: desktop entry valid" || failed=1
fi
if command -v appstreamcli >/dev/null; then
    # Valid, and without warnings either.
    if report=$(appstreamcli validate --pedantic --no-net "$stage/usr/share/metainfo/org.zingaroo.Zingaroo.metainfo.xml") &&
        ! grep -q '^[EW]:' <<<"$report"; then
        echo "ok: metainfo valid"
    else
        echo "$report"
        failed=1
    fi
fi
[ "$failed" -eq 0 ] && echo "install: 1 passed, 0 failed" || { echo "install: 0 passed, 1 failed"; exit 1; }
