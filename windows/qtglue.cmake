# Compile check of the program's Qt-facing code for Windows: every source the Windows program would
# build (the shared files and the *_win.cpp files, not *_unix.cpp) compiled to objects by the MinGW
# compiler against the Qt headers of the Linux install. Qt for Windows libraries are not available
# here, so nothing is linked; the headers are the same on every platform apart from the generated
# configuration, which this check shares with the Linux build. It runs in the 32-bit build, the
# shipped program's word size, and is left out of the 64-bit one that only adds time.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(glue_default OFF)
else()
  set(glue_default ON)
endif()
option(VELORA_QT_GLUE_CHECK "compile-check the Qt-facing Windows code" ${glue_default})
if(NOT VELORA_QT_GLUE_CHECK)
  return()
endif()
set(VELORA_QT_INCLUDE_DIR /usr/include/x86_64-linux-gnu/qt5 CACHE PATH "Qt 5 headers to compile the Qt-facing code against")
find_program(VELORA_HOST_UIC NAMES uic PATHS /usr/lib/qt5/bin NO_CMAKE_FIND_ROOT_PATH)
if(NOT EXISTS ${VELORA_QT_INCLUDE_DIR}/QtCore/qglobal.h OR NOT VELORA_HOST_UIC)
  message(WARNING "Qt 5 headers or uic not found: the Qt-facing Windows code is not compile-checked")
  return()
endif()

set(glue_sources ${VELORA_ROOT}/main.cpp)
foreach(room app cli device settings recorder Qml LumenQuick image i18n)
  file(GLOB room_sources CONFIGURE_DEPENDS ${VELORA_ROOT}/${room}/*.cpp)
  list(FILTER room_sources EXCLUDE REGEX "_unix\\.cpp$")
  list(APPEND glue_sources ${room_sources})
endforeach()
list(REMOVE_ITEM glue_sources ${VELORA_WIN32_SOURCES})

# Forms become headers with the host's uic, as the Linux build does.
set(form_dir ${CMAKE_CURRENT_BINARY_DIR}/forms)
file(GLOB forms CONFIGURE_DEPENDS ${VELORA_ROOT}/*/*.ui)
set(form_headers)
foreach(form ${forms})
  get_filename_component(base ${form} NAME_WE)
  set(header ${form_dir}/ui_${base}.h)
  add_custom_command(OUTPUT ${header} COMMAND ${CMAKE_COMMAND} -E make_directory ${form_dir}
    COMMAND ${VELORA_HOST_UIC} -o ${header} ${form} DEPENDS ${form} VERBATIM)
  list(APPEND form_headers ${header})
endforeach()

add_library(velora_qt_glue_check OBJECT ${glue_sources} ${form_headers})
file(GLOB qt_modules LIST_DIRECTORIES true ${VELORA_QT_INCLUDE_DIR}/Qt*)
target_include_directories(velora_qt_glue_check SYSTEM PRIVATE ${VELORA_QT_INCLUDE_DIR} ${qt_modules})
target_include_directories(velora_qt_glue_check PRIVATE ${VELORA_ROOT} ${form_dir})
target_compile_definitions(velora_qt_glue_check PRIVATE
  VELORA_VERSION="${PROJECT_VERSION}" VELORA_APP_ID="${VELORA_APP_ID}")
# Qt's headers declare some friends without their export attribute, which only MinGW remarks on.
# Nothing is linked, so neither optimisation nor debug information is worth their third of the time.
target_compile_options(velora_qt_glue_check PRIVATE -Wall -Wno-attributes -O0 -g0)
