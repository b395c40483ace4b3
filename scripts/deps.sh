#!/usr/bin/env bash
# Installs the Debian packages Zingaroo needs: "run" for building and playing,
# "package" for building the Debian package (the tools, then the build dependencies
# debian/control names), "test" for building and playing plus everything the tests,
# benchmarks and checks use, the package check included.
# Only packages not yet installed are fetched; runs apt-get as root or via sudo.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libsdl2-dev libxkbcommon-dev libxkbcommon-x11-dev
    libboost-dev libsqlite3-dev
    fonts-liberation2 fonts-dejavu-core
    xdg-utils
    libpq-dev
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format python3
    xvfb xauth xdotool imagemagick openbox x11-utils
    appstream desktop-file-utils
    fonts-noto-cjk
    postgresql chromium chromium-driver python3-selenium wrk curl
)
package_packages=(dpkg-dev debhelper fakeroot lintian)

case "${1:-run}" in
run) wanted=("${run_packages[@]}") ;;
package) wanted=("${package_packages[@]}") ;;
test) wanted=("${run_packages[@]}" "${test_packages[@]}" "${package_packages[@]}") ;;
*) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "${1:-run}" = package ]; then
    cd "$(dirname "$0")/.."
    if ! dpkg-checkbuilddeps 2>/dev/null; then
        echo "Installing the build dependencies of debian/control"
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends ./
    fi
fi
