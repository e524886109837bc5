#!/usr/bin/env bash
# Installs the MinGW-w64 cross compilers (64-bit to run the tests, 32-bit for the shipped program's
# compile check; the posix-thread ones that Qt for Windows was built with for the whole program),
# wine64, which runs the 64-bit Windows programs, the Qt headers the Qt-facing Windows code is
# compile-checked against, the host's translation tools, and what the scenario under wine uses: an X
# server, xdotool and ImageMagick to drive and look at the window, a sound server and ffmpeg for the
# take; NSIS and zip, which make the installer and the portable zip. Skips what is present.
set -euo pipefail
packages=(
  cmake make
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64
  qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev qtmultimedia5-dev qttools5-dev-tools
  xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils ffmpeg
  nsis zip
)
exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
