# Cross-compiles for 32-bit Windows (x86) with MinGW-w64, from Linux:
# cmake --preset windows-i686, or -DCMAKE_TOOLCHAIN_FILE=<this file>.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUORVANE_MINGW_TRIPLE i686-w64-mingw32)

# Floating point on SSE2, not the x87 unit, whose extended precision would round differently from
# every other target. Windows keeps only 4-byte stack alignment on x86, so functions that need
# SSE's 16 realign the stack themselves.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
