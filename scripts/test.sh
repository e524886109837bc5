#!/usr/bin/env bash
# Runs every test headless: one X server for the whole suite (Qt Quick needs OpenGL).
set -u
build=${1:-build}
cd "$build" || exit 1
if [ -n "${DISPLAY:-}" ] && [ -z "${VELORA_FORCE_XVFB:-}" ]; then
  exec ctest --output-on-failure -j 2
fi
exec xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j 2
