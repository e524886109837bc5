#!/usr/bin/env bash
# Renders the program's pictures and the component library's pictures from their SVG sources.
# Every SVG states the size at which the scene shows it; the PNG is drawn at twice that size so that it
# stays sharp up to 200 % scaling. The PNGs are committed: only whoever edits a source runs this script
# (it needs rsvg-convert from librsvg2-bin and convert from imagemagick).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

render_folder() { # source folder, output folder
  for svg in "$1"/*.svg; do
    rsvg-convert --zoom 2 --format png --output "$2/$(basename "$svg" .svg).png" "$svg"
  done
}

render_folder "$here/blackSkin/source" "$here/blackSkin"
render_folder "$root/LumenQuick/Images/source" "$root/LumenQuick/Images"

# The window icon: the logo at the sizes a desktop asks for, in one .ico file.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 24 32 48 64 256; do
  rsvg-convert --width $size --height $size --format png --output "$tmp/logo-$size.png" \
    "$here/blackSkin/source/logo.svg"
done
convert "$tmp"/logo-16.png "$tmp"/logo-24.png "$tmp"/logo-32.png "$tmp"/logo-48.png \
  "$tmp"/logo-64.png "$tmp"/logo-256.png "$here/blackSkin/logo.ico"

# The desktop's icon theme: the logo as PNGs at the sizes menus, task bars and software centres ask for
# (the SVG itself is installed as the scalable one).
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$root/dist/icons/${size}x${size}"
  rsvg-convert --width $size --height $size --format png \
    --output "$root/dist/icons/${size}x${size}/example.velora_audio.Velora.png" "$here/blackSkin/source/logo.svg"
done
