#!/usr/bin/env bash
# Installs the Debian 12 packages Velora needs to build, run and test; skips what is present.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qtquickcontrols2-5-dev qtmultimedia5-dev qttools5-dev qttools5-dev-tools
  libqt5multimedia5-plugins libqt5svg5-dev
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2 qml-module-qtquick-templates2
  qml-module-qtquick-layouts qml-module-qtgraphicaleffects qml-module-qttest
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa libasound2-plugins
  ffmpeg sox fonts-wqy-microhei fontconfig librsvg2-bin
  xvfb xauth x11-utils xdotool imagemagick
  pulseaudio pulseaudio-utils libudev-dev dbus-daemon
  desktop-file-utils appstream lintian
)
exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
