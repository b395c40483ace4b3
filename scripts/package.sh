#!/usr/bin/env bash
# Builds the Debian package with Debian's own tools and leaves it in dist/:
#   scripts/package.sh [DEST]        (DEST instead of dist/)
# Installs the packaging tools and build dependencies that are missing, then builds a
# copy of the source tree in DEST/.build, so that the source tree and the folder above
# it gain no build files. Install the game with: sudo apt install ./dist/zingaroo_*.deb
# and the board server with: sudo apt install ./dist/zingaroo-board_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${1:-$root/dist}"
dest=$(cd "${1:-$root/dist}" && pwd)
bash "$root/scripts/deps.sh" package

# The package's version follows the project's; a changelog left behind is a mistake.
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
project=$(sed -n 's/^project(zingaroo VERSION \([^ )]*\).*/\1/p' "$root/CMakeLists.txt")
if [ "${version%-*}" != "$project" ]; then
    echo "package: debian/changelog is at $version but the project at $project" >&2
    exit 1
fi

# A fixed place, so that a compiler cache finds the same paths on the next run.
work=$dest/.build
src=$work/zingaroo-$version
rm -rf "$work"
mkdir -p "$src"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # The files as they are now, committed or not; ignored build output stays out.
    git -C "$root" ls-files -z --cached --others --exclude-standard |
        tar -C "$root" --null -T - --ignore-failed-read -cf - 2>"$work/copy.log" |
        tar -C "$src" -xf - || { cat "$work/copy.log" >&2; exit 1; }
else
    tar -C "$root" --exclude='./build*' --exclude=./dist --exclude=./out -cf - . | tar -C "$src" -xf -
fi

(cd "$src" && dpkg-buildpackage -us -uc -b -J"$(nproc)")

rm -f "$dest"/zingaroo_*.deb "$dest"/zingaroo-dbgsym_*.deb "$dest"/zingaroo-board_*.deb \
    "$dest"/zingaroo-board-dbgsym_*.deb
mv "$work"/*.deb "$dest"/
rm -rf "$work"
ls -l "$dest"/*.deb
