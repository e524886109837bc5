#!/usr/bin/env bash
# Runs every test headless: each test starts an X server of its own (Qt Quick needs OpenGL).
set -u
build=${1:-build}
cd "$build" || exit 1
exec ctest --output-on-failure -j 2
