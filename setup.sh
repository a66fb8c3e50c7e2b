#!/bin/sh
# setup.sh: installs what Pebblix needs and builds it; then starts it, tests it or packages it.
#
#   sh setup.sh play     build and start the game
#   sh setup.sh test     build and run the whole test suite, plainly and under the sanitizers
#   sh setup.sh package  build the Debian package in build/package and install it with apt-get
#   sh setup.sh bench    build the benchmarks and print their table (bench/run.sh)
#   sh setup.sh web      build the web edition, build/web/pebblix.html, and open it in a browser;
#                        also the folder to put on a web host, build/web/site
#   sh setup.sh windows  build the Windows edition: the portable build/windows/pebblix.exe and
#                        the installer build/windows/pebblix-<version>-x64.msi
#
# On Debian and Ubuntu the missing packages are installed with apt-get (through sudo when not
# run as root). Elsewhere the script names what to install by hand and stops.
set -eu

cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
play | test | package | bench | web | windows) ;;
*)
    echo "usage: sh setup.sh play|test|package|bench|web|windows" >&2
    exit 2
    ;;
esac

# What the game needs to build and run; the tests need a little more.
packages="g++ cmake ninja-build qt6-base-dev fonts-liberation"
if [ "$mode" = test ]; then
    packages="$packages libgtest-dev desktop-file-utils appstream file"
    # The page's check reads its icon with Pillow.
    packages="$packages python3-pil"
    # The package's checks: it is built as `package` builds it, checked with what a distribution's
    # maintainer runs, and its manual pages rendered by man.
    packages="$packages build-essential debhelper lintian blhc man-db groff-base"
fi
# The packaging folder's tool, wherever it is configured: dpkg-dev reads the changelog.
if [ "$mode" = test ] || [ "$mode" = bench ]; then
    packages="$packages dpkg-dev"
fi
# dpkg-buildpackage builds the package with debhelper (debian/rules).
if [ "$mode" = package ]; then
    packages="$packages build-essential debhelper"
fi
# The web edition needs neither Qt nor the host's compiler: Debian's Emscripten (which brings its
# node and acorn), and fontTools with brotli to cut the embedded font from Liberation Serif.
web_packages="cmake ninja-build emscripten python3-fonttools python3-brotli fonts-liberation2"
if [ "$mode" = web ]; then
    packages="$web_packages"
fi
if [ "$mode" = test ] || [ "$mode" = bench ]; then
    packages="$packages $web_packages"
    # The browser tests' driver comes through npm and drives Chromium. A node from elsewhere
    # (nodesource) brings its own npm, which Debian's npm package would conflict with.
    command -v npm >/dev/null 2>&1 || packages="$packages npm"
    command -v chromium >/dev/null 2>&1 || packages="$packages chromium"
fi
# The page's tests and benchmarks run in Firefox and WebKit too: Firefox ESR itself (driven over
# WebDriver BiDi), WebKitGTK's WebDriver with its MiniBrowser, and an X server for that; Mesa's
# drivers are WebKitGTK's (only recommended, so named here).
if [ "$mode" = test ] || [ "$mode" = bench ]; then
    packages="$packages firefox-esr webkit2gtk-driver libgl1-mesa-dri xvfb xauth"
fi
if [ "$mode" = bench ]; then
    packages="$packages libbenchmark-dev hyperfine xvfb time"
fi
# The Windows edition is cross-compiled with MinGW-w64 and needs no Qt: the compiler with POSIX
# threads, windres, and for the installer wixl, with faketime and msitools' msibuild to make it the
# same bytes on every build. Its tests run under Wine (64-bit alone is enough), with GoogleTest
# built from Debian's sources.
windows_packages="cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64"
windows_packages="$windows_packages wixl faketime msitools"
windows_test_packages="wine wine64 googletest fonts-liberation"
if [ "$mode" = windows ]; then
    packages="$windows_packages"
fi
if [ "$mode" = test ]; then
    packages="$packages $windows_packages $windows_test_packages"
fi

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
    cat >&2 <<'MSG'
This system has no apt-get. Install by hand: a C++20 compiler, CMake 3.22 or later, Ninja,
the Qt 6 Widgets development files, the Liberation fonts (or Times New Roman), for the package's
files dpkg-parsechangelog, and for the tests GoogleTest, desktop-file-utils and
appstream. Then build with:
    cmake --preset default && cmake --build --preset default
MSG
    exit 1
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

build() {
    cmake --preset "$1"
    cmake --build --preset "$1"
}

if [ "$mode" = play ]; then
    # A tree of its own without the tests, so a player needs none of the test packages.
    build play
    exec ./build/play/qt/pebblix
fi

if [ "$mode" = bench ]; then
    exec sh bench/run.sh
fi

# The web edition in its own tree, build/web; its tests only where they are to run.
build_web() {
    cmake --preset web -DBUILD_TESTING="$1"
    cmake --build --preset web
}

if [ "$mode" = web ]; then
    build_web OFF
    page="$(pwd)/build/web/pebblix.html"
    echo "The game in one file: $page"
    echo "The same as a web app, the folder to copy to a web host: $(pwd)/build/web/site/"
    if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && command -v xdg-open >/dev/null 2>&1; then
        xdg-open "$page" || true
    fi
    exit 0
fi

if [ "$mode" = windows ]; then
    cmake --preset windows -DBUILD_TESTING=OFF
    cmake --build --preset windows
    echo "The portable program, to copy anywhere: $(pwd)/build/windows/pebblix.exe"
    echo "The installer for administrators: $(ls "$(pwd)"/build/windows/pebblix-*-x64.msi)"
    exit 0
fi

if [ "$mode" = package ]; then
    # Built by dpkg-buildpackage from a copy of the source, as a distribution builds its packages.
    sh packaging/build-package.sh . build/package
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall \
        ./build/package/pebblix_*.deb
    exit 0
fi

for preset in default asan; do
    build "$preset"
    ctest --preset "$preset"
done
build_web ON
ctest --preset web
# The Windows edition and its tests under Wine, in a prefix of their own inside the build tree.
cmake --preset windows -DBUILD_TESTING=ON
cmake --build --preset windows
ctest --preset windows
