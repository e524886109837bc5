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
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Other installs may hold the package lock for a while; wait for it rather than fail.
apt_opts=(-o DPkg::Lock::Timeout=600 -y -qq --no-install-recommends)
$sudo apt-get update -qq -o DPkg::Lock::Timeout=600
$sudo apt-get install "${apt_opts[@]}" "${missing[@]}"
