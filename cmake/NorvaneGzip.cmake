# SPDX-License-Identifier: GPL-2.0-or-later
# norvane_install_gzipped(<file> <destination> [NAME <installed name>] [COMPONENT <package>])
# Installs <file> compressed, as Debian ships manual pages and changelogs: the most compression and
# no file name or time stamp in the header, so every build gives the same bytes. The installed
# name is <file>'s name with .gz unless given; the package is the default one unless given. Sets
# NORVANE_GZIPPED_FILE to the compressed file in the build tree.
function(norvane_install_gzipped file destination)
  cmake_parse_arguments(ARG "" "NAME;COMPONENT" "" ${ARGN})
  get_filename_component(name ${file} NAME)
  set(installed ${name}.gz)
  if(ARG_NAME)
    set(installed ${ARG_NAME})
  endif()
  set(component ${CMAKE_INSTALL_DEFAULT_COMPONENT_NAME})
  if(ARG_COMPONENT)
    set(component ${ARG_COMPONENT})
  endif()
  string(REGEX REPLACE "\\.gz$" "" uncompressed ${installed})
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${uncompressed})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${file}
    VERBATIM)
  string(MAKE_C_IDENTIFIER ${installed} target)
  add_custom_target(norvane_gzip_${target} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination} COMPONENT ${component})
  set(NORVANE_GZIPPED_FILE ${copy}.gz PARENT_SCOPE)
endfunction()
