# 32-bit Windows cross build with MinGW-w64, the shipped program's word size. Only compiled here:
# 32-bit Windows programs cannot run on these machines.
set(VELORA_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
