# SPDX-License-Identifier: GPL-2.0-or-later
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

# norvane_layer_libraries(<folder> <variable>): the libraries of the layers <folder> uses.
function(norvane_layer_libraries folder variable)
  set(libraries)
  foreach(used IN LISTS NORVANE_LAYER_USES_${folder})
    list(APPEND libraries ${NORVANE_LAYER_LIBRARY_${used}})
  endforeach()
  set(${variable} ${libraries} PARENT_SCOPE)
endfunction()

# norvane_layer(<folder> [LIBS <libraries>...] [PRIVATE_LIBS <libraries>...])
# The layer's library from the .cpp files of the calling folder, linking the libraries of the
# layers it uses (and LIBS, which it hands on, and PRIVATE_LIBS, which it keeps). A layer that has
# no sources yet becomes an interface library, so the layers above can already name it.
function(norvane_layer folder)
  cmake_parse_arguments(ARG "" "" "LIBS;PRIVATE_LIBS" ${ARGN})
  set(target ${NORVANE_LAYER_LIBRARY_${folder}})
  if(NOT target)
    message(FATAL_ERROR "${folder} is not a layer of cmake/Layers.cmake")
  endif()
  norvane_layer_libraries(${folder} uses)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${uses} ${ARG_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${uses} ${ARG_LIBS})
  endif()
endfunction()
