#!/usr/bin/env bash
# Builds Cuadrix, then plays it (play), runs every test (test) or builds the Debian package (package), installing what
# is missing.
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
cd "$(dirname "$0")/.."

build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libxcb1-dev qt6-translations-l10n libgtest-dev libqqwing-dev libbenchmark-dev
                fonts-dejavu-core fonts-liberation)
test_packages=(xvfb xauth xdotool x11-utils desktop-file-utils appstream openbox libglib2.0-bin reuse clang-format dpkg-dev file
               dbus-daemon dbus-bin at-spi2-core python3-pyatspi)

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Builds the source package and the binary package with dpkg-buildpackage, moves what it writes beside the tree into
# build-deb/, checks both with lintian, which fails on any error or warning, and checks the package's files against
# what the programs open.
package() {
    install_missing debhelper lintian man-db desktop-file-utils appstream file
    if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends ./
    fi
    dpkg-buildpackage -us -uc -j"$(nproc)"
    local source name root
    source=cuadrix_$(dpkg-parsechangelog -S Version)
    name=${source}_$(dpkg-architecture -q DEB_HOST_ARCH)
    mkdir -p build-deb
    mv "../$source.dsc" "../$source.tar.xz" "../$name.deb" "../${name/cuadrix/cuadrix-dbgsym}.deb" "../$name.buildinfo" \
        "../$name.changes" build-deb/
    lintian --fail-on error,warning --display-info --pedantic "build-deb/$name.changes"
    root=$(mktemp -d)
    dpkg-deb -x "build-deb/$name.deb" "$root"
    bash tests/e2e/install_check.sh . "$root/usr" system || { rm -rf "$root"; return 1; }
    rm -rf "$root"
    echo "package: build-deb/$name.deb, source: build-deb/$source.dsc"
}

build() {  # build folder, extra cmake options...
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
    cmake --build "$folder" -j "$(nproc)"
}

case "${1:-}" in
play)
    install_missing "${build_packages[@]}"
    build build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    exec build/cuadrix
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
    (cd build-test && QT_QPA_PLATFORM=offscreen ctest -j 2 --output-on-failure)
    build-test/cuadrix-biblioteca comprobar game
    # Every file carries its licence and copyright, in its header or in .reuse/dep5.
    reuse lint --quiet
    # Every C++ file in the one style of .clang-format.
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
    # Without qqwing the game and its logic tests still build; only the library tool is left out.
    cmake -S . -B build-noqqwing -G Ninja -DCUADRIX_WITHOUT_QQWING=ON >/dev/null
    cmake --build build-noqqwing -j "$(nproc)" --target test_logic
    (cd build-noqqwing && ctest -L logic --output-on-failure)
    # The file readers fuzzed for a bounded time: 90 s by default.
    install_missing clang libclang-rt-14-dev
    bash fuzz/run.sh "${CUADRIX_FUZZ_SECONDS:-90}"
    # The same tests again with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DCUADRIX_SANITIZE=ON
    (cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" ctest -j 2 --output-on-failure)
    package
    ;;
package)
    package
    ;;
*)
    echo "usage: $0 play|test|package" >&2
    exit 2
    ;;
esac
