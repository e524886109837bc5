#!/usr/bin/env bash
# check-package.sh <build folder>: makes the Debian package with CPack and checks it: its contents,
# lintian (no errors; warnings are printed), and the program extracted into a temporary root, started
# against a virtual card under Xvfb: its window must appear with its icon, its log must record the
# card, and a command must reach the card through the window.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)

rm -f "$build"/velora_*.deb
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/velora_*.deb)
echo "== $(basename "$deb")"

listing=$(dpkg-deb --contents "$deb")
for path in usr/bin/velora usr/bin/velora-virtualcard usr/lib/velora/libvelora-vendorlib.so \
  usr/lib/udev/rules.d/60-velora.rules usr/share/applications/example.velora_audio.Velora.desktop \
  usr/share/metainfo/example.velora_audio.Velora.metainfo.xml usr/share/man/man1/velora.1.gz \
  usr/share/icons/hicolor/256x256/apps/example.velora_audio.Velora.png usr/share/doc/velora/copyright; do
  grep -q " \./$path\$" <<<"$listing" || { echo "the package lacks /$path" >&2; exit 1; }
done
! grep -v ' root/root ' <<<"$listing" | grep -q . || { echo "the package holds files not owned by root" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'ffmpeg' || { echo "the package does not depend on ffmpeg" >&2; exit 1; }

# Warnings stay visible; errors fail. (Running as root only adds a notice.)
lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || { echo "lintian found errors" >&2; exit 1; }

root=$(mktemp -d "${TMPDIR:-/tmp}/velora-package.XXXXXX")
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
env -u VELORA_VENDORLIB_DIR "$here/with-xvfb.sh" "$here/run-isolated.sh" \
  "$here/check-extracted.sh" "$root" "$build/package-window.png"
echo "package: every check passed"
