# `make package` (or cpack) builds vesknotes_<version>_<arch>.deb from the
# install rules. Its library dependencies are read off the executable by
# dpkg-shlibdeps; what Qt loads at run time is named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesknotes)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sticky notes for the desktop")
set(CPACK_PACKAGE_DESCRIPTION "vesk notes 4 keeps a collection of notes as small, borderless,
translucent windows on the desktop and lives as an icon in the tray: text
messages, checklists, free-hand scribbles and pictures, with alarms, a
wastebasket, an archive, themes and numbered backups.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The vesk notes developers <vesknotes@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vesknotes.github.io/)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt Multimedia plays the sounds through GStreamer's plug-ins; without them
# the program runs silently.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-pulseaudio")
include(CPack)
