# SPDX-FileCopyrightText: 2026 The psniaed developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package made by `cpack -G DEB` from the build folder.
set(CPACK_PACKAGE_NAME psniaed)
set(CPACK_PACKAGE_VENDOR "psniaed developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings editor for the racing game Pistonia")
# Debian shows the description in 80 columns: each line stays within 72 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "A settings editor for an installed copy of the racing game Pistonia:\n\
names, numbers, engine power, grip, car tuning, failures, nose cones,\n\
pit line, colours, cameras, helmets, liveries and track data, read from\n\
the game's files, shown in natural units and written back byte for byte.\n\
To try the editor without the game, the package also holds\n\
psniaed-sample-game, which generates a sample installation, and\n\
psniaed-sample-converter, a bitmap converter for that sample only.")
set(CPACK_PACKAGE_CONTACT "${PSN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PSN_MAINTAINER}")
# A tool for a game, not a game: Debian's games section is for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PSN_WEB_ADDRESS}")
# The run-time libraries (Qt, libarchive13 for season files) are found from the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, file dialogs) in the language of the editor's windows.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
# `cpack --config CPackSourceConfig.cmake` packs the source tree as scripts/package's `git archive`
# does: without version control data, build folders or the demo.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME psniaed-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build[^/]*/" "/demo/" "\\\\.swp$")
include(CPack)
