#!/usr/bin/env bash
# Makes velora.ico, the executable's icon, from the logo's rendered sizes in dist/icons (ImageMagick).
# The icon is committed, so the build needs no image tools; run this after the logo changes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
icons=$here/../../dist/icons
convert "$icons"/{16x16,24x24,32x32,48x48,64x64,256x256}/*.png "$here/velora.ico"
