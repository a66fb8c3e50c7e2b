#!/bin/sh
# check-reproducible.sh SOURCE_DIR SCRATCH_DIR: the portable program and the installer are the same
# bytes from two builds of the same source in different folders, under another time zone, locale
# and umask, at another time. Neither is given SOURCE_DATE_EPOCH: the copies' files keep their
# times, from which the installer then takes its own. diffoscope shows what differs.
set -eu
source=$1 scratch=$2
rm -rf "$scratch"

# build FOLDER: a copy of the source in FOLDER, built as `sh setup.sh windows` builds it.
build() {
    mkdir -p "$1"
    tar -C "$source" --exclude=./.git --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$1"
    (cd "$1" && cmake --preset windows -DBUILD_TESTING=OFF >/dev/null &&
        cmake --build --preset windows >/dev/null)
}
(umask 022 && TZ=UTC LC_ALL=C build "$scratch/one/pebblix")
(umask 077 && TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 build "$scratch/two/a/longer/path/to/the/game")

failed=0
for file in pebblix.exe "$(cd "$scratch/one/pebblix/build/windows" && ls pebblix-*-x64.msi)"; do
    one="$scratch/one/pebblix/build/windows/$file"
    two="$scratch/two/a/longer/path/to/the/game/build/windows/$file"
    if cmp -s "$one" "$two"; then
        echo "$file: the same $(wc -c <"$one") bytes from both builds"
    else
        echo "FAIL: $file differs between the two builds"
        command -v diffoscope >/dev/null && diffoscope "$one" "$two" | head -n 60
        failed=1
    fi
done
exit "$failed"
