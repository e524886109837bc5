#!/usr/bin/env bash
# Installs the MinGW-w64 cross compilers (64-bit to run the tests, 32-bit for the shipped program's
# compile check), wine64, which runs the 64-bit Windows tests headless, and the Qt headers the
# Qt-facing Windows code is compile-checked against; skips what is present.
set -euo pipefail
packages=(
  cmake make
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
  wine64
  qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev qtmultimedia5-dev
)
exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
