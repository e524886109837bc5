#!/usr/bin/env bash
# install-packages.sh <package...>
# Installs the Debian packages given that are not installed yet, non-interactively and without
# recommended extras; does nothing when all are present.
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Other installs may hold the package lock for a while; wait for it rather than fail.
lock=(-o DPkg::Lock::Timeout=600)
$sudo apt-get update -qq "${lock[@]}"
$sudo apt-get install "${lock[@]}" -y -qq --no-install-recommends "${missing[@]}"
