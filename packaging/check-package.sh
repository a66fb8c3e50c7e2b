#!/bin/sh
# check-package.sh: builds the Debian package of the build tree and checks its files and depends.
#
#   sh check-package.sh CPACK BUILD_DIR SCRATCH_DIR APP_ID
set -eu

cpack=$1 build=$2 out=$3 id=$4

rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"
    exit 1
}
set -- "$out"/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "FAIL: expected one package in $out, found: $*"
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
has '-rwxr-xr-x' bin/pebblix
has '-rw-r--r--' "share/applications/$id.desktop"
has '-rw-r--r--' "share/metainfo/$id.metainfo.xml"
for size in 32 64 128 256; do
    has '-rw-r--r--' "share/icons/hicolor/${size}x${size}/apps/$id.png"
done

# The libraries come from dpkg-shlibdeps (Qt and the C library at least), the font by name.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libc6 fonts-liberation; do
    echo "$depends" | grep -Eq "(^|, )$package( |,|\$)" || fail "Depends lacks $package: $depends"
done

[ "$failed" -eq 0 ] && echo "$(basename "$deb") checks out"
exit "$failed"
