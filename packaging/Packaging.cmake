# SPDX-License-Identifier: GPL-2.0-or-later
# The desktop entry, the AppStream data, the licence and changelog, and the two Debian packages.
# Included last by the top-level CMakeLists.txt, so the packages hold everything the layers install:
# the programs, the help topics, the icons, the translations and the manual pages.
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

# The desktop entry and the AppStream data with the translations of po/ merged in by msgfmt.
set(desktop_entry ${PROJECT_BINARY_DIR}/packaging/norvane.desktop)
set(metainfo_file ${PROJECT_BINARY_DIR}/packaging/${NORVANE_APPSTREAM_ID}.metainfo.xml)
set(catalog_files)
foreach(language IN LISTS NORVANE_LANGUAGES)
  list(APPEND catalog_files ${PROJECT_SOURCE_DIR}/po/${language}.po)
endforeach()
add_custom_command(OUTPUT ${desktop_entry}
  COMMAND ${NORVANE_MSGFMT} --desktop --template=${packaging}/norvane.desktop -d ${PROJECT_SOURCE_DIR}/po
          -o ${desktop_entry}
  DEPENDS ${packaging}/norvane.desktop ${catalog_files} ${PROJECT_SOURCE_DIR}/po/LINGUAS
  COMMENT "Translating the desktop entry")
add_custom_command(OUTPUT ${metainfo_file}
  COMMAND ${NORVANE_MSGFMT} --xml --template=${packaging}/${NORVANE_APPSTREAM_ID}.metainfo.xml
          -d ${PROJECT_SOURCE_DIR}/po -o ${metainfo_file}
  DEPENDS ${packaging}/${NORVANE_APPSTREAM_ID}.metainfo.xml ${catalog_files} ${PROJECT_SOURCE_DIR}/po/LINGUAS
  COMMENT "Translating the AppStream data")
add_custom_target(norvane_metadata ALL DEPENDS ${desktop_entry} ${metainfo_file})
install(FILES ${desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Each package carries the licence, the changelog and what lintian is told to pass over (each with
# its reason).
norvane_install_gzipped(${packaging}/changelog ${CMAKE_INSTALL_DATADIR}/doc/norvane NAME changelog.Debian.gz)
foreach(package norvane norvanectl)
  install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${package})
  install(FILES ${NORVANE_GZIPPED_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${package})
  configure_file(${packaging}/lintian-overrides.in ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides/${package} @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides/${package}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT ${package})
endforeach()

set(CPACK_PACKAGE_NAME norvane)
set(CPACK_PACKAGE_VENDOR "Norvane developers")
set(CPACK_PACKAGE_CONTACT "${NORVANE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${NORVANE_HOMEPAGE}")
# Each package's first line of its description is its own summary (below), so none is shared.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_PACKAGE_INSTALL_DIRECTORY norvane)
# The program finds its data relative to itself: /usr/bin/norvane reads /usr/share/norvane.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# One package for each component: norvane_<version>_<arch>.deb and norvanectl_<version>_<arch>.deb.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL norvane norvanectl)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${debian_revision})
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries each program links come from dpkg-shlibdeps: Qt 6 Widgets, Gui, Core and curses for
# the window; the C++ and crypto libraries, and no toolkit, for norvanectl.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(package_version ${PROJECT_VERSION}-${debian_revision})

set(CPACK_DEBIAN_NORVANE_PACKAGE_NAME norvane)
# Debian shows the lines as they are: each at most 80 characters.
set(CPACK_DEBIAN_NORVANE_DESCRIPTION
    "${PROJECT_DESCRIPTION}
Norvane edits the NFS servers a machine knows and the resources each one
offers, each server's stream and LPR print queues, and the options for every
NFS connection, all kept in one profile file, kqnet.ini, that the network
component reads too. It runs in a window, or in a terminal over SSH, with
context help for every control.")
# The platform plugins Qt loads at run time are no linked library, so they are named here; the
# translations come with norvanectl. Wayland sessions need Qt's Wayland plugin (without it the
# window opens through XWayland), and Qt's own buttons speak the user's language with Qt's
# translations.
set(CPACK_DEBIAN_NORVANE_PACKAGE_DEPENDS "qt6-qpa-plugins, norvanectl (= ${package_version})")
set(CPACK_DEBIAN_NORVANE_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-wayland, qt6-translations-l10n")

set(CPACK_DEBIAN_NORVANECTL_PACKAGE_NAME norvanectl)
set(CPACK_DEBIAN_NORVANECTL_DESCRIPTION
    "Command line for the NFS client and network printing configuration
norvanectl shows, sets and checks the NFS servers, their print queues and the
NFS options in kqnet.ini from scripts and configuration management: tables
for people and JSON for programs, idempotent changes, and the same rules and
locked, all-or-nothing saves as the Norvane window. It needs no graphical
libraries, so it runs on servers too.")

set(CPACK_GENERATOR DEB)
include(CPack)

if(BUILD_TESTING)
  add_test(NAME norvane_install_layout
           COMMAND ${packaging}/check_install.sh ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/install-check)
  add_test(NAME norvane_metadata_valid
           COMMAND ${packaging}/check_metadata.sh ${desktop_entry} ${metainfo_file} ${NORVANE_MAN_PAGES_BUILT})
endif()
