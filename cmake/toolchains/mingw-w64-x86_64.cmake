# Cross-compiles for 64-bit Windows (x86-64) with MinGW-w64, from Linux:
# cmake --preset windows-x86_64, or -DCMAKE_TOOLCHAIN_FILE=<this file>.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QUORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
