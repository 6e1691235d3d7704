# SPDX-License-Identifier: GPL-2.0-or-later
# cmake -DNORVANE_SOURCE_DIR=<source folder> -P CheckLicenseLines.cmake
# Fails naming every source file whose first lines do not carry the project's SPDX licence line, so
# that a new file cannot ship without one.
cmake_minimum_required(VERSION 3.25)

set(tag "SPDX-License-Identifier: GPL-2.0-or-later")
file(GLOB_RECURSE files RELATIVE ${NORVANE_SOURCE_DIR}
     ${NORVANE_SOURCE_DIR}/*.cpp ${NORVANE_SOURCE_DIR}/*.h ${NORVANE_SOURCE_DIR}/*.c
     ${NORVANE_SOURCE_DIR}/*CMakeLists.txt ${NORVANE_SOURCE_DIR}/*.cmake ${NORVANE_SOURCE_DIR}/*.sh
     ${NORVANE_SOURCE_DIR}/*.py ${NORVANE_SOURCE_DIR}/*.yml ${NORVANE_SOURCE_DIR}/*.bash-completion
     ${NORVANE_SOURCE_DIR}/.ci/run)
list(SORT files)
set(missing)
foreach(file IN LISTS files)
  # Build folders (build, build-sanitize, …) hold generated files, not sources.
  if(file MATCHES "^build[^/]*/" OR file MATCHES "/CMakeFiles/")
    continue()
  endif()
  file(STRINGS ${NORVANE_SOURCE_DIR}/${file} head LIMIT_COUNT 3)
  string(FIND "${head}" "${tag}" at)
  if(at EQUAL -1)
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " listed)
  message(FATAL_ERROR "without \"${tag}\" in their first three lines:\n  ${listed}")
endif()
