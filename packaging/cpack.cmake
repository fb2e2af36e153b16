# The Debian package: `cpack -G DEB` in a build tree configured with
# CMAKE_INSTALL_PREFIX=/usr (./dev package does both).
set(CPACK_PACKAGE_NAME kolvar)
set(CPACK_PACKAGE_VENDOR "the Kolvar developers")
set(CPACK_PACKAGE_CONTACT "${KOLVAR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control program for a home rectification column")
# Lines of at most 80 characters, as dpkg shows them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Kolvar runs a home-scale rectification column from an old PC. Each control\n"
  "cycle it reads the last line of a temperature logger's log, regulates the\n"
  "take-off (liquid, vapour or pulse-width) and drives the valves, the lift and\n"
  "the cooling through the data pins of the parallel port.\n"
  "\n"
  "The package holds the desktop window, a simulator of the column for\n"
  "practice, a scenario runner, a plotter of run records, and kolvar-logger,\n"
  "which writes the temperature log from 1-Wire sensors through the kernel.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KOLVAR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt Multimedia plays the stop sound. On Debian 12 its FFmpeg and GStreamer
# back-end plugins ship in libqt6multimedia6 itself; shlibdeps finds that
# library from the binary, and it is named here so the plugins are sure to
# come. The sound reaches the speakers through the PulseAudio protocol.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6multimedia6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")
# Directories in the package as Debian has them, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
