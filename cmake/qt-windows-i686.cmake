# The whole program for 32-bit Windows, the word size Velora ships in (the vendor's library is a
# 32-bit DLL). Built and deployed here; these machines cannot run 32-bit programs.
set(VELORA_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/qt-windows-common.cmake)
