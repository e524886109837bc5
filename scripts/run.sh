#!/usr/bin/env bash
# Starts Velora from the build folder.
set -u
build=${1:-build}
exec "$build/velora"
