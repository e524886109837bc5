#!/usr/bin/env bash
# build-qt-windows.sh <i686|x86_64> [prefix] [work folder]
# Cross-builds Qt 5.15 (Debian 12's source packages) for Windows with MinGW-w64 (posix threads):
# qtbase, qtdeclarative, qtquickcontrols2, qtmultimedia, with host tools for Linux; of the last three
# only what Velora uses (no QML debugging plugins, no particles, only the controls' default style).
# About 70 minutes on two cores. Runs as root (it installs the compilers and fetches the sources).
# The prefix defaults to the machine's cache that `make test-windows` looks in; the file
# .velora-complete in it marks a finished build, so an interrupted one is never taken for ready.
# Run it again after an interruption: finished steps are not repeated.
set -euo pipefail
arch=${1:?usage: build-qt-windows.sh <i686|x86_64> [prefix] [work folder]}
case $arch in
  i686) pkg=i686 ;;
  x86_64) pkg=x86-64 ;;
  *) echo "build-qt-windows.sh: unknown architecture '$arch' (i686 or x86_64)" >&2; exit 2 ;;
esac
triplet=$arch-w64-mingw32
prefix=${2:-/var/cache/velora/qt-5.15.8-$triplet}
work=${3:-/var/cache/velora/qt-build-$triplet}
jobs=${JOBS:-2}
mkdir -p "$work/src" "$work/bin" "$work/apt/lists/partial" "$prefix"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q -o DPkg::Lock::Timeout=600 "g++-mingw-w64-$pkg-posix" "binutils-mingw-w64-$pkg" >/dev/null
# Qt calls the compilers by one prefix; make that prefix the posix-thread compilers.
for t in gcc g++ cpp; do ln -sf "/usr/bin/$triplet-$t-posix" "$work/bin/$triplet-$t"; done
export PATH=$work/bin:$PATH

# The source packages come from the same Debian archive the machine already installs from.
uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
[ -n "$uri" ] || uri=$(awk '$1 == "deb" && $3 ~ /^bookworm$/ {print $2; exit}' /etc/apt/sources.list)
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri bookworm main" >"$work/apt/src.list"
O=(-o Dir::Etc::SourceList="$work/apt/src.list" -o Dir::Etc::SourceParts=/dev/null
   -o Dir::State::Lists="$work/apt/lists" -o Debug::NoLocking=1)
apt-get "${O[@]}" update -q >/dev/null
cd "$work/src"
for m in qtbase qtdeclarative qtquickcontrols2 qtmultimedia; do
  [ -d "$m" ] && continue
  apt-get "${O[@]}" source --download-only -q "$m-opensource-src" >/dev/null
  mkdir "$m.tmp"
  tar -xJf "$m"-opensource-src_*.orig.tar.xz -C "$m.tmp" --strip-components=1
  # Debian's patches: upstream backports and security fixes.
  tar -xJf "$m"-opensource-src_*.debian.tar.xz -C "$m.tmp"
  if [ -f "$m.tmp/debian/patches/series" ]; then
    (cd "$m.tmp" && grep -v -e '^#' -e '^$' debian/patches/series |
      while read -r p; do patch -p1 -N -s <"debian/patches/$p"; done)
  fi
  mv "$m.tmp" "$m"
done

cd "$work/src/qtbase"
# Debian's repacked qtbase leaves out the tablet headers the Windows platform plugin includes; wine's
# development package carries the same public API headers.
if [ ! -f src/3rdparty/wintab/wintab.h ]; then
  (cd "$work" && apt-get download -q libwine-dev >/dev/null && dpkg-deb -x libwine-dev_*.deb "$work/wine-dev")
  mkdir -p src/3rdparty/wintab
  cp "$work/wine-dev/usr/include/wine/wine/windows/pktdef.h" src/3rdparty/wintab/
  { printf '#include <windows.h>\n#ifndef DECL_WINELIB_TYPE_AW\n# ifdef UNICODE\n#  define DECL_WINELIB_TYPE_AW(type) typedef type##W type;\n'
    printf '# else\n#  define DECL_WINELIB_TYPE_AW(type) typedef type##A type;\n# endif\n#endif\n#ifndef API\n# define API WINAPI\n#endif\n'
    cat "$work/wine-dev/usr/include/wine/wine/windows/wintab.h"; } >src/3rdparty/wintab/wintab.h
fi
if [ ! -f "$work/.configured" ]; then
  ./configure -xplatform win32-g++ -device-option CROSS_COMPILE="$triplet-" \
    -prefix "$prefix" -opensource -confirm-license -release -shared \
    -nomake examples -nomake tests -opengl desktop -no-dbus -no-icu -no-openssl \
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-freetype \
    -no-feature-sql -silent
  touch "$work/.configured"
fi
# Each module once: a stamp says it is installed.
if [ ! -f "$work/.qtbase-installed" ]; then
  make -j"$jobs"
  make install
  touch "$work/.qtbase-installed"
fi
for m in qtdeclarative qtquickcontrols2 qtmultimedia; do
  [ -f "$work/.$m-installed" ] && continue
  cd "$work/src/$m"
  case $m in
    # The Direct3D 12 scene graph needs the HLSL compiler fxc.exe, which no Linux toolchain has.
    qtdeclarative) opts=(-- -no-feature-d3d12 -no-feature-qml-debug -no-feature-quick-particles) ;;
    qtquickcontrols2) opts=(-- -no-feature-quickcontrols2-fusion -no-feature-quickcontrols2-imagine
                            -no-feature-quickcontrols2-material -no-feature-quickcontrols2-universal) ;;
    *) opts=() ;;
  esac
  [ -f Makefile ] || "$prefix/bin/qmake" "${opts[@]}"
  make -j"$jobs"
  make install
  touch "$work/.$m-installed"
done
touch "$prefix/.velora-complete"
echo "Qt for Windows ($triplet) ready in $prefix"
