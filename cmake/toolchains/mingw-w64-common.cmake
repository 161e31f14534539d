# What the MinGW-w64 toolchain files share: the POSIX-threads compilers for QUORVANE_MINGW_TRIPLE,
# a search confined to that target's root, and a static runtime so that a program built here
# needs no MinGW DLL beside it on Windows.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVANE_MINGW_TRIPLE}-windres)

# Headers, libraries and packages come from the target's root only, never from the build host;
# programs (the compilers' helpers, code generators) run on the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in: Windows has none of them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
