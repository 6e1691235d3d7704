# SPDX-License-Identifier: GPL-2.0-or-later
# The desktop entry, the AppStream data, the licence and changelog, and the Debian package. Included
# last by the top-level CMakeLists.txt, so the package holds everything the layers install: the
# program, its help topics, its icons and its manual pages.
include(NorvaneGzip)

set(NORVANE_HOMEPAGE "https://norvane.org/")
set(NORVANE_MAINTAINER "Norvane developers <noreply@norvane.org>")
set(NORVANE_APPSTREAM_ID org.norvane.Norvane)
set(packaging ${CMAKE_CURRENT_LIST_DIR})

# A new version needs its changelog entry and its AppStream release; the package's Debian revision
# is the changelog's.
file(STRINGS ${packaging}/changelog changelog_head LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(NOT changelog_head MATCHES "^norvane \\(${version_pattern}-([0-9]+)\\) ")
  message(FATAL_ERROR "packaging/changelog does not begin with an entry for ${PROJECT_VERSION}: ${changelog_head}")
endif()
set(debian_revision ${CMAKE_MATCH_1})
file(READ ${packaging}/${NORVANE_APPSTREAM_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${version_pattern}\"")
  message(FATAL_ERROR "packaging/${NORVANE_APPSTREAM_ID}.metainfo.xml has no release ${PROJECT_VERSION}")
endif()

install(FILES ${packaging}/norvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${NORVANE_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/norvane)
norvane_install_gzipped(${packaging}/changelog ${CMAKE_INSTALL_DATADIR}/doc/norvane changelog.Debian.gz)
# What lintian is told to pass over, each with its reason.
install(FILES ${packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME norvane)

set(CPACK_PACKAGE_NAME norvane)
set(CPACK_PACKAGE_VENDOR "Norvane developers")
set(CPACK_PACKAGE_CONTACT "${NORVANE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${NORVANE_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the lines as they are: each at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Norvane edits the NFS servers a machine knows and the resources each one
offers, each server's stream and LPR print queues, and the options for every
NFS connection, all kept in one profile file, kqnet.ini, that the network
component reads too. It runs in a window, or in a terminal over SSH, with
context help for every control.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY norvane)
# The program finds its data relative to itself: /usr/bin/norvane reads /usr/share/norvane.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${debian_revision})
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links (Qt 6 Widgets, Gui, Core, curses) come from dpkg-shlibdeps; the
# platform plugins Qt loads at run time are no linked library, so they are named here. Wayland
# sessions need Qt's Wayland plugin; without it the window opens through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-wayland")

set(CPACK_GENERATOR DEB)
include(CPack)

if(BUILD_TESTING)
  add_test(NAME norvane_install_layout
           COMMAND ${packaging}/check_install.sh ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/install-check)
  add_test(NAME norvane_metadata_valid
           COMMAND ${packaging}/check_metadata.sh ${packaging}/norvane.desktop
                   ${packaging}/${NORVANE_APPSTREAM_ID}.metainfo.xml ${NORVANE_MAN_PAGES_BUILT})
endif()
