# The program is one static library per room (folder). A room sees only the headers of the rooms it
# links, each under its folder's name ("device/communication.h"): every library publishes forwarding
# headers for its own folder in a folder of its own in the build tree, instead of the repository root
# that would let any file include any other.

option(VELORA_WERROR "treat warnings in the project's own code as errors" OFF)

# The warnings the project's own sources compile with; Qt's headers are system headers and the
# generated sources (moc, uic, rcc, qmlcachegen) are left out.
set(VELORA_WARNINGS -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wformat=2
  -Wimplicit-fallthrough -Wmissing-declarations)
# Shadowed locals hide real mistakes; a parameter named like one of Qt's own members (QWidget::data)
# does not, and GCC's plain -Wshadow reports those too.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND VELORA_WARNINGS -Wshadow=local)
else()
  list(APPEND VELORA_WARNINGS -Wshadow)
endif()
if(VELORA_WERROR)
  list(APPEND VELORA_WARNINGS -Werror)
endif()

# velora_strict_warnings(target): the warnings above on the target's own source files.
function(velora_strict_warnings target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  foreach(source ${sources})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${source_dir})
    string(FIND "${path}" "${PROJECT_BINARY_DIR}/" in_build)
    if(path MATCHES "\\.(c|cpp)$" AND NOT in_build EQUAL 0)
      set_property(SOURCE ${path} DIRECTORY ${source_dir} APPEND PROPERTY COMPILE_OPTIONS ${VELORA_WARNINGS})
    endif()
  endforeach()
endfunction()

# velora_publish_headers(target folder [headers...]): makes "<folder>/<header>" includable by the
# target and whatever links it; all of the folder's headers unless some are named.
function(velora_publish_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  if(ARGN)
    list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/${folder}/ OUTPUT_VARIABLE headers)
  else()
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  endif()
  set(wanted)
  foreach(header ${headers})
    get_filename_component(name ${header} NAME)
    # Written only when its text changes, so that a new configure run rebuilds nothing.
    file(CONFIGURE OUTPUT ${root}/${folder}/${name} CONTENT "#include \"${header}\"\n")
    list(APPEND wanted ${root}/${folder}/${name})
  endforeach()
  file(GLOB present ${root}/${folder}/*.h)
  foreach(old ${present})
    if(NOT old IN_LIST wanted)
      file(REMOVE ${old})
    endif()
  endforeach()
  if(ARGN)
    set(scope INTERFACE)
  else()
    get_target_property(type ${target} TYPE)
    set(scope PUBLIC)
    if(type STREQUAL "INTERFACE_LIBRARY")
      set(scope INTERFACE)
    endif()
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# velora_room(<room>): the calling folder's code as the static library velora_<room>, publishing its
# headers; a file with a platform suffix (_win.cpp, _unix.cpp) only on its own platform. The caller
# links what the room may use.
function(velora_room room)
  file(GLOB sources CONFIGURE_DEPENDS *.cpp *.h *.ui)
  list(FILTER sources EXCLUDE REGEX "_(win|unix)\\.cpp$")
  if(WIN32)
    file(GLOB platform_sources CONFIGURE_DEPENDS *_win.cpp)
  else()
    file(GLOB platform_sources CONFIGURE_DEPENDS *_unix.cpp)
  endif()
  add_library(velora_${room} STATIC ${sources} ${platform_sources})
  velora_publish_headers(velora_${room} ${room})
  velora_strict_warnings(velora_${room})
endfunction()
