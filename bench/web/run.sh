#!/bin/sh
# run.sh: measures the web page in Chromium, Firefox and WebKit and prints its rows of the
# performance table.
#
#   sh bench/web/run.sh                         builds the web tree (the `web` preset), 60
#                                               first paints each, in every engine
#   RUNS=10 sh bench/web/run.sh                 fewer
#   PEBBLIX_ENGINES=webkit sh bench/web/run.sh  in the engines named only (a list)
#   sh bench/web/run.sh --rows                  only the rows, to continue bench/run.sh's table
#
# It needs what the web tests need (Emscripten, node, npm, the browsers and xvfb-run for WebKit's
# display); `sh setup.sh bench` installs them and calls this after the desktop benchmarks.
set -eu

cd "$(dirname "$0")/../.."
build=${PEBBLIX_WEB_BUILD:-build/web}

if [ -z "${PEBBLIX_WEB_BUILD:-}" ]; then
    # With its tests: the browser drivers are installed there.
    cmake --preset web -DBUILD_TESTING=ON >&2
    cmake --build --preset web >&2
fi
if [ "${1:-}" != --rows ]; then
    echo "| measure | page | floor | ratio | goal | met |"
    echo "| --- | ---: | ---: | ---: | --- | --- |"
fi
# The browser drivers come from the web tests' tree, installed there by npm ci.
NODE_PATH="$PWD/$build/tests/web/node_modules" PEBBLIX_PAGE="$PWD/$build/pebblix.html" \
    PEBBLIX_CHROMIUM="${PEBBLIX_CHROMIUM:-/usr/bin/chromium}" xvfb-run -a node bench/web/bench.js
