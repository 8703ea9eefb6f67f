# The Debian package made by `cpack -G DEB` from the build folder.
set(PSN_MAINTAINER "psniaed developers <psniaed@example.org>" CACHE STRING
    "Maintainer named in the Debian package")
set(CPACK_PACKAGE_NAME psniaed)
set(CPACK_PACKAGE_VENDOR "psniaed developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings editor for the racing game Pistonia")
set(CPACK_PACKAGE_DESCRIPTION
    "A settings editor for an installed copy of the racing game Pistonia: names, numbers,\n\
engine power, grip, car tuning, failures, nose cones, pit line, colours, cameras,\n\
helmets, liveries and track data, read from the game's files, shown in natural units\n\
and written back byte for byte. To try the editor without the game, the package also\n\
holds psniaed-sample-game, which generates a sample installation, and\n\
psniaed-sample-converter, a bitmap converter for that sample only.")
set(CPACK_PACKAGE_CONTACT "${PSN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PSN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PSN_WEB_ADDRESS}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
