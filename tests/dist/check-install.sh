#!/usr/bin/env bash
# check-install.sh <build folder>: installs the build into a temporary root with DESTDIR and checks
# what an installed Velora is. Prints each fault found and fails when there is one.
set -u
build=$(cd "$1" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/velora-install.XXXXXX")
trap 'kill $card 2>/dev/null; rm -rf "$root"' EXIT
card=""
faults=0
fault() { echo "FAULT: $*" >&2; faults=$((faults + 1)); }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || fault "cmake --install failed"

id=example.velora_audio.Velora
expected="usr/bin/velora
usr/bin/velora-virtualcard
usr/lib/udev/rules.d/60-velora.rules
usr/lib/velora/libvelora-vendorlib.so
usr/lib/velora/velora-window.so
usr/share/applications/$id.desktop
usr/share/doc/velora/changelog.gz
usr/share/doc/velora/copyright
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/velora-virtualcard.1.gz
usr/share/man/man1/velora.1.gz
usr/share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
  expected+=$'\n'"usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
installed=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
if [ "$installed" != "$(sort <<<"$expected")" ]; then
  fault "installed files differ from the expected ones:"
  diff <(sort <<<"$expected") <(echo "$installed") >&2
fi
for size in 16 22 24 32 48 64 128 256; do
  identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" 2>/dev/null \
    | grep -qx "${size}x${size}" || fault "the ${size}x${size} icon is not ${size} pixels square"
done
[ -x "$root/usr/bin/velora" ] || fault "velora is not executable"
! readelf -d "$root/usr/bin/velora" | grep -q 'R.*PATH' || fault "the installed velora carries a library path"

desktop-file-validate "$root/usr/share/applications/$id.desktop" | grep -v ': hint: ' >&2
[ "${PIPESTATUS[0]}" -eq 0 ] || fault "desktop-file-validate refused the menu entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
  || { appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >&2; fault "appstreamcli refused the metainfo"; }
grep -q "<release version=\"$(sed -n 's/^velora \(.*\)$/\1/p' < <("$build/velora" --version))\"" \
  "$root/usr/share/metainfo/$id.metainfo.xml" || fault "the metainfo's release is not the program's version"
zcat "$root/usr/share/man/man1/velora.1.gz" | grep -q 'mic\\-mute' || fault "the manual page lacks the commands"

# The rule: every rule line gives uaccess to hidraw nodes of one id pair; the pairs are exactly the two
# cards'. A rule file numbered 73 or later would come after the seat's uaccess rules and do nothing.
rule="$root/usr/lib/udev/rules.d/60-velora.rules"
pairs=$(grep -v '^\s*\(#\|$\)' "$rule" | while read -r line; do
  case "$line" in *'SUBSYSTEM=="hidraw"'*'TAG+="uaccess"'*) ;; *) echo "bad: $line" ;; esac
  vendor=$(grep -o 'ATTRS{idVendor}=="[^"]*"' <<<"$line" | cut -d'"' -f2)
  product=$(grep -o 'ATTRS{idProduct}=="[^"]*"' <<<"$line" | cut -d'"' -f2)
  echo "$vendor:$product"
done | sort)
[ "$pairs" = $'0c76:1000\n0c76:1001' ] || fault "the udev rule matches $(echo $pairs), not 0c76:1000 and 0c76:1001"
[ "$(basename "$rule" | cut -c1-2)" -lt 73 ] || fault "the udev rule comes after the seat's uaccess rules"

# The installed programs, with nothing of the build folder: the library is found beside them.
unset VELORA_VENDORLIB_DIR
"$root/usr/bin/velora-virtualcard" --state "$root/card.state" --serial INSTALLED1 >/dev/null 2>&1 &
card=$!
for _ in $(seq 50); do
  status=$("$root/usr/bin/velora" --status --json 2>&1) && break
  sleep 0.1
done
grep -q '"serial":"INSTALLED1"' <<<"$status" || fault "the installed velora did not read the virtual card: $status"

[ $faults -eq 0 ] && echo "installed tree: every check passed"
exit $((faults > 0))
