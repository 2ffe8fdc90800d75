# Cross-compiles the plug-in for 32-bit Windows with Debian's mingw-w64
# toolchain (g++-mingw-w64-i686, binutils-mingw-w64-i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The posix-threads flavour, whose standard library has std::mutex (the
# test framework needs it); its thread library is linked in statically, so
# the module still needs no DLL beside the system's.
set(QZV_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QZV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QZV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QZV_MINGW_PREFIX}-windres)
set(CMAKE_AR ${QZV_MINGW_PREFIX}-ar)
set(CMAKE_RANLIB ${QZV_MINGW_PREFIX}-ranlib)

# Single precision as on Linux: SSE2 arithmetic, no x87 excess precision.
# (-ffp-contract=off comes with the project's own options.)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

set(CMAKE_FIND_ROOT_PATH /usr/${QZV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
