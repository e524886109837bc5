# `make package`: a Debian package of the install rules. Shared-library dependencies are computed
# from the binaries (dpkg-shlibdeps); what the program loads or runs by name is listed by hand: the
# scene's QML modules, the multimedia backend and its GStreamer elements, and ffmpeg for export.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velora)
set(CPACK_PACKAGE_VENDOR Norvane)
set(CPACK_PACKAGE_CONTACT "Norvane <support@velora-audio.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The synopsis, then the lines of the long description, wrapped as Debian's tools show it.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "control panel and recorder for zq05 and zq06 USB sound cards"
  "Velora finds a zq05 or zq06 USB sound card when it is plugged in, reads"
  "its settings (playback and microphone mute, a five-band equalizer), its"
  "serial number and firmware version, and writes every change back to the"
  "card at once. Four named equalizer styles can be edited and renamed, and"
  "the card's factory values restored."
  "."
  "A recorder records takes with live levels, cuts and undoes, and exports"
  "to MP3, WAV, AAC, WMA, FLAC or AC-3. A command line drives the card from"
  "scripts and key bindings.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.velora-audio.example)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "ffmpeg, qml-module-qtquick2, qml-module-qtquick-window2, qml-module-qtquick-controls2, qml-module-qtquick-templates2, libqt5multimedia5-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# The card's own input is reached through the ALSA plugin of the sound server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-alsa, libasound2-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
