# The whole program for 64-bit Windows: the twin of the shipped 32-bit build that the tests run under
# wine64, so that every Windows code path runs somewhere.
set(VELORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/qt-windows-common.cmake)
