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
#   sh setup.sh release  build every file of a release from the last commit into dist/: the page,
#                        the site, the Windows program and installer, the Debian package, the
#                        source and SHA256SUMS
#
# On Debian and Ubuntu the missing packages are installed with apt-get (through sudo when not
# run as root). Elsewhere the script names what to install by hand and stops.
set -eu

cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
play | test | package | bench | web | windows | release) ;;
*)
    echo "usage: sh setup.sh play|test|package|bench|web|windows|release" >&2
    exit 2
    ;;
esac

# What the game needs to build and run; the tests need a little more.
packages="g++ cmake ninja-build qt6-base-dev fonts-liberation"
if [ "$mode" = test ]; then
    packages="$packages libgtest-dev desktop-file-utils appstream"
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
# A release is all of the above but the tests, from the last commit that Git holds.
if [ "$mode" = release ]; then
    packages="$packages build-essential debhelper $web_packages $windows_packages git"
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

# Configures and builds the tree of a preset; ON or OFF builds it with or without its tests.
build() {
    cmake --preset "$1" ${2:+"-DBUILD_TESTING=$2"}
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

if [ "$mode" = web ]; then
    build web OFF
    page="$(pwd)/build/web/pebblix.html"
    echo "The game in one file: $page"
    echo "The same as a web app, the folder to copy to a web host: $(pwd)/build/web/site/"
    if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && command -v xdg-open >/dev/null 2>&1; then
        xdg-open "$page" || true
    fi
    exit 0
fi

if [ "$mode" = windows ]; then
    build windows OFF
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

if [ "$mode" = release ]; then
    # The source of the last commit, by git archive, is unpacked in build/release and built there
    # as the commands above build theirs. Every time in the files is SOURCE_DATE_EPOCH, the last
    # commit's unless given, and the time zone, locale and umask are fixed, so that two releases of
    # one commit give the same bytes wherever and whenever they are made.
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
    export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
    umask 022
    git diff --quiet HEAD || echo "Changes not committed are left out of the release."
    name=pebblix-$(dpkg-parsechangelog -S Version)
    rm -rf build/release dist
    mkdir -p build/release dist
    git archive --format=tar.gz --prefix="$name/" -o "dist/$name.tar.gz" HEAD
    tar -xzf "dist/$name.tar.gz" -C build/release
    sh packaging/build-package.sh "build/release/$name" build/release/package
    (cd "build/release/$name" && build web OFF && build windows OFF)
    built=build/release/$name/build
    cp "$built/web/pebblix.html" "dist/$name.html"
    cp "$built/web/site.zip" "dist/$name-site.zip"
    cp "$built/windows/pebblix.exe" "dist/$name-x64.exe"
    cp "$built/windows/$name-x64.msi" build/release/package/pebblix_*_amd64.deb dist/
    (cd dist && sha256sum -- * >SHA256SUMS && cat SHA256SUMS)
    echo "The release: $(pwd)/dist/"
    exit 0
fi

for preset in default asan; do
    build "$preset"
    ctest --preset "$preset"
done
build web ON
ctest --preset web
# The Windows edition and its tests under Wine, in a prefix of their own inside the build tree.
build windows ON
ctest --preset windows
