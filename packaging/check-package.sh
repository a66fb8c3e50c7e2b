#!/bin/sh
# check-package.sh: checks the files, the menu entry and the dependencies of a built Debian package.
#
#   sh check-package.sh BUILD_DIR APP_ID
#
# BUILD_DIR is a tree that build-package.sh has packed: it holds exactly one .deb.
set -eu

build=$1 id=$2

set -- "$build"/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "FAIL: expected one package in $build, found: $*"
    exit 1
fi
deb=$1

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# `dpkg-deb -c` lists "mode owner size date time ./path"; keep mode and path.
listing=$(dpkg-deb -c "$deb" | awk '{ print $1, $NF }')
has() {
    echo "$listing" | grep -Eq "^$1 \\./usr/$2\$" || fail "$deb holds no $2 ($1)"
}
# A game goes to /usr/games, and nowhere else.
has '-rwxr-xr-x' games/pebblix
! echo "$listing" | grep -q '/bin/' || fail "$deb has a bin/ folder: $(echo "$listing" | grep /bin/)"
has '-rw-r--r--' "share/applications/$id.desktop"
has '-rw-r--r--' "share/metainfo/$id.metainfo.xml"
for size in 32 64 128 256; do
    has '-rw-r--r--' "share/icons/hicolor/${size}x${size}/apps/$id.png"
done
has '-rw-r--r--' share/man/man6/pebblix.6.gz
has '-rw-r--r--' share/man/bg/man6/pebblix.6.gz
has '-rw-r--r--' share/doc/pebblix/copyright
has '-rw-r--r--' share/doc/pebblix/changelog.gz

# The menu entry starts the packaged program by its full path: /usr/games is not on every PATH
# (root's, for one).
exec=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./usr/share/applications/$id.desktop" |
    sed -n 's/^Exec=//p')
[ "$exec" = /usr/games/pebblix ] || fail "the menu entry starts '$exec', not /usr/games/pebblix"

# The libraries come from dpkg-shlibdeps (Qt and the C library at least), the font by name.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libc6 fonts-liberation; do
    echo "$depends" | grep -Eq "(^|, )$package( |,|\$)" || fail "Depends lacks $package: $depends"
done

[ "$failed" -eq 0 ] && echo "$(basename "$deb") checks out"
exit "$failed"
