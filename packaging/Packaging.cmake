# The desktop entry and the Debian package. Included last by the top-level CMakeLists.txt, so the
# package holds everything the layers install: the program, its help topics and its icons.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/norvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_PACKAGE_NAME norvane)
set(CPACK_PACKAGE_VENDOR "Norvane developers")
set(CPACK_PACKAGE_CONTACT "Norvane developers <norvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Norvane edits the NFS servers, their stream and LPR print queues and the options for every NFS connection, kept in one profile file, kqnet.ini.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY norvane)
# The program finds its data relative to itself: /usr/bin/norvane reads /usr/share/norvane.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links (Qt 6 Widgets, Gui, Core, curses) come from dpkg-shlibdeps; the
# platform plugins Qt loads at run time are no linked library, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")

set(CPACK_GENERATOR DEB)
include(CPack)

if(BUILD_TESTING)
  add_test(NAME norvane_install_layout
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_install.sh ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/install-check)
endif()
