#!/usr/bin/env bash
# Runs every test headless: one X server of its own for the whole suite (Qt Quick needs OpenGL).
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
cd "$build" || exit 1
exec "$here/with-xvfb.sh" ctest --output-on-failure -j 2
