# Shared part of the MinGW-w64 toolchain files: set VELORA_MINGW_TRIPLET before including this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VELORA_MINGW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${VELORA_MINGW_TRIPLET}-g++)
set(CMAKE_RC_COMPILER ${VELORA_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The compiler's own runtime DLLs are not on wine's search path: link them in statically so that
# every executable and DLL built here runs from wherever it lies.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
