# windows-program.sh: sourced by the scripts that build the whole program for Windows; they set
# $root (the clone), $build (the build folder) and $jobs.
# Qt for Windows is taken from $VELORA_QT_WINDOWS, else from ../shared/qt5-windows/ beside the
# clone, else from the machine's cache that scripts/build-qt-windows.sh fills.

# qt_prefix <triplet>: prints the Qt for Windows prefix to build against, unpacking an archive
# under the build folder where that is what is found; prints nothing when there is none.
qt_prefix() {
  local name=qt-5.15.8-$1 folder
  for folder in ${VELORA_QT_WINDOWS:+"$VELORA_QT_WINDOWS"} "$root/../shared/qt5-windows"; do
    if [ -f "$folder/$name/lib/cmake/Qt5/Qt5Config.cmake" ]; then
      echo "$folder/$name"
      return
    fi
    if [ -f "$folder/$name.tar.xz" ]; then
      if [ ! -f "$build/qt-windows/$name/.unpacked" ]; then
        rm -rf "$build/qt-windows/$name"
        mkdir -p "$build/qt-windows"
        tar -xJf "$folder/$name.tar.xz" -C "$build/qt-windows"
        touch "$build/qt-windows/$name/.unpacked"
      fi
      echo "$build/qt-windows/$name"
      return
    fi
  done
  # A build of scripts/build-qt-windows.sh counts once it has finished.
  [ -f "/var/cache/velora/$name/.velora-complete" ] && echo "/var/cache/velora/$name"
  return 0
}

# build_program <arch>: velora.exe, its deploy folder, the virtual card and the stand-in library for
# <arch> in $build/win-<arch>; false (after one line saying why) when there is no Qt for it.
build_program() {
  local arch=$1 prefix
  prefix=$(qt_prefix "$arch-w64-mingw32")
  if [ -z "$prefix" ]; then
    echo "SKIP the whole $arch program: no Qt for $arch Windows; build it with" \
      "scripts/build-qt-windows.sh $arch (about 70 minutes) or set VELORA_QT_WINDOWS"
    return 1
  fi
  cmake -S "$root" -B "$build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/qt-windows-$arch.cmake" \
    -DVELORA_QT_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DVELORA_WERROR=ON >/dev/null
  cmake --build "$build/win-$arch" -j "$jobs"
}
