# The Debian package: `make package` (or `cmake --build build --target package`) writes
# salvenor_<version>_amd64.deb into the build folder. It installs under /usr, depends on the Qt
# runtime packages its programs link (found by dpkg-shlibdeps) and the platform plugins, and has
# no maintainer scripts: removing it leaves every user's own folder as it is.
# SALVENOR_PACKAGE_MAINTAINER (the Maintainer field) is set in packaging/, whose changelog names it.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "salvenor")
set(CPACK_PACKAGE_VENDOR "Salvenor")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop prayer-times companion")
# CPack puts the summary first and this as the long description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Salvenor computes the five daily prayers and sunrise for a city from a world city\n"
    "database, or for coordinates, with one of four calculation conventions. A small bar\n"
    "in the corner of the screen names the next prayer, and at each prayer a window names\n"
    "it and plays a call to prayer. Today's times and Hijri and Gregorian month calendars\n"
    "can be shown and printed. salvenor-cli computes the same from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SALVENOR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries come from dpkg-shlibdeps; Qt loads its platform plugins (xcb, Wayland) at run
# time, so no library link names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
