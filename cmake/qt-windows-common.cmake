# Shared part of the toolchain files that build the whole program for Windows against Qt for Windows:
# set VELORA_MINGW_TRIPLET before including this, and pass -DVELORA_QT_PREFIX=<Qt for Windows prefix>.
# The posix-thread compilers, because Qt's DLLs were built with them and need their runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VELORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELORA_MINGW_TRIPLET}-windres)
# try_compile projects read this file again and must see the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELORA_QT_PREFIX)
if(NOT VELORA_QT_PREFIX OR NOT EXISTS "${VELORA_QT_PREFIX}/lib/cmake/Qt5/Qt5Config.cmake")
  message(FATAL_ERROR "VELORA_QT_PREFIX must name a Qt for Windows (${VELORA_MINGW_TRIPLET}) prefix; "
    "scripts/build-qt-windows.sh builds one")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${VELORA_MINGW_TRIPLET} ${VELORA_QT_PREFIX})
set(CMAKE_PREFIX_PATH ${VELORA_QT_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
